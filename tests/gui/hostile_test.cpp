// Large and odd input, and a shell that cannot open web addresses.
#include <gtest/gtest.h>

#include <string>

#include "tests/gui/default_entry.h"
#include "tests/gui/harness.h"

namespace island::test {
namespace {

using enum Control;

TEST(OddInput, UnusualCharactersReachTheClipboardUnchanged) {
  struct Case {
    const char* name;
    std::wstring value;
  };
  const Case cases[] = {
      {"outside the basic plane", L"\U0001F3DD\U00020000\U0010FFFD"},
      {"a lone high surrogate", std::wstring(L"a") + wchar_t{0xD800} + L"b"},
      {"a lone low surrogate", std::wstring(1, wchar_t{0xDFFF})},
      {"control characters", std::wstring(L"\x01\x02\t\x1B\x7F", 5)},
      {"no CJK at all", L"plain ASCII island_01"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AppUnderTest app;
    // Pasted, as a person would bring such text in.
    app.ClickControl(kDisplayName);
    PressKey(VK_HOME);
    PressKeys({VK_SHIFT, VK_END});
    PutOnClipboard(c.value);
    PressKeys({VK_CONTROL, 'V'});
    ASSERT_EQ(TextOf(app.control(kDisplayName)), c.value);
    app.ClickControl(kGenerateButton);
    app.ClickControl(kCopyButton);
    const std::wstring line = L"      name: \"" + c.value + L"\"\r\n";
    EXPECT_NE(TextOf(app.control(kPreview)).find(line), std::wstring::npos);
    EXPECT_TRUE(WaitUntil([&] { return UnicodeClipboard().find(line) != std::wstring::npos; }));
  }
}

// Wine's browser launcher is told to use a browser that does not exist: the
// address has nowhere to go. The program shows nothing and goes on.
TEST(NoBrowser, TheBiomeButtonDoesNothingVisibleAndTheProgramGoesOn) {
  const char browsers[] = "/nonexistent/browser";
  ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", "Browsers", REG_SZ,
                            browsers, sizeof browsers),
            ERROR_SUCCESS);
  AppUnderTest app;
  app.ClickControl(kBiomeButton);
  EXPECT_EQ(app.WaitForOtherWindow(L"#32770", 3000), nullptr);
  EXPECT_TRUE(app.Running());
  app.ClickControl(kGenerateButton);
  EXPECT_NE(TextOf(app.control(kPreview)).find(L"biome: FOREST"), std::wstring::npos);
}

// A million characters of text: letters, CJK, characters outside the basic
// plane and spaces, with `mark` at both ends so a cut or a swap shows. No
// long runs of digits: Wine's edit control lays those out in quadratic time.
std::wstring MillionCharacters(const std::wstring& mark) {
  constexpr size_t kLength = 1'000'000;
  const std::wstring pattern = L"岛 a\U0001F3DD海b ";
  std::wstring text = mark;
  while (text.size() + pattern.size() + mark.size() <= kLength) text += pattern;
  text.append(kLength - text.size() - mark.size(), L'z');
  return text + mark;
}

void PasteInto(const AppUnderTest& app, Control box, const std::wstring& text) {
  app.ClickControl(box);
  PressKeys({VK_CONTROL, VK_HOME});
  PressKeys({VK_CONTROL, VK_SHIFT, VK_END});
  PutOnClipboard(text);
  PressKeys({VK_CONTROL, 'V'});
}

std::wstring Replaced(std::wstring text, const std::wstring& from, const std::wstring& to) {
  return text.replace(text.find(from), from.size(), to);
}

TEST(LargeInput, AMillionCharactersInEveryBoxComeThroughWhole) {
  AppUnderTest app;
  struct Box {
    Control id;
    std::wstring text;
    std::wstring before;  // in the default entry, where the value stands
    std::wstring after;   // the same place with the value written as `{}`
  };
  const Box boxes[] = {
      {kSchematicKey, MillionCharacters(L"<key>"), L"    default:", L"    {}:"},
      {kIcon, MillionCharacters(L"<icon>"), L"icon: DIRT", L"icon: {}"},
      {kDisplayName, MillionCharacters(L"<name>"), L"\"普通空岛\"", L"\"{}\""},
      {kDescription, MillionCharacters(L"<description>"), L"\"&a挑战|&a起点|&6无中生有\"",
       L"\"{}\""},
      {kFileName, MillionCharacters(L"<file>"), L"filename: island.schematic", L"filename: {}"},
      {kBiome, MillionCharacters(L"<biome>"), L"biome: FOREST", L"biome: {}"},
      {kCost, MillionCharacters(L"<cost>"), L"cost: 1", L"cost: {}"},
  };
  for (const Box& box : boxes) {
    SCOPED_TRACE(box.text.substr(0, 8));
    PasteInto(app, box.id, box.text);
    ASSERT_TRUE(TextOf(app.control(box.id)) == box.text);
  }
  // The slot box takes a million characters too, and reads the number they
  // start with when it is left.
  PasteInto(app, kOrder, L"12" + MillionCharacters(L"<order>").substr(2));
  // And the preview's own million characters are replaced, not added to.
  PasteInto(app, kPreview, MillionCharacters(L"<preview>"));

  app.ClickControl(kGenerateButton);
  EXPECT_EQ(TextOf(app.control(kOrder)), L"12");
  std::wstring expected = Replaced(kDefaultEntry, L"order: 1", L"order: 12");
  for (const Box& box : boxes) {
    expected = Replaced(expected, box.before, Replaced(box.after, L"{}", box.text));
  }
  const std::wstring preview = TextOf(app.control(kPreview));
  EXPECT_EQ(preview.size(), expected.size());
  EXPECT_TRUE(preview == expected);  // not EXPECT_EQ: no 7-million-character failure message

  app.ClickControl(kCopyButton);
  std::wstring copied;
  EXPECT_TRUE(
      WaitUntil([&] { return (copied = UnicodeClipboard()).size() == expected.size(); }, 20'000));
  EXPECT_TRUE(copied == expected);
}

}  // namespace
}  // namespace island::test
