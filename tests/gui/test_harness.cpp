// The program with a hidden window through which a test can switch the
// theme's scheme (the shipped program only ever asks for scheme 3), read
// how many GDI objects and DCs the program holds (a count kept by this test
// build; Wine does not report a process's GDI objects), and tell the window
// that its monitor's scale changed (Wine gives every monitor the same scale,
// so moving the window never does it).
#include <windows.h>

#include "app/app.h"
#include "ui/dpi.h"
#include "ui/layout.h"
#include "ui/scoped_win.h"
#include "ui/theme.h"

namespace {

LRESULT CALLBACK SwitchProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_APP) {
    island::SetTheme(static_cast<int>(wp));
    return island::CurrentScheme();
  }
  if (msg == WM_APP + 1) return island::g_live_gdi_handles;
  if (msg == WM_APP + 2) return island::g_gdi_handles_made;
  if (msg == WM_APP + 3) {
    // What Windows sends: the new DPI and a rectangle at the same place,
    // of the size the window has at that DPI.
    const HWND window = FindWindowW(L"IslandSchematicWindow", nullptr);
    RECT now{};
    GetWindowRect(window, &now);
    const int dpi = static_cast<int>(wp);
    const island::WindowSpec& spec = island::MainWindowSpec();
    RECT suggested = {now.left, now.top, now.left + island::Scale(spec.width, dpi),
                      now.top + island::Scale(spec.height, dpi)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    return 0;
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
    wc.lpszClassName = L"IslandTestSwitch";
    RegisterClassW(&wc);
    CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                    nullptr);
  };
  return island::RunApplication(instance, hooks);
}
