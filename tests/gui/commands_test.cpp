// 复制 and the biome reference, driven with real clicks.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "tests/gui/default_entry.h"
#include "tests/gui/harness.h"

namespace island::test {
namespace {

using enum Control;
using namespace std::chrono_literals;

const std::wstring kSentinel = L"clipboard before the test";

// Checks the box 复制 shows: the caption, the text, no icon, one OK button,
// no owner, the main window disabled while it is up. Dismisses it with OK.
void ExpectMessageAndDismiss(const AppUnderTest& app, const std::wstring& text) {
  const HWND box = app.WaitForOtherWindow(L"#32770");
  ASSERT_NE(box, nullptr) << "no message box";
  EXPECT_EQ(TextOf(box), L"信息：");
  EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), text);
  EXPECT_EQ(IconOf(box), nullptr);
  EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
  EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
  EXPECT_FALSE(IsWindowEnabled(app.window()));
  ClickCentre(GetDlgItem(box, IDOK));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(app.window()) != FALSE; }));
}

std::wstring GenerateAndCopy(const AppUnderTest& app) {
  app.ClickControl(kGenerateButton);
  app.ClickControl(kCopyButton);
  return TextOf(app.control(kPreview));
}

TEST(Copy, WithAnEmptyPreviewAsksForOneAndLeavesTheClipboardAlone) {
  AppUnderTest app;
  PutOnClipboard(kSentinel);
  app.ClickControl(kCopyButton);
  ExpectMessageAndDismiss(app, L"请生成预览");
  EXPECT_EQ(UnicodeClipboard(), kSentinel);
  EXPECT_TRUE(app.Running());
}

TEST(Copy, PutsThePreviewOnTheClipboardAsUnicodeAndAnsiText) {
  AppUnderTest app;
  PutOnClipboard(kSentinel);
  const std::wstring preview = GenerateAndCopy(app);
  ASSERT_EQ(preview, kDefaultEntry);
  EXPECT_TRUE(WaitUntil([&] { return UnicodeClipboard() == preview; }));

  // The ANSI form is the preview in the system's code page, made by the
  // program itself, not by the clipboard's keyboard-language conversion.
  const std::string ansi = AnsiClipboard();
  const int size =
      WideCharToMultiByte(CP_ACP, 0, preview.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string expected(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, preview.c_str(), -1, expected.data(), size, nullptr, nullptr);
  expected.pop_back();
  EXPECT_EQ(ansi, expected);
  if (GetACP() == 936) {
    // 普通空岛 in code page 936, byte for byte.
    EXPECT_NE(ansi.find("name: \"\xC6\xD5\xCD\xA8\xBF\xD5\xB5\xBA\"\r\n"), std::string::npos);
  }
}

TEST(Copy, TakesThePreviewAsItStandsEditsAndBlanksIncluded) {
  struct Case {
    const char* name;
    const char* typed;
  };
  const Case cases[] = {{"hand edit after the entry", "more"}, {"blanks only", "   "}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AppUnderTest app;
    PutOnClipboard(kSentinel);
    if (std::string(c.typed) == "more") app.ClickControl(kGenerateButton);
    app.ClickControl(kPreview);
    PressKeys({VK_CONTROL, VK_END});
    TypeKeys(c.typed);
    app.ClickControl(kCopyButton);
    const std::wstring preview = TextOf(app.control(kPreview));
    EXPECT_TRUE(preview.ends_with(std::wstring(c.typed, c.typed + strlen(c.typed))));
    EXPECT_TRUE(WaitUntil([&] { return UnicodeClipboard() == preview; }));
    EXPECT_EQ(app.WaitForOtherWindow(L"#32770", 300), nullptr);
  }
}

TEST(Copy, WaitsForAClipboardThatIsBusyForAMoment) {
  AppUnderTest app;
  app.ClickControl(kGenerateButton);
  PutOnClipboard(kSentinel);
  ASSERT_TRUE(OpenClipboard(nullptr));
  app.ClickControl(kCopyButton);  // the program now waits for the clipboard
  std::this_thread::sleep_for(100ms);
  CloseClipboard();
  EXPECT_TRUE(WaitUntil([&] { return UnicodeClipboard() == TextOf(app.control(kPreview)); }));
  EXPECT_EQ(app.WaitForOtherWindow(L"#32770", 500), nullptr);
}

TEST(Copy, SaysSoWhenTheClipboardStaysBusyAndWorksOnceItIsFree) {
  AppUnderTest app;
  app.ClickControl(kGenerateButton);
  PutOnClipboard(kSentinel);
  ASSERT_TRUE(OpenClipboard(nullptr));
  app.ClickControl(kCopyButton);
  const HWND box = app.WaitForOtherWindow(L"#32770", 5000);
  CloseClipboard();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(UnicodeClipboard(), kSentinel);  // the old contents are whole
  ExpectMessageAndDismiss(app, L"复制失败：剪贴板正被其他程序占用");

  app.ClickControl(kCopyButton);
  EXPECT_TRUE(WaitUntil([&] { return UnicodeClipboard() == TextOf(app.control(kPreview)); }));
}

// Under Wine the shell's "open" of a web address goes to Wine's browser
// launcher; its registry setting names a small script that writes down the
// address it was given.
TEST(BiomeReference, OpensTheEncyclopediaArticleInTheBrowser) {
  using UnixName = char*(CDECL*)(const wchar_t*);
  const auto unix_name = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!unix_name) GTEST_SKIP() << "not running under Wine: no browser launcher to record with";
  char* script = unix_name((BinaryFolder() + L"record-address.sh").c_str());
  ASSERT_NE(script, nullptr);
  const std::string browsers = script;
  HeapFree(GetProcessHeap(), 0, script);
  ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", "Browsers", REG_SZ,
                            browsers.c_str(), static_cast<DWORD>(browsers.size() + 1)),
            ERROR_SUCCESS);
  const std::wstring record = BinaryFolder() + L"opened-address.txt";
  DeleteFileW(record.c_str());

  AppUnderTest app;
  app.ClickControl(kBiomeButton);
  std::string opened;
  EXPECT_TRUE(WaitUntil(
      [&] {
        std::ifstream in(record.c_str());
        std::stringstream all;
        all << in.rdbuf();
        opened = all.str();
        return !opened.empty();
      },
      15000));
  EXPECT_EQ(opened,
            "https://baike.baidu.com/item/%E7%94%9F%E7%89%A9%E7%BE%A4%E7%B3%BB/"
            "18860326?fr=aladdin");
  EXPECT_TRUE(app.Running());
  EXPECT_EQ(app.WaitForOtherWindow(L"#32770", 300), nullptr);
}

}  // namespace
}  // namespace island::test
