#include "ui/layout.h"

#include <gtest/gtest.h>

namespace island {
namespace {

using enum Control;

TEST(Layout, KeyboardOrderIsCreationOrderAcrossContainers) {
  const std::vector<Control> expected = {
      kPreview,     kSchematicKey, kShownNo,        kShownYes,   kIcon,     kOrder,
      kDisplayName, kDescription,  kFileName,       kChestNo,    kChestYes, kCost,
      kBiome,       kBiomeButton,  kGenerateButton, kCopyButton,
  };
  EXPECT_EQ(FocusOrder(), expected);
}

TEST(Layout, RadioButtonsPairUpByGroupBox) {
  EXPECT_EQ(RadioGroupOf(kShownYes), (std::vector<Control>{kShownNo, kShownYes}));
  EXPECT_EQ(RadioGroupOf(kChestNo), (std::vector<Control>{kChestNo, kChestYes}));
}

TEST(Layout, EveryControlFitsInsideItsContainer) {
  for (const ControlSpec& spec : MainWindowControls()) {
    SCOPED_TRACE(static_cast<int>(spec.id));
    if (spec.container == kWindow) continue;
    const ControlSpec& box = SpecOf(spec.container);
    EXPECT_EQ(box.kind, ControlKind::kGroupBox);
    EXPECT_GE(spec.left, 0);
    EXPECT_GE(spec.top, 0);
    EXPECT_LE(spec.left + spec.width, box.width);
    EXPECT_LE(spec.top + spec.height, box.height);
  }
}

TEST(Layout, EachRadioPairStartsWithExactlyOneChecked) {
  for (Control radio : {kShownYes, kChestYes}) {
    int checked = 0;
    for (Control member : RadioGroupOf(radio)) checked += SpecOf(member).checked ? 1 : 0;
    EXPECT_EQ(checked, 1);
  }
}

}  // namespace
}  // namespace island
