#include "ui/layout.h"

namespace island {
namespace {

using enum Control;
using enum ControlKind;

constexpr std::string_view kAuthorAccount = "10000";

// clang-format off
constexpr std::array<ControlSpec, kControlCount> kControls = {{
  // id                kind          container       left  top  width height text
  {kInputsGroup,      kGroupBox,    kWindow,          -1,   1,  465, 335, "生成示意图", false},
  {kKeyLabel,         kLabel,       kInputsGroup,      9,  14,  112,  24, "空岛示意图名", false},
  {kPreviewGroup,     kGroupBox,    kWindow,         464,   0,  352, 256, "显示", false},
  {kPreview,          kPreviewEdit, kPreviewGroup,     2,  14,  350, 242, "", false},
  {kSchematicKey,     kEdit,        kInputsGroup,    137,  14,  120,  24, "default", false},
  {kCommandsGroup,    kGroupBox,    kWindow,         464, 256,  352,  80, "功能生成", false},
  {kShownLabel,       kLabel,       kInputsGroup,      8,  42,  112,  24, "空岛类型是否显示", false},
  {kShownNo,          kRadio,       kShownGroup,      56,  12,   32,  12, "否", false},
  {kShownYes,         kRadio,       kShownGroup,       4,  11,   36,  12, "是", true},
  {kShownGroup,       kGroupBox,    kInputsGroup,    136,  40,   96,  28, "", false},
  {kIconLabel,        kLabel,       kInputsGroup,      7,  72,  209,  24, "选择空岛类型展示的图标    英文大写", false},
  {kIcon,             kEdit,        kInputsGroup,    218,  71,   96,  24, "DIRT", false},
  {kOrderLabel,       kLabel,       kInputsGroup,      8, 104,  112,  24, "展示的图标在哪格", false},
  {kOrder,            kIntegerEdit, kInputsGroup,    121, 103,   32,  24, "1", false},
  {kNameLabel,        kLabel,       kInputsGroup,      8, 135,  105,  24, "显示的空岛名称", false},
  {kDisplayName,      kEdit,        kInputsGroup,    121, 135,  112,  24, "普通空岛", false},
  {kDescriptionLabel, kLabel,       kInputsGroup,      8, 168,  119,  24, "空岛介绍 | 表示新行", false},
  {kDescription,      kEdit,        kInputsGroup,    156, 168,  205,  24, "&a挑战|&a起点|&6无中生有", false},
  {kFileNameLabel,    kLabel,       kInputsGroup,      8, 208,   89,  24, "原理图|示意图", false},
  {kFileName,         kEdit,        kInputsGroup,    112, 208,  209,  24, "island.schematic", false},
  {kChestLabel,       kLabel,       kInputsGroup,      8, 276,  305,  24, "是否使用自定义内容箱子 是就使用原本 否就使用自定义", false},
  {kChestNo,          kRadio,       kChestGroup,      56,  12,   32,  12, "否", false},
  {kChestYes,         kRadio,       kChestGroup,       4,  11,   36,  12, "是", true},
  {kChestGroup,       kGroupBox,    kInputsGroup,    320, 273,   96,  28, "", false},
  {kCostLabel,        kLabel,       kInputsGroup,      8, 308,  129,  24, "购买岛屿所需要的钱", false},
  {kCost,             kEdit,        kInputsGroup,    144, 308,   73,  24, "1", false},
  {kBiomeLabel,       kLabel,       kInputsGroup,      8, 240,   89,  24, "生物群戏", false},
  {kBiome,            kEdit,        kInputsGroup,    104, 240,  209,  24, "FOREST", false},
  {kBiomeButton,      kPushButton,  kInputsGroup,    329, 239,  128,  24, "点我查看生物群戏名", false},
  {kGenerateButton,   kPushButton,  kCommandsGroup,    8,  16,   56,  24, "生成预览", false},
  {kCopyButton,       kPushButton,  kCommandsGroup,   80,  16,   48,  24, "复制", false},
}};
// clang-format on

// SpecOf() indexes the table by id.
constexpr bool IdsFollowCreationOrder() {
  for (int i = 0; i < kControlCount; ++i) {
    if (static_cast<int>(kControls[i].id) != i + 1) return false;
  }
  return true;
}
static_assert(IdsFollowCreationOrder());

// The title is a literal so that it can live in a constexpr table.
constexpr std::string_view kTitle = "空岛示意图设置   作者：雾岚  QQ：10000";
static_assert(kTitle.ends_with(kAuthorAccount));

constexpr WindowSpec kWindowSpec = {kTitle, 822, 363};

// Each input after the label before it, each radio pair's group after the
// label beside it, the preview after the group box around it.
// clang-format off
constexpr NameSource kNameSources[] = {
  // control         named after
  {kSchematicKey,    kKeyLabel},
  {kShownGroup,      kShownLabel},
  {kIcon,            kIconLabel},
  {kOrder,           kOrderLabel},
  {kDisplayName,     kNameLabel},
  {kDescription,     kDescriptionLabel},
  {kFileName,        kFileNameLabel},
  {kChestGroup,      kChestLabel},
  {kCost,            kCostLabel},
  {kBiome,           kBiomeLabel},
  {kPreview,         kPreviewGroup},
};
// clang-format on

}  // namespace

const WindowSpec& MainWindowSpec() {
  return kWindowSpec;
}

const std::array<ControlSpec, kControlCount>& MainWindowControls() {
  return kControls;
}

const ControlSpec& SpecOf(Control id) {
  return kControls[static_cast<int>(id) - 1];
}

bool TakesFocus(ControlKind kind) {
  return kind != kGroupBox && kind != kLabel;
}

std::vector<Control> FocusOrder() {
  std::vector<Control> order;
  for (const ControlSpec& spec : kControls) {
    if (TakesFocus(spec.kind)) order.push_back(spec.id);
  }
  return order;
}

std::span<const NameSource> NamedAfterOthers() {
  return kNameSources;
}

std::vector<Control> RadioGroupOf(Control radio) {
  std::vector<Control> group;
  for (const ControlSpec& spec : kControls) {
    if (spec.kind == kRadio && spec.container == SpecOf(radio).container) group.push_back(spec.id);
  }
  return group;
}

}  // namespace island
