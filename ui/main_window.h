// The main window: built from the layout table, its procedure, and the map
// from control ids to window handles.
#pragma once

#include <windows.h>

#include <array>

#include "ui/control_ids.h"
#include "ui/dpi.h"

namespace island {

class MainWindow {
 public:
  // Builds the window and its controls, raises the created event and shows
  // the window with the focus in the preview box. Returns nullptr on failure.
  static MainWindow* Build(HINSTANCE instance);

  HWND hwnd() const { return hwnd_; }
  HWND control(Control id) const { return controls_[static_cast<int>(id)]; }
  // Which control `hwnd` is; kWindow if none of them.
  Control IdOf(HWND hwnd) const;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  bool CreateControls();
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnActivate(WPARAM wp);
  void OnClick(Control id);
  LRESULT OnDrawItem(const DRAWITEMSTRUCT& item);

  HWND hwnd_ = nullptr;
  int dpi_ = kBaseDpi;
  GuiFont font_;
  std::array<HWND, kControlCount + 1> controls_{};
  HWND focus_when_inactive_ = nullptr;
};

}  // namespace island
