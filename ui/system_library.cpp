#include "ui/system_library.h"

#include <objbase.h>

#include <string>

namespace island {

FARPROC SystemProcedure(const wchar_t* dll, const char* name) {
  // By full path, which needs no loader update on older Windows.
  wchar_t folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder, length) + L"\\" + dll;
  const HMODULE module = LoadLibraryW(path.c_str());
  return module ? GetProcAddress(module, name) : nullptr;
}

bool EnterComApartment() {
  using CoInitializeExFn = HRESULT(WINAPI*)(void*, DWORD);
  static const bool entered = [] {
    const auto co_initialize = SystemFunction<CoInitializeExFn>(L"ole32.dll", "CoInitializeEx");
    return co_initialize &&
           SUCCEEDED(co_initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  }();
  return entered;
}

}  // namespace island
