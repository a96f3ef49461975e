// UTF-8 <-> UTF-16 at the Win32 boundary (wchar_t is UTF-16 on Windows).
#pragma once

#include <string>
#include <string_view>

#include "ui/unicode.h"

namespace island {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide strings are UTF-16");

inline std::wstring Widen(std::string_view text) {
  const std::u16string wide = ToUtf16(text);
  return std::wstring(wide.begin(), wide.end());
}

inline std::string Narrow(std::wstring_view text) {
  return ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

}  // namespace island
