// The window at another display scale: everything laid out from the 96-DPI
// layout, and laid out again when the scale changes while it is open.
// This test asks Windows 10's functions how the window is scaled.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00
#undef WINVER
#define WINVER 0x0A00

#include <gtest/gtest.h>

#include <optional>

#include "tests/gui/harness.h"
#include "ui/layout.h"

namespace island::test {
namespace {

using enum Control;

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

// Sets the display scale of the Wine prefix for programs started from now
// on, and puts the old setting back.
class DisplayScale {
 public:
  explicit DisplayScale(DWORD dpi) {
    DWORD value = 0, size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr,
                     &value, &size) == ERROR_SUCCESS) {
      old_ = value;
    }
    EXPECT_EQ(
        RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &dpi, sizeof dpi),
        ERROR_SUCCESS);
  }
  DisplayScale(const DisplayScale&) = delete;
  DisplayScale& operator=(const DisplayScale&) = delete;
  ~DisplayScale() {
    if (old_) {
      RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &*old_,
                      sizeof *old_);
    } else {
      RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels");
    }
  }

 private:
  std::optional<DWORD> old_;
};

// `value` at 144 DPI, as a person measuring the screen would expect it.
int AtOneAndAHalf(int value) {
  return value * 3 / 2;
}

void ExpectControlsAtOneAndAHalf(const AppUnderTest& app) {
  for (const ControlSpec& spec : MainWindowControls()) {
    SCOPED_TRACE(::testing::Message() << "control " << static_cast<int>(spec.id));
    const RECT r = RectInParent(app.control(spec.id));
    EXPECT_NEAR(r.left, AtOneAndAHalf(spec.left), 2);
    EXPECT_NEAR(r.top, AtOneAndAHalf(spec.top), 2);
    EXPECT_NEAR(r.right, AtOneAndAHalf(spec.left + spec.width), 2);
    EXPECT_NEAR(r.bottom, AtOneAndAHalf(spec.top + spec.height), 2);
  }
}

void ExpectControlsAsLaidOut(const AppUnderTest& app) {
  for (const ControlSpec& spec : MainWindowControls()) {
    SCOPED_TRACE(::testing::Message() << "control " << static_cast<int>(spec.id));
    const RECT r = RectInParent(app.control(spec.id));
    EXPECT_EQ(r.left, spec.left);
    EXPECT_EQ(r.top, spec.top);
    EXPECT_EQ(r.right - r.left, spec.width);
    EXPECT_EQ(r.bottom - r.top, spec.height);
  }
}

// The distance between the first two lines of the generated entry: the
// height of a line of text in the font the preview box uses.
int PreviewLineHeight(const AppUnderTest& app) {
  app.ClickControl(kGenerateButton);
  const HWND preview = app.control(kPreview);
  const auto second_line = static_cast<WPARAM>(SendMessageW(preview, EM_LINEINDEX, 1, 0));
  const LRESULT first = SendMessageW(preview, EM_POSFROMCHAR, 0, 0);
  const LRESULT second = SendMessageW(preview, EM_POSFROMCHAR, second_line, 0);
  return static_cast<short>(HIWORD(second)) - static_cast<short>(HIWORD(first));
}

// The generate button's left edge, two pixels in and half-way down: the
// silver border at 144 DPI, already the button's face at 96.
COLORREF SecondPixelOfTheButtonBorder(const AppUnderTest& app) {
  const RECT r = ScreenRectOf(app.control(kGenerateButton));
  return ScreenPixel(r.left + 1, (r.top + r.bottom) / 2);
}

constexpr COLORREF kButtonBorder = RGB(0, 60, 116);

