// Display scale. The layout and the silver look are written for 96 DPI and
// laid out at the DPI of the monitor the window is on.
#pragma once

#include <windows.h>

#include "ui/scoped_win.h"

namespace island {

inline constexpr int kBaseDpi = 96;

// A length of the 96-DPI layout at `dpi`.
inline int Scale(int value, int dpi) {
  return MulDiv(value, dpi, kBaseDpi);
}

// The DPI the stock fonts and system metrics were made for.
int SystemDpi();

// The DPI `hwnd` is drawn at: the one its top-level window was last laid out
// at, else the one Windows gives the window, else the system's.
int DpiOf(HWND hwnd);

// Records the DPI a top-level window has been laid out at (0: forget it).
void SetLayoutDpi(HWND top_level, int dpi);

// The default GUI font at `dpi`: the stock font itself at the system's DPI,
// else an owned copy of it scaled from there.
class GuiFont {
 public:
  GuiFont() : stock_(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))) {}
  explicit GuiFont(int dpi);
  HFONT get() const { return owned_ ? owned_.get() : stock_; }

 private:
  HFONT stock_;
  Font owned_;
};

}  // namespace island
