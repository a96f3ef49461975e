// What the window does when it is used: the commands behind its events.
#pragma once

namespace island {

class MainWindow;

// The window exists with all its controls and is about to be shown.
void OnWindowCreated(const MainWindow& window);

// 生成预览: fills the preview box with the island entry built from the inputs.
void GeneratePreview(const MainWindow& window);

// 复制: puts the preview on the clipboard, or asks for a preview first.
void CopyPreview(const MainWindow& window);

// 点我查看生物群戏名: opens the encyclopedia article that lists the biomes.
void ShowBiomeReference(const MainWindow& window);

// The address ShowBiomeReference opens.
inline constexpr const char* kBiomeReferenceAddress =
    "https://baike.baidu.com/item/%E7%94%9F%E7%89%A9%E7%BE%A4%E7%B3%BB/18860326?fr=aladdin";

}  // namespace island