TEST(DisplayScale, At150PercentTheWindowItsControlsAndItsTextAreOneAndAHalfTimesAsLarge) {
  int line_at_96 = 0;
  {
    AppUnderTest app;
    line_at_96 = PreviewLineHeight(app);
    EXPECT_NE(SecondPixelOfTheButtonBorder(app), kButtonBorder);
  }
  DisplayScale scale(144);
  AppUnderTest app;
  // Declared in the manifest: Windows scales nothing behind its back.
  EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(app.window())),
            DPI_AWARENESS_PER_MONITOR_AWARE);
  const RECT w = ScreenRectOf(app.window());
  EXPECT_NEAR(w.right - w.left, AtOneAndAHalf(822), 3);
  EXPECT_NEAR(w.bottom - w.top, AtOneAndAHalf(363), 3);
  // Centred on the screen with its own size.
  EXPECT_EQ(w.left, (GetSystemMetrics(SM_CXSCREEN) - (w.right - w.left)) / 2);
  EXPECT_EQ(w.top, (GetSystemMetrics(SM_CYSCREEN) - (w.bottom - w.top)) / 2);
  ExpectControlsAtOneAndAHalf(app);
  EXPECT_NEAR(PreviewLineHeight(app), AtOneAndAHalf(line_at_96), 2) << "at 96: " << line_at_96;
  // The theme's lines are scaled too: the button border is two pixels wide.
  EXPECT_EQ(SecondPixelOfTheButtonBorder(app), kButtonBorder);
}

TEST(DisplayScale, AChangeWhileOpenLaysTheWindowOutAgainKeepingTextsStatesFocusAndCaret) {
  AppUnderTest app(L"test-harness.exe");
  ASSERT_TRUE(WaitUntil(
      [&] { return FindWindowExW(HWND_MESSAGE, nullptr, L"IslandTestSwitch", nullptr); }));
  const HWND harness = FindWindowExW(HWND_MESSAGE, nullptr, L"IslandTestSwitch", nullptr);
  const int line_at_96 = PreviewLineHeight(app);

  app.ClickControl(kShownNo);
  app.ClickControl(kDisplayName);
  PressKey(VK_END);
  TypeKeys("abc");
  PressKeys({VK_SHIFT, VK_LEFT});
  PressKeys({VK_SHIFT, VK_LEFT});
  const std::wstring name = TextOf(app.control(kDisplayName));
  auto selection = [&] {
    DWORD start = 0, end = 0;
    SendMessageW(app.control(kDisplayName), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return std::pair{start, end};
  };
  const auto selected = selection();
  const RECT before = ScreenRectOf(app.window());

  SendMessageW(harness, WM_APP + 3, 144, 0);
  Settle();
  const RECT at_144 = ScreenRectOf(app.window());
  EXPECT_EQ(at_144.left, before.left);
  EXPECT_EQ(at_144.top, before.top);
  EXPECT_NEAR(at_144.right - at_144.left, AtOneAndAHalf(822), 3);
  EXPECT_NEAR(at_144.bottom - at_144.top, AtOneAndAHalf(363), 3);
  ExpectControlsAtOneAndAHalf(app);
  EXPECT_EQ(TextOf(app.control(kDisplayName)), name);
  EXPECT_EQ(selection(), selected);
  EXPECT_EQ(app.Focused(), kDisplayName);
  EXPECT_EQ(SendMessageW(app.control(kShownNo), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(app.control(kShownYes), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  // Still works as before: typing replaces the selection, clicks land.
  TypeKeys("z");
  EXPECT_EQ(TextOf(app.control(kDisplayName)), name.substr(0, name.size() - 2) + L"z");
  EXPECT_NEAR(PreviewLineHeight(app), AtOneAndAHalf(line_at_96), 2) << "at 96: " << line_at_96;
  EXPECT_EQ(SecondPixelOfTheButtonBorder(app), kButtonBorder);

  // Back to 100 %: not a pixel out of place.
  SendMessageW(harness, WM_APP + 3, 96, 0);
  Settle();
  const RECT at_96 = ScreenRectOf(app.window());
  EXPECT_EQ(at_96.right - at_96.left, 822);
  EXPECT_EQ(at_96.bottom - at_96.top, 363);
  ExpectControlsAsLaidOut(app);
  EXPECT_EQ(PreviewLineHeight(app), line_at_96);
}

}  // namespace
}  // namespace island::test
