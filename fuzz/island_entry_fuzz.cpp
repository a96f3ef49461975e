// For any inputs, the entry is exactly one CR LF-ended line per present
// input, in the fixed order, each carrying its value unchanged.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "entry/island_entry.h"

namespace {

class Reader {
 public:
  explicit Reader(const std::string& text) : text_(text) {}
  // The next line must be exactly `expected`.
  void Expect(const std::string& expected) {
    if (text_.compare(at_, expected.size(), expected) != 0) std::abort();
    at_ += expected.size();
  }
  void ExpectEnd() const {
    if (at_ != text_.size()) std::abort();
  }

 private:
  const std::string& text_;
  size_t at_ = 0;
};

void Field(Reader& r, const std::string& value, std::string_view key, bool quoted) {
  if (value.empty()) return;
  const std::string q = quoted ? "\"" : "";
  r.Expect("      " + std::string(key) + q + value + q + "\r\n");
}

void Chest(Reader& r, bool checked, std::string_view value) {
  if (!checked) return;
  r.Expect("      useDefaultChest: " + std::string(value) + "\r\n");
  r.Expect("      partnerSchematic: nether\r\n");
  r.Expect("      levelHandicap: 3\r\n");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider fuzz(data, size);
  island::IslandInputs in;
  in.shown_yes = fuzz.ConsumeBool();
  in.shown_no = fuzz.ConsumeBool();
  in.default_chest_yes = fuzz.ConsumeBool();
  in.default_chest_no = fuzz.ConsumeBool();
  for (std::string* text : {&in.key, &in.icon, &in.order, &in.name, &in.description, &in.file_name,
                            &in.biome, &in.cost}) {
    *text = fuzz.ConsumeRandomLengthString(64);
  }
  const std::string entry = island::BuildIslandEntry(in);

  Reader r(entry);
  if (!in.key.empty()) r.Expect("    " + in.key + ":\r\n");
  if (in.shown_yes) r.Expect("      show: true\r\n");
  if (in.shown_no) r.Expect("      show: false\r\n");
  Field(r, in.icon, "icon: ", false);
  Field(r, in.order, "order: ", false);
  Field(r, in.name, "name: ", true);
  Field(r, in.description, "description: ", true);
  Field(r, in.file_name, "filename: ", false);
  Field(r, in.biome, "biome: ", false);
  Chest(r, in.default_chest_yes, "true");
  Chest(r, in.default_chest_no, "false");
  Field(r, in.cost, "cost: ", false);
  r.ExpectEnd();
  return 0;
}
