#include "ui/dpi.h"

namespace island {
namespace {

constexpr wchar_t kLayoutDpiProp[] = L"island.dpi";

// Both functions exist from Windows 10 (1607) on; older systems are DPI
// aware for the system's DPI only.
template <typename Fn>
Fn User32Function(const char* name) {
  return reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

int SystemDpi() {
  using GetDpiForSystemFn = UINT(WINAPI*)();
  static const auto for_system = User32Function<GetDpiForSystemFn>("GetDpiForSystem");
  if (for_system) return static_cast<int>(for_system());
  WindowDc screen(nullptr);
  return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

int DpiOf(HWND hwnd) {
  const HWND top_level = GetAncestor(hwnd, GA_ROOT);
  if (const auto laid_out = reinterpret_cast<INT_PTR>(GetPropW(top_level, kLayoutDpiProp))) {
    return static_cast<int>(laid_out);
  }
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto for_window = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
  if (for_window) {
    if (const UINT dpi = for_window(hwnd)) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

void SetLayoutDpi(HWND top_level, int dpi) {
  if (dpi == 0) {
    RemovePropW(top_level, kLayoutDpiProp);
    return;
  }
  SetPropW(top_level, kLayoutDpiProp, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(dpi)));
}

GuiFont::GuiFont(int dpi) : GuiFont() {
  const int system = SystemDpi();
  if (dpi == system) return;
  LOGFONTW font{};
  GetObjectW(stock_, sizeof font, &font);
  font.lfHeight = MulDiv(font.lfHeight, dpi, system);
  font.lfWidth = MulDiv(font.lfWidth, dpi, system);
  owned_ = Font(CreateFontIndirectW(&font));
}

}  // namespace island
