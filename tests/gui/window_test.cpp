// The main window as it opens: frame, place, controls, focus.
#include <gtest/gtest.h>

#include "tests/gui/harness.h"
#include "ui/layout.h"
#include "ui/win_text.h"

namespace island::test {
namespace {

using enum Control;

TEST(MainWindow, OpensCentredOnTheWholeScreenWithAFixedDialogFrame) {
  AppUnderTest app;
  ASSERT_NE(app.window(), nullptr);
  const RECT r = ScreenRectOf(app.window());
  const int left = (GetSystemMetrics(SM_CXSCREEN) - 822) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - 363) / 2;
  EXPECT_EQ(r.left, left);
  EXPECT_EQ(r.top, top);
  EXPECT_EQ(r.right - r.left, 822);
  EXPECT_EQ(r.bottom - r.top, 363);

  EXPECT_EQ(TextOf(app.window()), L"空岛示意图设置   作者：雾岚  QQ：10000");
  const LONG style = GetWindowLongW(app.window(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_FALSE(GetWindowLongW(app.window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetMenu(app.window()), nullptr);
}

// The island icon on the caption, by its pixels: grass green and rock brown at
// the caption's left end. (Wine answers WM_GETICON from another process with
// nothing, so the icon is checked where a person sees it.)
TEST(MainWindow, ShowsTheIslandIconOnItsCaption) {
  AppUnderTest app;
  const RECT r = ScreenRectOf(app.window());
  const HDC screen = GetDC(nullptr);
  bool green = false, brown = false;
  for (int y = r.top; y < r.top + 30; ++y) {
    for (int x = r.left; x < r.left + 30; ++x) {
      const COLORREF c = GetPixel(screen, x, y);
      const int red = GetRValue(c), grn = GetGValue(c), blue = GetBValue(c);
      green = green || (grn > red + 50 && grn > blue + 50);
      brown = brown || (red > grn + 25 && grn > blue + 15 && red < 180);
    }
  }
  ReleaseDC(nullptr, screen);
  EXPECT_TRUE(green);
  EXPECT_TRUE(brown);
}

TEST(MainWindow, DraggingTheFrameDoesNotResizeIt) {
  AppUnderTest app;
  const RECT before = ScreenRectOf(app.window());
  Drag({before.right - 1, before.bottom - 1}, {before.right + 60, before.bottom + 40});
  Drag({before.left, (before.top + before.bottom) / 2},
       {before.left - 50, (before.top + before.bottom) / 2});
  const RECT after = ScreenRectOf(app.window());
  EXPECT_EQ(after.right - after.left, 822);
  EXPECT_EQ(after.bottom - after.top, 363);
}

TEST(MainWindow, EveryControlSitsInItsContainerWithItsTextAndState) {
  AppUnderTest app;
  for (const ControlSpec& spec : MainWindowControls()) {
    SCOPED_TRACE(::testing::Message()
                 << "control " << static_cast<int>(spec.id) << " " << spec.text);
    const HWND hwnd = app.control(spec.id);
    ASSERT_NE(hwnd, nullptr);
    const HWND container = spec.container == kWindow ? app.window() : app.control(spec.container);
    EXPECT_EQ(GetParent(hwnd), container);
    const RECT r = RectInParent(hwnd);
    EXPECT_EQ(r.left, spec.left);
    EXPECT_EQ(r.top, spec.top);
    EXPECT_EQ(r.right - r.left, spec.width);
    EXPECT_EQ(r.bottom - r.top, spec.height);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(TextOf(hwnd), Widen(spec.text));
    if (spec.kind == ControlKind::kRadio) {
      EXPECT_EQ(SendMessageW(hwnd, BM_GETCHECK, 0, 0), spec.checked ? BST_CHECKED : BST_UNCHECKED);
    }
  }
}

TEST(MainWindow, OpensWithTheCaretAtTheStartOfThePreviewBox) {
  AppUnderTest app;
  EXPECT_EQ(app.Focused(), kPreview);
  EXPECT_EQ(GetForegroundWindow(), app.window());
  DWORD start = 1, end = 1;
  SendMessageW(app.control(kSchematicKey), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);
}

TEST(MainWindow, OpensNormallyWhenLaunchedMinimised) {
  AppUnderTest app(L"island-schematic.exe", SW_SHOWMINIMIZED);
  ASSERT_NE(app.window(), nullptr);
  EXPECT_FALSE(IsIconic(app.window()));
  EXPECT_EQ(ScreenRectOf(app.window()).right - ScreenRectOf(app.window()).left, 822);
  EXPECT_EQ(app.Focused(), kPreview);
}

TEST(MainWindow, TwoLaunchesOpenTwoIndependentWindows) {
  AppUnderTest first;
  first.ClickControl(kDisplayName);
  AppUnderTest second;
  ASSERT_NE(second.window(), nullptr);
  EXPECT_NE(first.window(), second.window());
  EXPECT_EQ(second.Focused(), kPreview);

  // Both open at the same place: move the second aside by its caption, then
  // go back to the first by its caption. The focus it had comes back.
  const RECT r = ScreenRectOf(first.window());
  Drag({r.left + 300, r.top + 10}, {r.left + 300, r.top + 330});
  ASSERT_NE(ScreenRectOf(second.window()).top, r.top);
  ClickAt({r.left + 200, r.top + 10});
  EXPECT_TRUE(WaitUntil([&] { return first.Focused() == kDisplayName; }));
}

}  // namespace
}  // namespace island::test
