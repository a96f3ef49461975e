// The program with a start-up hook that asks for more memory than any
// process can be given: it must end in the fatal error box, exit code -1.
#include <windows.h>

#include <cstdint>
#include <new>

#include "app/app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  island::LifecycleHooks hooks;
  hooks.startup = [] {
    void* volatile block = ::operator new(static_cast<size_t>(PTRDIFF_MAX));
    ::operator delete(block);
  };
  return island::RunApplication(instance, hooks);
}
