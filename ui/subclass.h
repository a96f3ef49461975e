// One way to subclass a window: the previous procedure is kept beside the
// window under a name of the subclass's own, so the same subclass is never
// installed twice, and is forgotten when the window goes.
#pragma once

#include <windows.h>

namespace island {

// Does nothing if `name` is already installed on `hwnd`.
void InstallSubclass(HWND hwnd, const wchar_t* name, WNDPROC proc);

// Passes a message on to the procedure that was there before `name`.
LRESULT CallPrevious(const wchar_t* name, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace island
