#include "entry/island_entry.h"

#include <gtest/gtest.h>

#include <string>

namespace island {
namespace {

IslandInputs Defaults() {
  IslandInputs in;
  in.key = "default";
  in.shown_yes = true;
  in.icon = "DIRT";
  in.order = "1";
  in.name = "普通空岛";
  in.description = "&a挑战|&a起点|&6无中生有";
  in.file_name = "island.schematic";
  in.biome = "FOREST";
  in.default_chest_yes = true;
  in.cost = "1";
  return in;
}

constexpr const char* kDefaultEntry =
    "    default:\r\n"
    "      show: true\r\n"
    "      icon: DIRT\r\n"
    "      order: 1\r\n"
    "      name: \"普通空岛\"\r\n"
    "      description: \"&a挑战|&a起点|&6无中生有\"\r\n"
    "      filename: island.schematic\r\n"
    "      biome: FOREST\r\n"
    "      useDefaultChest: true\r\n"
    "      partnerSchematic: nether\r\n"
    "      levelHandicap: 3\r\n"
    "      cost: 1\r\n";

struct EntryCase {
  const char* name;
  void (*change)(IslandInputs&);
  std::string expected;
};

TEST(BuildIslandEntry, WritesOneLinePerPresentInputInFixedOrder) {
  const EntryCase cases[] = {
      {"defaults", [](IslandInputs&) {}, kDefaultEntry},
      {"all texts empty",
       [](IslandInputs& in) {
         in = IslandInputs{};
         in.shown_yes = in.default_chest_yes = true;
       },
       "      show: true\r\n"
       "      useDefaultChest: true\r\n"
       "      partnerSchematic: nether\r\n"
       "      levelHandicap: 3\r\n"},
      {"nothing at all", [](IslandInputs& in) { in = IslandInputs{}; }, ""},
      {"schematic key empty", [](IslandInputs& in) { in.key.clear(); },
       std::string(kDefaultEntry).substr(std::string("    default:\r\n").size())},
      {"show: no, chest: no",
       [](IslandInputs& in) {
         in.shown_yes = false;
         in.shown_no = true;
         in.default_chest_yes = false;
         in.default_chest_no = true;
       },
       "    default:\r\n"
       "      show: false\r\n"
       "      icon: DIRT\r\n"
       "      order: 1\r\n"
       "      name: \"普通空岛\"\r\n"
       "      description: \"&a挑战|&a起点|&6无中生有\"\r\n"
       "      filename: island.schematic\r\n"
       "      biome: FOREST\r\n"
       "      useDefaultChest: false\r\n"
       "      partnerSchematic: nether\r\n"
       "      levelHandicap: 3\r\n"
       "      cost: 1\r\n"},
      // Both of a pair set can't come from the window, but the builder reads
      // them independently: both lines, yes first.
      {"both radios of each pair",
       [](IslandInputs& in) {
         in = IslandInputs{};
         in.shown_yes = in.shown_no = in.default_chest_yes = in.default_chest_no = true;
       },
       "      show: true\r\n"
       "      show: false\r\n"
       "      useDefaultChest: true\r\n"
       "      partnerSchematic: nether\r\n"
       "      levelHandicap: 3\r\n"
       "      useDefaultChest: false\r\n"
       "      partnerSchematic: nether\r\n"
       "      levelHandicap: 3\r\n"},
      {"no order", [](IslandInputs& in) { in.order.clear(); },
       [] {
         std::string s = kDefaultEntry;
         return s.erase(s.find("      order: 1\r\n"), 16);
       }()},
      {"quotes in name and description are not escaped",
       [](IslandInputs& in) {
         in = IslandInputs{};
         in.name = "say \"hi\"";
         in.description = "\"";
       },
       "      name: \"say \"hi\"\"\r\n"
       "      description: \"\"\"\r\n"},
      {"blanks are values: nothing trimmed",
       [](IslandInputs& in) {
         in = IslandInputs{};
         in.key = " ";
         in.cost = " ";
       },
       "     :\r\n"
       "      cost:  \r\n"},
      {"line breaks inside a value go through unchanged",
       [](IslandInputs& in) {
         in = IslandInputs{};
         in.biome = "A\r\nB";
       },
       "      biome: A\r\nB\r\n"},
  };
  for (const EntryCase& c : cases) {
    SCOPED_TRACE(c.name);
    IslandInputs in = Defaults();
    c.change(in);
    EXPECT_EQ(BuildIslandEntry(in), c.expected);
  }
}

TEST(BuildIslandEntry, CarriesLongValuesWhole) {
  IslandInputs in;
  in.description = std::string(1'000'000, 'x') + "\xF0\x9F\x8F\x9D";
  const std::string entry = BuildIslandEntry(in);
  EXPECT_EQ(entry, "      description: \"" + in.description + "\"\r\n");
}

}  // namespace
}  // namespace island
