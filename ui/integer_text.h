// The icon-slot box keeps to whole numbers: what it lets through while
// typing, and how its text is normalised when it loses the focus.
#pragma once

#include <string>
#include <string_view>

namespace island {

// True for the typed characters the box inserts: digits and '-'. Control
// characters (Backspace, Ctrl+C, Ctrl+V, ...) are not filtered here; the
// caller lets everything below U+0020 through.
bool IsIntegerInputChar(char32_t c);

// Reads leading white space, an optional sign and the digits up to the first
// other character, clamps to the 32-bit signed range and writes the value back
// in decimal. Zero (and "no digits at all") becomes the empty text.
std::string NormaliseInteger(std::string_view text);

}  // namespace island
