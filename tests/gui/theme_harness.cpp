// The program with a hidden window through which a test can switch the
// theme's scheme (the shipped program only ever asks for scheme 3).
#include <windows.h>

#include "app/app.h"
#include "ui/theme.h"

namespace {

LRESULT CALLBACK SwitchProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_APP) {
    island::SetTheme(static_cast<int>(wp));
    return island::CurrentScheme();
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  island::LifecycleHooks hooks;
  hooks.startup = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = SwitchProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"IslandThemeSwitch";
    RegisterClassW(&wc);
    CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                    nullptr);
  };
  return island::RunApplication(instance, hooks);
}
