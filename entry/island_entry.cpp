#include "entry/island_entry.h"

#include <initializer_list>
#include <string_view>
#include <utility>

namespace island {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kKeyIndent = "    ";
constexpr std::string_view kIndent = "      ";

class EntryWriter {
 public:
  explicit EntryWriter(size_t expected_size) { text_.reserve(expected_size); }

  void Line(std::initializer_list<std::string_view> parts) {
    for (std::string_view part : parts) text_.append(part);
    text_.append(kLineEnd);
  }
  void Field(std::string_view key, const std::string& value) {
    if (!value.empty()) Line({kIndent, key, value});
  }
  void QuotedField(std::string_view key, const std::string& value) {
    if (!value.empty()) Line({kIndent, key, "\"", value, "\""});
  }
  void Fixed(std::string_view line) { Line({kIndent, line}); }

  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

// The chest choice always brings its two companion settings with it.
void DefaultChest(EntryWriter& out, std::string_view use_default) {
  out.Fixed(use_default);
  out.Fixed("partnerSchematic: nether");
  out.Fixed("levelHandicap: 3");
}

}  // namespace

std::string BuildIslandEntry(const IslandInputs& in) {
  // Fixed parts of all lines together stay well under 512 bytes.
  EntryWriter out(512 + in.key.size() + in.icon.size() + in.order.size() + in.name.size() +
                  in.description.size() + in.file_name.size() + in.biome.size() + in.cost.size());
  if (!in.key.empty()) out.Line({kKeyIndent, in.key, ":"});
  if (in.shown_yes) out.Fixed("show: true");
  if (in.shown_no) out.Fixed("show: false");
  out.Field("icon: ", in.icon);
  out.Field("order: ", in.order);
  out.QuotedField("name: ", in.name);
  out.QuotedField("description: ", in.description);
  out.Field("filename: ", in.file_name);
  out.Field("biome: ", in.biome);
  if (in.default_chest_yes) DefaultChest(out, "useDefaultChest: true");
  if (in.default_chest_no) DefaultChest(out, "useDefaultChest: false");
  out.Field("cost: ", in.cost);
  return out.Take();
}

}  // namespace island
