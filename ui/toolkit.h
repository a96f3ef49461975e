// What the program needs of the window system, in the program's own terms:
// UTF-8 texts in, UTF-8 texts out.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace island {

// Events from the window reach the handlers only while they are let through:
// they are held back while the window is built and after the program starts
// to end.
bool EventsEnabled();
void HoldEvents();
void ReleaseEvents();

// The window's whole current text as the W functions give it (empty if it
// has none).
std::wstring WindowText(HWND hwnd);

// The control's whole current text (empty if it has none).
std::string ReadText(HWND control);

// Replaces the control's whole text.
void WriteText(HWND control, std::string_view text);

// Replaces an edit box's whole text in one edit that cannot be undone (its
// undo buffer is emptied), leaving the caret after the new text, scrolled
// into view. Costs one update of the box's scroll bars where setting the
// text and then moving the caret costs two.
void ReplaceAllText(HWND edit, std::string_view text);

// 1 when the radio button is checked, else 0.
int ReadChecked(HWND radio);

// A program-modal box with one OK button and no icon; returns when dismissed.
void ShowMessage(std::string_view text);

// Puts `text` on the clipboard as Unicode text and as text in the system's
// ANSI code page, replacing what was there. A clipboard held by another
// program is tried again for about half a second. Returns false if the copy
// could not be made; the old contents are then left as they were.
bool SetClipboardText(HWND owner, std::string_view text);

// Hands a web address to the system's default handler ("open", shown
// normally). Failures are not reported: no box, no message.
void OpenAddress(std::string_view address);

}  // namespace island
