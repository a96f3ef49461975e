// The floor for the start-up and memory figures: a Win32 program that opens
// one empty window of the same size and does nothing else.
#include <windows.h>

namespace {

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"BareWindow";
  RegisterClassW(&wc);
  const HWND hwnd =
      CreateWindowExW(0, wc.lpszClassName, L"bare", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 100,
                      100, 822, 363, nullptr, nullptr, instance, nullptr);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
