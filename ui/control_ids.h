// The controls of the main window, numbered in creation order. The number is
// also each control's Win32 control id, so tools and tests can find a control
// without relying on its caption.
#pragma once

namespace island {

enum class Control : int {
  kInputsGroup = 1,   // 分组框1
  kKeyLabel,          // 标签1
  kPreviewGroup,      // 分组框2
  kPreview,           // 编辑框1
  kSchematicKey,      // 编辑框2
  kCommandsGroup,     // 分组框3
  kShownLabel,        // 标签2
  kShownNo,           // 单选框2
  kShownYes,          // 单选框1
  kShownGroup,        // 分组框26
  kIconLabel,         // 标签3
  kIcon,              // 编辑框3
  kOrderLabel,        // 标签4
  kOrder,             // 编辑框4
  kNameLabel,         // 标签5
  kDisplayName,       // 编辑框5
  kDescriptionLabel,  // 标签6
  kDescription,       // 编辑框6
  kFileNameLabel,     // 标签7
  kFileName,          // 编辑框7
  kChestLabel,        // 标签8
  kChestNo,           // 单选框4
  kChestYes,          // 单选框3
  kChestGroup,        // 分组框4
  kCostLabel,         // 标签9
  kCost,              // 编辑框8
  kBiomeLabel,        // 标签10
  kBiome,             // 编辑框9
  kBiomeButton,       // 按钮1
  kGenerateButton,    // 按钮13
  kCopyButton,        // 按钮2
};

inline constexpr int kControlCount = 31;

// The window itself, as a container.
inline constexpr Control kWindow = static_cast<Control>(0);

}  // namespace island
