// The life of the process: start-up, the event loop, the orderly exit.
#pragma once

#include <windows.h>

namespace island {

struct LifecycleHooks {
  void (*startup)() = nullptr;  // after the toolkit is ready, before the window is built
  void (*cleanup)() = nullptr;  // once, at the orderly exit only
};

// Returns the process exit code: 0 after the window has been closed. A fatal
// error never returns (the process exits with -1).
int RunApplication(HINSTANCE instance, const LifecycleHooks& hooks);

}  // namespace island
