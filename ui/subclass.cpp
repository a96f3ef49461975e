#include "ui/subclass.h"

namespace island {

void InstallSubclass(HWND hwnd, const wchar_t* name, WNDPROC proc) {
  if (GetPropW(hwnd, name)) return;
  const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
  SetPropW(hwnd, name, reinterpret_cast<HANDLE>(previous));
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
}

LRESULT CallPrevious(const wchar_t* name, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  const auto previous = reinterpret_cast<WNDPROC>(GetPropW(hwnd, name));
  if (msg == WM_NCDESTROY) RemovePropW(hwnd, name);
  if (!previous) return DefWindowProcW(hwnd, msg, wp, lp);
  return CallWindowProcW(previous, hwnd, msg, wp, lp);
}

}  // namespace island
