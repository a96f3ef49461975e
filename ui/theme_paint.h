// Drawing of the themed controls: plain functions of a state, a palette, a
// DC and a rectangle, so they can draw into a memory DC as well as a window.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/theme_palette.h"

namespace island {

struct ButtonLook {
  bool hot = false;      // the mouse is over it
  bool pressed = false;  // held down
  bool focused = false;
  bool enabled = true;
  bool checked = false;  // radio buttons and check boxes
  bool multiline = false;
  std::wstring_view text;
  HFONT font = nullptr;
  int dpi = 96;  // lines, rings and gaps are given at 96 DPI and scaled to this
};

void PaintPushButton(const ButtonLook& look, const Palette& palette, HDC dc, const RECT& rect);

// Radio buttons and check boxes look the same in every scheme.
enum class Indicator { kRadio, kCheck };
void PaintIndicatorButton(Indicator kind, const ButtonLook& look, HDC dc, const RECT& rect);

void PaintGroupBox(const ButtonLook& look, const Palette& palette, HDC dc, const RECT& rect);

// The one-pixel frame drawn over the outer edge of an edit box, combo box or
// list: `outer` in the window's own coordinates. It covers the system's
// sunken edge exactly, which keeps its size at every scale, so it does too.
void PaintControlBorder(const Palette& palette, HDC dc, const RECT& outer);

COLORREF ToColorRef(Rgb c);

}  // namespace island
