// Large and odd input, and a shell that cannot open web addresses.
#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace island::test
