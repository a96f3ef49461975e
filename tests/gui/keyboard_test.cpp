// The keyboard and the controls' own behaviour, driven with real keys and
// clicks.
#include <gtest/gtest.h>

#include <vector>

#include "tests/gui/harness.h"

namespace island::test {
namespace {

using enum Control;

const std::vector<Control> kTabOrder = {
    kPreview,     kSchematicKey, kShownNo,        kShownYes,   kIcon,     kOrder,
    kDisplayName, kDescription,  kFileName,       kChestNo,    kChestYes, kCost,
    kBiome,       kBiomeButton,  kGenerateButton, kCopyButton,
};

TEST(Keyboard, TabVisitsEveryControlInCreationOrderAndWrapsRound) {
  AppUnderTest app;
  ASSERT_EQ(app.Focused(), kPreview);
  std::vector<Control> visited;
  for (size_t i = 0; i < kTabOrder.size(); ++i) {
    PressKey(VK_TAB);
    visited.push_back(app.Focused());
  }
  std::vector<Control> expected(kTabOrder.begin() + 1, kTabOrder.end());
  expected.push_back(kPreview);
  EXPECT_EQ(visited, expected);
  // Tab moved the focus; it put no tab character into the preview box.
  EXPECT_EQ(TextOf(app.control(kPreview)), L"");
}

TEST(Keyboard, ShiftTabVisitsThemBackwardsAndWrapsRound) {
  AppUnderTest app;
  std::vector<Control> visited;
  for (size_t i = 0; i < kTabOrder.size(); ++i) {
    PressKeys({VK_SHIFT, VK_TAB});
    visited.push_back(app.Focused());
  }
  std::vector<Control> expected(kTabOrder.rbegin(), kTabOrder.rend());
  expected.pop_back();
  expected.insert(expected.end(), kPreview);
  EXPECT_EQ(visited, expected);
}

TEST(Keyboard, TabIntoAnEditBoxDoesNotSelectItsText) {
  AppUnderTest app;
  PressKey(VK_TAB);
  ASSERT_EQ(app.Focused(), kSchematicKey);
  DWORD start = 0, end = 0;
  SendMessageW(app.control(kSchematicKey), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, end);
}

TEST(Keyboard, EnterBreaksLinesInThePreviewAndDoesNothingElsewhere) {
  AppUnderTest app;
  TypeKeys("ab");
  PressKey(VK_RETURN);
  TypeKeys("c");
  EXPECT_EQ(TextOf(app.control(kPreview)), L"ab\r\nc");

  // Buttons are reached by Tab: a click would press them.
  for (Control where : {kSchematicKey, kShownYes, kGenerateButton, kCopyButton}) {
    SCOPED_TRACE(static_cast<int>(where));
    while (app.Focused() != where) PressKey(VK_TAB);
    PressKey(VK_RETURN);
    EXPECT_EQ(app.Focused(), where);
    EXPECT_EQ(TextOf(app.control(kSchematicKey)), L"default");
  }
  EXPECT_EQ(TextOf(app.control(kPreview)), L"ab\r\nc");
  EXPECT_TRUE(app.Running());
}

TEST(Keyboard, F1DoesNothing) {
  AppUnderTest app;
  app.ClickControl(kIcon);
  PressKey(VK_F1);
  EXPECT_EQ(app.Focused(), kIcon);
  EXPECT_EQ(GetForegroundWindow(), app.window());
  EXPECT_EQ(TextOf(app.control(kIcon)), L"DIRT");
}

bool Checked(const AppUnderTest& app, Control id) {
  return SendMessageW(app.control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

TEST(RadioButtons, AClickChecksItAndUnchecksOnlyItsPartner) {
  AppUnderTest app;
  app.ClickControl(kShownNo);
  EXPECT_TRUE(Checked(app, kShownNo));
  EXPECT_FALSE(Checked(app, kShownYes));
  EXPECT_TRUE(Checked(app, kChestYes));
  EXPECT_FALSE(Checked(app, kChestNo));

  app.ClickControl(kChestNo);
  EXPECT_TRUE(Checked(app, kChestNo));
  EXPECT_FALSE(Checked(app, kChestYes));
  EXPECT_TRUE(Checked(app, kShownNo));

  app.ClickControl(kShownYes);
  EXPECT_TRUE(Checked(app, kShownYes));
  EXPECT_FALSE(Checked(app, kShownNo));
  EXPECT_TRUE(Checked(app, kChestNo));
}

TEST(RadioButtons, ArrowKeysMoveToThePartnerAndCheckIt) {
  AppUnderTest app;
  app.ClickControl(kChestYes);
  ASSERT_EQ(app.Focused(), kChestYes);
  struct Step {
    WORD key;
    Control lands_on;
  };
  const Step steps[] = {
      {VK_RIGHT, kChestNo}, {VK_RIGHT, kChestYes}, {VK_DOWN, kChestNo},
      {VK_UP, kChestYes},   {VK_LEFT, kChestNo},   {VK_LEFT, kChestYes},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(::testing::Message() << "key " << step.key);
    PressKey(step.key);
    EXPECT_EQ(app.Focused(), step.lands_on);
    EXPECT_TRUE(Checked(app, step.lands_on));
    EXPECT_FALSE(Checked(app, step.lands_on == kChestYes ? kChestNo : kChestYes));
    // The other pair is never touched.
    EXPECT_TRUE(Checked(app, kShownYes));
    EXPECT_FALSE(Checked(app, kShownNo));
  }
}

// Empties the icon-slot box with the keyboard and leaves the focus in it.
void ClearOrderBox(const AppUnderTest& app) {
  app.ClickControl(kOrder);
  PressKey(VK_END);
  for (int i = static_cast<int>(TextOf(app.control(kOrder)).size()); i > 0; --i) PressKey(VK_BACK);
}

TEST(IntegerBox, TakesOnlyDigitsAndMinusAndNormalisesWhenLeft) {
  AppUnderTest app;
  struct Case {
    const char* typed;
    const wchar_t* while_typing;
    const wchar_t* after_leaving;
  };
  const Case cases[] = {
      {"1a2", L"12", L"12"},
      {"007", L"007", L"7"},
      {"5-3", L"5-3", L"5"},
      {"-5", L"-5", L"-5"},
      {"--5", L"--5", L""},
      {"-0", L"-0", L""},
      {"0", L"0", L""},
      {"-", L"-", L""},
      {"x y", L"", L""},
      {"2147483648", L"2147483648", L"2147483647"},
      {"-99999999999", L"-99999999999", L"-2147483648"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    ClearOrderBox(app);
    TypeKeys(c.typed);
    EXPECT_EQ(TextOf(app.control(kOrder)), c.while_typing);
    PressKey(VK_TAB);
    EXPECT_EQ(app.Focused(), kDisplayName);
    EXPECT_EQ(TextOf(app.control(kOrder)), c.after_leaving);
  }
}

TEST(IntegerBox, DropsCharactersNoKeyOfADigitMakesButKeepsPastedText) {
  AppUnderTest app;
  ClearOrderBox(app);
  TypeUnicode(L"中３+.");
  TypeKeys("4");
  EXPECT_EQ(TextOf(app.control(kOrder)), L"4");

  ClearOrderBox(app);
  PutOnClipboard(L"12abc");
  PressKeys({VK_CONTROL, 'V'});
  EXPECT_EQ(TextOf(app.control(kOrder)), L"12abc");
  // Leaving by mouse normalises as well as leaving by Tab.
  app.ClickControl(kCost);
  EXPECT_EQ(TextOf(app.control(kOrder)), L"12");
}

TEST(IntegerBox, PutsTheCaretWhereTheSelectionStartedWhenItRewrites) {
  AppUnderTest app;
  ClearOrderBox(app);
  TypeKeys("0071");
  PressKey(VK_HOME);
  PressKey(VK_RIGHT);  // caret after the first 0
  PressKey(VK_TAB);
  ASSERT_EQ(TextOf(app.control(kOrder)), L"71");
  DWORD start = 99, end = 99;
  SendMessageW(app.control(kOrder), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 1u);
  EXPECT_EQ(end, 1u);

  // Past the end of the shorter text: at its end.
  ClearOrderBox(app);
  TypeKeys("00000");
  PressKey(VK_TAB);
  ASSERT_EQ(TextOf(app.control(kOrder)), L"");
  SendMessageW(app.control(kOrder), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
}

}  // namespace
}  // namespace island::test
