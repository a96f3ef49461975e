// 生成预览: the island entry in the preview box, driven with real clicks.
#include <gtest/gtest.h>

#include <string>

#include "tests/gui/default_entry.h"
#include "tests/gui/harness.h"

namespace island::test {
namespace {

using enum Control;

std::wstring Without(std::wstring text, const std::wstring& line) {
  return text.erase(text.find(line), line.size());
}

std::wstring Replaced(std::wstring text, const std::wstring& from, const std::wstring& to) {
  return text.replace(text.find(from), from.size(), to);
}

// Replaces a single-line box's text the way a person does: select it all and
// paste over it.
void PasteInto(const AppUnderTest& app, Control box, const std::wstring& text) {
  app.ClickControl(box);
  PressKey(VK_HOME);
  PressKeys({VK_SHIFT, VK_END});
  if (text.empty()) {
    PressKey(VK_DELETE);
  } else {
    PutOnClipboard(text);
    PressKeys({VK_CONTROL, 'V'});
  }
  ASSERT_EQ(TextOf(app.control(box)), text);
}

std::wstring Preview(const AppUnderTest& app) {
  return TextOf(app.control(kPreview));
}

TEST(GeneratePreview, WritesTheDefaultEntryAndLeavesCaretAtTheEndAndFocusOnTheButton) {
  AppUnderTest app;
  app.ClickControl(kGenerateButton);
  EXPECT_EQ(Preview(app), kDefaultEntry);
  EXPECT_EQ(app.Focused(), kGenerateButton);
  DWORD start = 0, end = 0;
  SendMessageW(app.control(kPreview), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, kDefaultEntry.size());
  EXPECT_EQ(end, kDefaultEntry.size());
}

TEST(GeneratePreview, SpaceOnTheButtonWorksLikeAClick) {
  AppUnderTest app;
  while (app.Focused() != kGenerateButton) PressKey(VK_TAB);
  PressKey(VK_SPACE);
  EXPECT_EQ(Preview(app), kDefaultEntry);
}

TEST(GeneratePreview, ReplacesWhatWasThereAndCannotBeUndone) {
  AppUnderTest app;
  TypeKeys("typed by hand");
  app.ClickControl(kGenerateButton);
  app.ClickControl(kGenerateButton);
  EXPECT_EQ(Preview(app), kDefaultEntry);  // one block, not two, and no hand text

  app.ClickControl(kPreview);
  PressKeys({VK_CONTROL, 'Z'});
  EXPECT_EQ(Preview(app), kDefaultEntry);
}

TEST(GeneratePreview, FollowsTheInputs) {
  struct Case {
    const char* name;
    void (*change)(const AppUnderTest&);
    std::wstring expected;
  };
  const Case cases[] = {
      {"schematic key empty", [](const AppUnderTest& app) { PasteInto(app, kSchematicKey, L""); },
       Without(kDefaultEntry, L"    default:\r\n")},
      {"否 in both pairs",
       [](const AppUnderTest& app) {
         app.ClickControl(kShownNo);
         app.ClickControl(kChestNo);
       },
       Replaced(Replaced(kDefaultEntry, L"show: true", L"show: false"), L"useDefaultChest: true",
                L"useDefaultChest: false")},
      // The click on the button takes the focus from the slot box first, so
      // the command reads the normalised text.
      {"slot 0 left for the button", [](const AppUnderTest& app) { PasteInto(app, kOrder, L"0"); },
       Without(kDefaultEntry, L"      order: 1\r\n")},
      {"slot 007", [](const AppUnderTest& app) { PasteInto(app, kOrder, L"007"); },
       Replaced(kDefaultEntry, L"order: 1", L"order: 7")},
      {"quotes in the name are not escaped",
       [](const AppUnderTest& app) { PasteInto(app, kDisplayName, L"say \"hi\""); },
       Replaced(kDefaultEntry, L"name: \"普通空岛\"", L"name: \"say \"hi\"\"")},
      {"a cost of one blank", [](const AppUnderTest& app) { PasteInto(app, kCost, L" "); },
       Replaced(kDefaultEntry, L"cost: 1", L"cost:  ")},
      {"characters outside the basic plane",
       [](const AppUnderTest& app) { PasteInto(app, kBiome, L"\U0001F3DD 岛 \U00020000"); },
       Replaced(kDefaultEntry, L"biome: FOREST", L"biome: \U0001F3DD 岛 \U00020000")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AppUnderTest app;
    c.change(app);
    app.ClickControl(kGenerateButton);
    EXPECT_EQ(Preview(app), c.expected);
  }
}

TEST(GeneratePreview, CarriesALongDescriptionWhole) {
  AppUnderTest app;
  std::wstring description(100'000, L'岛');
  description += L"|end";
  PasteInto(app, kDescription, description);
  app.ClickControl(kGenerateButton);
  EXPECT_EQ(Preview(app), Replaced(kDefaultEntry, L"&a挑战|&a起点|&6无中生有", description));
  // The end of the text is in view: the last character of the last line is
  // inside the box, although the line before it is 100,000 characters long.
  const HWND preview = app.control(kPreview);
  const auto last = static_cast<WPARAM>(Preview(app).size() - 3);
  const LRESULT place = SendMessageW(preview, EM_POSFROMCHAR, last, 0);
  RECT client{};
  GetClientRect(preview, &client);
  const POINT at = {static_cast<short>(LOWORD(place)), static_cast<short>(HIWORD(place))};
  EXPECT_TRUE(PtInRect(&client, at)) << at.x << "," << at.y;
}

}  // namespace
}  // namespace island::test
