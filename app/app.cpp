#include "app/app.h"

#include <string>

#include "app/fatal.h"
#include "ui/keyboard.h"
#include "ui/main_window.h"
#include "ui/toolkit.h"

namespace island {
namespace {

// DLLs loaded at run time come from the system folder only, never from the
// program's folder or the working directory, where a planted copy would run
// with the user's rights.
void RestrictDllSearch() {
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  const auto set_default = reinterpret_cast<SetDefaultDllDirectoriesFn>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (set_default) set_default(LOAD_LIBRARY_SEARCH_SYSTEM32);
  SetDllDirectoryW(L"");
}

void EnterProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return;
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return;
  path.resize(slash + 1);
  SetCurrentDirectoryW(path.c_str());
}

int RunEventLoop(const MainWindow& window) {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (HandleWindowKey(window, msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

}  // namespace

int RunApplication(HINSTANCE instance, const LifecycleHooks& hooks) {
  RestrictDllSearch();
  HeapSetInformation(nullptr, HeapEnableTerminationOnCorruption, nullptr, 0);
  EnterProgramFolder();

  if (hooks.startup) hooks.startup();

  const MainWindow* window = MainWindow::Build(instance);
  if (!window) FatalError("载入启动窗口失败");

  const int code = RunEventLoop(*window);
  HoldEvents();
  if (hooks.cleanup) hooks.cleanup();
  return code;
}

}  // namespace island
