// How the program ends: every way of closing the window, and a fatal error.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "tests/gui/harness.h"

namespace island::test {
namespace {

using enum Control;

// The centre of the caption's close box, found by asking the window itself.
POINT CloseBoxOf(HWND window) {
  const RECT r = ScreenRectOf(window);
  RECT box = {LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
  for (int y = r.top; y < r.top + 40; ++y) {
    for (int x = r.right - 80; x < r.right; ++x) {
      if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) != HTCLOSE) continue;
      box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
             std::max<LONG>(box.bottom, y)};
    }
  }
  EXPECT_LE(box.left, box.right) << "no close box on the caption";
  return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

TEST(Ending, EscFromAnyControlClosesWithExitCodeZero) {
  for (Control where : {kPreview, kOrder, kShownNo, kCopyButton}) {
    SCOPED_TRACE(static_cast<int>(where));
    AppUnderTest app;
    // Reached by the keyboard: a click on a button would press it.
    while (app.Focused() != where) PressKeys({VK_SHIFT, VK_TAB});
    PressKey(VK_ESCAPE);
    EXPECT_EQ(app.WaitForExit(), 0u);
  }
}

TEST(Ending, TheCloseBoxClosesWithExitCodeZero) {
  AppUnderTest app;
  ClickAt(CloseBoxOf(app.window()));
  EXPECT_EQ(app.WaitForExit(), 0u);
}

TEST(Ending, AltF4ClosesWithExitCodeZero) {
  AppUnderTest app;
  app.ClickControl(kDisplayName);
  PressKeys({VK_MENU, VK_F4});
  EXPECT_EQ(app.WaitForExit(), 0u);
}

TEST(Ending, AFailedAllocationShowsTheErrorBoxAndExitsWithMinusOne) {
  AppUnderTest harness(L"fatal-harness.exe", -1, /*has_window=*/false);
  const HWND box = harness.WaitForOtherWindow(L"#32770", 15000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(TextOf(box), L"错误");
  const std::wstring expected = L"运行时出错!\r\n\r\n错误信息：分配 " +
                                std::to_wstring(static_cast<size_t>(PTRDIFF_MAX)) +
                                L" 字节内存失败!\r\n";
  EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), expected);
  // The stop icon, and one button: OK.
  const HWND icon = IconOf(box);
  ASSERT_NE(icon, nullptr);
  EXPECT_NE(SendMessageW(icon, STM_GETICON, 0, 0), 0);
  EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
  EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);

  ClickCentre(GetDlgItem(box, IDOK));
  EXPECT_EQ(harness.WaitForExit(), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace island::test
