#include "ui/unicode.h"

#include <gtest/gtest.h>

namespace island {
namespace {

TEST(Unicode, RoundTripsEverythingAnEditBoxCanHold) {
  const std::u16string cases[] = {
      u"",
      u"default",
      u"普通空岛",
      u"&a挑战|&a起点|&6无中生有",
      u"\U0001F3DD island",                        // outside the basic plane: a surrogate pair
      std::u16string(1, char16_t{0xD800}),         // lone high surrogate
      std::u16string(1, char16_t{0xDC00}) + u"x",  // lone low surrogate
      std::u16string{u'a', char16_t{0xDBFF}, u'b', char16_t{0xDFFF}},
      std::u16string{u'\0', u'\x01', u'\x1F', u'\x7F'},
  };
  for (const std::u16string& text : cases) {
    SCOPED_TRACE(ToUtf8(text));
    EXPECT_EQ(ToUtf16(ToUtf8(text)), text);
  }
}

TEST(Unicode, EncodesUtf8AsTheStandardSays) {
  EXPECT_EQ(ToUtf8(u"é中\U0001F3DD"), "\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x8F\x9D");
  EXPECT_EQ(ToUtf16("\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x8F\x9D"), u"é中\U0001F3DD");
}

TEST(Unicode, ReplacesMalformedBytesOneByOne) {
  struct Case {
    const char* name;
    std::string input;
    std::u16string expected;
  };
  const Case cases[] = {
      {"stray continuation", "a\x80z", u"a\uFFFDz"},
      {"truncated sequence", "\xE4\xB8", u"\uFFFD\uFFFD"},
      {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
      {"overlong three-byte", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
      {"past U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"invalid lead", "\xFF", u"\uFFFD"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ToUtf16(c.input), c.expected);
  }
}

}  // namespace
}  // namespace island
