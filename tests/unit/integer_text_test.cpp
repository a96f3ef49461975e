#include "ui/integer_text.h"

#include <gtest/gtest.h>

#include <string>

namespace island {
namespace {

struct NormaliseCase {
  std::string input;
  std::string expected;
};

TEST(NormaliseInteger, ReadsLikeTheIconSlotBox) {
  const NormaliseCase cases[] = {
      {"", ""},
      {"1", "1"},
      {"007", "7"},
      {"12abc", "12"},
      {"5-3", "5"},
      {"-5", "-5"},
      {"+5", "5"},
      {"0", ""},
      {"-0", ""},
      {"000", ""},
      {"-", ""},
      {"+", ""},
      {"--5", ""},
      {"+-5", ""},
      {"abc", ""},
      {"  \t\r\n42", "42"},
      {" - 5", ""},  // the sign must touch the digits
      {"42 7", "42"},
      {"２", ""},  // full-width digits are not digits
      {"2147483647", "2147483647"},
      {"2147483648", "2147483647"},
      {"-2147483648", "-2147483648"},
      {"-2147483649", "-2147483648"},
      {"-99999999999", "-2147483648"},
      // More digits than 64 bits hold must saturate, not wrap round to a small value.
      {"18446744073709551617", "2147483647"},
      {"99999999999999999999999999999999999999", "2147483647"},
      {"-184467440737095516160000", "-2147483648"},
      {"0000000000000000000000000000012", "12"},
  };
  for (const NormaliseCase& c : cases) {
    SCOPED_TRACE("input: \"" + c.input + "\"");
    EXPECT_EQ(NormaliseInteger(c.input), c.expected);
  }
}

TEST(NormaliseInteger, IsStableOnItsOwnOutput) {
  for (const char* input : {"007", "-2147483649", "12abc", "-0", "2147483647"}) {
    SCOPED_TRACE(input);
    const std::string once = NormaliseInteger(input);
    EXPECT_EQ(NormaliseInteger(once), once);
  }
}

TEST(IsIntegerInputChar, LetsThroughDigitsAndMinusOnly) {
  for (char32_t c = U'0'; c <= U'9'; ++c) EXPECT_TRUE(IsIntegerInputChar(c));
  EXPECT_TRUE(IsIntegerInputChar(U'-'));
  for (char32_t c : {U'+', U'a', U'Z', U' ', U'.', U'２', U'中', U'\u00B9'}) {
    SCOPED_TRACE(static_cast<unsigned>(c));
    EXPECT_FALSE(IsIntegerInputChar(c));
  }
}

}  // namespace
}  // namespace island
