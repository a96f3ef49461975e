#include "ui/commands.h"

#include "entry/island_entry.h"
#include "ui/main_window.h"
#include "ui/theme.h"
#include "ui/toolkit.h"

namespace island {

void OnWindowCreated(const MainWindow&) {
  SetTheme(3);
}

void GeneratePreview(const MainWindow& window) {
  auto text = [&](Control id) { return ReadText(window.control(id)); };
  auto checked = [&](Control id) { return ReadChecked(window.control(id)) == 1; };

  IslandInputs in;
  in.key = text(Control::kSchematicKey);
  in.shown_yes = checked(Control::kShownYes);
  in.shown_no = checked(Control::kShownNo);
  in.icon = text(Control::kIcon);
  in.order = text(Control::kOrder);
  in.name = text(Control::kDisplayName);
  in.description = text(Control::kDescription);
  in.file_name = text(Control::kFileName);
  in.biome = text(Control::kBiome);
  in.default_chest_yes = checked(Control::kChestYes);
  in.default_chest_no = checked(Control::kChestNo);
  in.cost = text(Control::kCost);

  // The entry replaces the box's whole text in one step, so a new run never
  // adds to an earlier result (or to anything typed into the box by hand).
  ReplaceAllText(window.control(Control::kPreview), BuildIslandEntry(in));
}

void CopyPreview(const MainWindow& window) {
  const std::string preview = ReadText(window.control(Control::kPreview));
  if (preview.empty()) {
    ShowMessage("请生成预览");
    return;
  }
  // A copy that failed must not pass for one that worked: the user would
  // paste the old clipboard into the server's configuration.
  if (!SetClipboardText(window.hwnd(), preview)) ShowMessage("复制失败：剪贴板正被其他程序占用");
}

void ShowBiomeReference(const MainWindow&) {
  OpenAddress(kBiomeReferenceAddress);
}

}  // namespace island
