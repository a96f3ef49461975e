// Makes one control of the main window from its row in the layout table.
#pragma once

#include <windows.h>

#include "ui/layout.h"

namespace island {

// Creates the control, visible, as a child of `parent`, with the given font,
// its text and initial state, and the behaviour of its kind.
HWND CreateControl(const ControlSpec& spec, HWND parent, const RECT& place, HFONT font);

// Paints a label: the button-face colour over its whole rectangle, then its
// text in black on one line, left-aligned and vertically centred.
void PaintLabel(HDC dc, const RECT& rect, HFONT font, const wchar_t* text);

}  // namespace island
