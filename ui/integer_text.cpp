#include "ui/integer_text.h"

#include <algorithm>
#include <cstdint>

namespace island {
namespace {

constexpr int64_t kMax = INT32_MAX;
constexpr int64_t kMinMagnitude = -static_cast<int64_t>(INT32_MIN);

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

bool IsIntegerInputChar(char32_t c) {
  return (c >= U'0' && c <= U'9') || c == U'-';
}

std::string NormaliseInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // The magnitude saturates just above the clamp range, so any run of digits,
  // however long, reads as "too large" instead of wrapping round.
  int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > kMinMagnitude) magnitude = kMinMagnitude + 1;
  }
  const int64_t value = negative ? -std::min(magnitude, kMinMagnitude) : std::min(magnitude, kMax);
  if (value == 0) return {};
  return std::to_string(value);
}

}  // namespace island
