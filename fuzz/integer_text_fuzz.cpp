// Whatever the icon-slot box holds, its normal form is a canonical 32-bit
// decimal (or empty), and normalising that again changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ui/integer_text.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string normal = island::NormaliseInteger(text);
  Check(island::NormaliseInteger(normal) == normal);
  if (normal.empty()) return 0;

  const size_t digits = normal[0] == '-' ? 1 : 0;
  Check(normal.size() > digits && normal[digits] != '0');
  for (size_t i = digits; i < normal.size(); ++i) Check(normal[i] >= '0' && normal[i] <= '9');
  Check(normal.size() <= 11);
  const long long value = std::strtoll(normal.c_str(), nullptr, 10);
  Check(value >= INT32_MIN && value <= INT32_MAX && value != 0);
  // The sign agrees with the input's own sign.
  Check((value < 0) == (text.find('-') != std::string_view::npos && value < 0));
  return 0;
}
