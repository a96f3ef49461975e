// The silver look, checked by its pixels on the screen.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/gui/harness.h"

namespace island::test {
namespace {

using enum Control;

struct Rgb {
  int r, g, b;
};

// Close enough: gradients land a step or two either side of their ends.
::testing::AssertionResult Near(COLORREF actual, Rgb expected, int tolerance = 0) {
  const Rgb got = {GetRValue(actual), GetGValue(actual), GetBValue(actual)};
  if (std::abs(got.r - expected.r) <= tolerance && std::abs(got.g - expected.g) <= tolerance &&
      std::abs(got.b - expected.b) <= tolerance) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "pixel is (" << got.r << ", " << got.g << ", " << got.b << "), expected (" << expected.r
         << ", " << expected.g << ", " << expected.b << ") within " << tolerance;
}

constexpr Rgb kButtonBorder = {0, 60, 116};
constexpr Rgb kFaceTop = {252, 252, 251};
constexpr Rgb kFaceBottom = {198, 197, 215};
constexpr Rgb kEditBorder = {198, 197, 215};
constexpr Rgb kGroupFrame = {191, 184, 191};
constexpr Rgb kRadioDot = {33, 161, 33};

struct Probe {
  RECT r;
  int mid_y() const { return (r.top + r.bottom) / 2; }
};

Probe At(HWND hwnd) {
  return {ScreenRectOf(hwnd)};
}

// Moves the mouse away so no control shows its hover look.
void MouseAway() {
  MoveMouseTo({5, 5});
}

void ExpectSilverPushButton(HWND button) {
  const Probe p = At(button);
  EXPECT_TRUE(Near(ScreenPixel(p.r.left, p.mid_y()), kButtonBorder)) << "left border";
  EXPECT_TRUE(Near(ScreenPixel(p.r.right - 1, p.mid_y()), kButtonBorder)) << "right border";
  EXPECT_TRUE(Near(ScreenPixel(p.r.left + 2, p.r.top + 1), kFaceTop, 2)) << "face, top";
  EXPECT_TRUE(Near(ScreenPixel(p.r.left + 2, p.r.bottom - 2), kFaceBottom, 4)) << "face, bottom";
}

TEST(Theme, TheWindowOpensInTheSilverLook) {
  AppUnderTest app;
  MouseAway();
  SetForegroundWindow(app.window());
  Settle();
  for (Control button : {kGenerateButton, kCopyButton, kBiomeButton}) {
    SCOPED_TRACE(static_cast<int>(button));
    ExpectSilverPushButton(app.control(button));
  }
  for (Control edit : {kSchematicKey, kOrder, kPreview}) {
    SCOPED_TRACE(static_cast<int>(edit));
    const Probe p = At(app.control(edit));
    EXPECT_TRUE(Near(ScreenPixel(p.r.left, p.mid_y()), kEditBorder));
    EXPECT_TRUE(Near(ScreenPixel(p.r.right - 1, p.mid_y()), kEditBorder));
  }
  // (The preview box covers the right and bottom edges of its own group box.)
  for (Control group : {kPreviewGroup, kCommandsGroup, kShownGroup}) {
    SCOPED_TRACE(static_cast<int>(group));
    const Probe p = At(app.control(group));
    EXPECT_TRUE(Near(ScreenPixel(p.r.left, p.mid_y()), kGroupFrame));
    if (group != kPreviewGroup) {
      EXPECT_TRUE(Near(ScreenPixel(p.r.right - 1, p.mid_y()), kGroupFrame));
      EXPECT_TRUE(Near(ScreenPixel((p.r.left + p.r.right) / 2, p.r.bottom - 1), kGroupFrame));
    }
  }
  // The checked radio button shows its green dot; the unchecked one none.
  const Probe yes = At(app.control(kShownYes));
  const Probe no = At(app.control(kShownNo));
  const int dot = (yes.r.bottom - yes.r.top) / 2;
  EXPECT_TRUE(Near(ScreenPixel(yes.r.left + dot, yes.mid_y()), kRadioDot));
  EXPECT_FALSE(Near(ScreenPixel(no.r.left + dot, no.mid_y()), kRadioDot, 40));
}

TEST(Theme, FollowsTheCheckedStateAndTheMouse) {
  AppUnderTest app;
  app.ClickControl(kShownNo);
  MouseAway();
  const Probe yes = At(app.control(kShownYes));
  const Probe no = At(app.control(kShownNo));
  const int dot = (yes.r.bottom - yes.r.top) / 2;
  EXPECT_TRUE(Near(ScreenPixel(no.r.left + dot, no.mid_y()), kRadioDot));
  EXPECT_FALSE(Near(ScreenPixel(yes.r.left + dot, yes.mid_y()), kRadioDot, 40));

  // Under the mouse a push button gets its orange inner ring.
  const Probe copy = At(app.control(kCopyButton));
  SetForegroundWindow(app.window());
  MoveMouseTo({copy.r.right - 10, copy.mid_y()});
  EXPECT_TRUE(WaitUntil(
      [&] {
        return Near(ScreenPixel(copy.r.left + 1, copy.mid_y()), {248, 179, 48});
      },
      2000));
  MouseAway();
  EXPECT_TRUE(WaitUntil(
      [&] {
        return !Near(ScreenPixel(copy.r.left + 1, copy.mid_y()), {248, 179, 48});
      },
      2000));
}

TEST(Theme, TheMessageBoxButtonIsThemedToo) {
  AppUnderTest app;
  app.ClickControl(kCopyButton);  // empty preview: the box asks for one
  const HWND box = app.WaitForOtherWindow(L"#32770");
  ASSERT_NE(box, nullptr);
  MouseAway();
  Settle();
  ExpectSilverPushButton(GetDlgItem(box, IDOK));
  PressKey(VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
}

// A test build lets the test switch the scheme through a hidden window.
TEST(Theme, SwitchesSchemesAndTurnsOffWithoutChangingBehaviour) {
  AppUnderTest app(L"test-harness.exe");
  ASSERT_TRUE(WaitUntil(
      [&] { return FindWindowExW(HWND_MESSAGE, nullptr, L"IslandTestSwitch", nullptr); }));
  const HWND theme = FindWindowExW(HWND_MESSAGE, nullptr, L"IslandTestSwitch", nullptr);
  ASSERT_TRUE(WaitUntil([&] { return app.window() != nullptr; }));
  MouseAway();
  const Probe generate = At(app.control(kGenerateButton));
  const Probe edit = At(app.control(kSchematicKey));

  struct Step {
    int scheme;
    Rgb face_bottom;
    Rgb edit_border;
  };
  const Step steps[] = {
      {1, {214, 228, 247}, {127, 157, 185}},
      {2, {222, 231, 196}, {164, 185, 127}},
      {3, kFaceBottom, kEditBorder},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.scheme);
    EXPECT_EQ(SendMessageW(theme, WM_APP, step.scheme, 0), step.scheme);
    Settle();
    EXPECT_TRUE(Near(ScreenPixel(generate.r.left + 2, generate.r.bottom - 2), step.face_bottom, 4));
    EXPECT_TRUE(Near(ScreenPixel(edit.r.left, edit.mid_y()), step.edit_border));
  }

  EXPECT_EQ(SendMessageW(theme, WM_APP, 0, 0), 0);
  Settle();
  EXPECT_FALSE(Near(ScreenPixel(generate.r.left, generate.mid_y()), kButtonBorder, 10));
  EXPECT_FALSE(Near(ScreenPixel(edit.r.left, edit.mid_y()), kEditBorder, 10));
  // Unthemed, the window works as before.
  app.ClickControl(kShownNo);
  EXPECT_EQ(SendMessageW(app.control(kShownNo), BM_GETCHECK, 0, 0), BST_CHECKED);
  app.ClickControl(kGenerateButton);
  EXPECT_NE(TextOf(app.control(kPreview)).find(L"show: false"), std::wstring::npos);
}

}  // namespace
}  // namespace island::test
