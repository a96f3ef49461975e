// Names for assistive tools (screen readers) where the standard ones fall
// short: a control can be named after another window's text, for instance an
// edit box after the group box around it.
#pragma once

#include <windows.h>

namespace island {

// From now on, tools that ask `hwnd` for its name get the current text of
// `source`; everything else they ask is answered as the system would.
void NameAfter(HWND hwnd, HWND source);

}  // namespace island
