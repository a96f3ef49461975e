#include <windows.h>

#include "app/app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // The command line and the launcher's show request are ignored.
  return island::RunApplication(instance, {});
}
