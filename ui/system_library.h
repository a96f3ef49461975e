// Parts of Windows loaded on first use, from the system folder only: most
// runs never need them, and start-up stays as quick as a bare window's.
#pragma once

#include <windows.h>

namespace island {

// `name` from the system folder's `dll`, or nullptr. The DLL stays loaded.
FARPROC SystemProcedure(const wchar_t* dll, const char* name);

template <typename Function>
Function SystemFunction(const wchar_t* dll, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemProcedure(dll, name)));
}

// Puts the UI thread in a single-threaded COM apartment, once; it stays
// there until the process ends. False if COM is not to be had.
bool EnterComApartment();

}  // namespace island
