// What the window does when it is used: the commands behind its events.
#pragma once

namespace island {

class MainWindow;

// The window exists with all its controls and is about to be shown.
void OnWindowCreated(const MainWindow& window);

// 生成预览: fills the preview box with the island entry built from the inputs.
void GeneratePreview(const MainWindow& window);

}  // namespace island
