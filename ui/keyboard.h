// Keys the window handles before the focused control sees them: Tab and
// Shift+Tab over the keyboard order, Esc, Enter outside the preview box,
// arrow keys on radio buttons, F1.
#pragma once

#include <windows.h>

namespace island {

class MainWindow;

// True if the message was a window key and has been dealt with; the message
// loop then neither translates nor dispatches it.
bool HandleWindowKey(const MainWindow& window, const MSG& msg);

}  // namespace island
