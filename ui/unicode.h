// UTF-8 inside the program, UTF-16 at the Win32 boundary.
//
// The conversions are lossless for anything an edit box can hold: a lone
// surrogate (which a user can paste) is carried through UTF-8 in the
// generalised "WTF-8" form and comes back out unchanged.
#pragma once

#include <string>
#include <string_view>

namespace island {

std::string ToUtf8(std::u16string_view text);

// Malformed UTF-8 bytes become U+FFFD, one per byte.
std::u16string ToUtf16(std::string_view text);

}  // namespace island
