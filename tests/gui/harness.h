// Drives the real island-schematic.exe as a person would: launches it, finds
// its window and controls, types and clicks with real input (SendInput), and
// reads back what is on the screen.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <string>
#include <vector>

#include "ui/control_ids.h"

namespace island::test {

// Polls `done` until it holds or `timeout_ms` passes; true if it held.
bool WaitUntil(const std::function<bool()>& done, int timeout_ms = 5000);

// Lets a running program work through the input sent so far.
void Settle();

std::vector<HWND> TopLevelWindowsOf(DWORD pid);
std::vector<HWND> DescendantsOf(HWND parent);

std::wstring TextOf(HWND hwnd);
// The visible icon of a message box (Windows and Wine number it differently).
HWND IconOf(HWND message_box);
std::wstring ClassOf(HWND hwnd);
RECT ScreenRectOf(HWND hwnd);
// The window's place in its parent's client area.
RECT RectInParent(HWND hwnd);

// --- Real input ---
void PressKey(WORD vk);
void PressKeys(std::initializer_list<WORD> chord);  // e.g. {VK_SHIFT, VK_TAB}
void TypeKeys(std::string_view keys);               // digits, letters (lower case) and '-'
void TypeUnicode(std::wstring_view text);           // characters no key on the keyboard makes
void ClickAt(POINT screen);
void MoveMouseTo(POINT screen);
void ClickCentre(HWND hwnd);
void Drag(POINT from, POINT to);

// --- The clipboard ---
void PutOnClipboard(const std::wstring& text);
std::wstring UnicodeClipboard();
std::string AnsiClipboard();  // the CF_TEXT bytes, without the closing zero

// --- The screen ---
COLORREF ScreenPixel(int x, int y);

// A launched copy of the program (or of a harness built from it), ended when
// this object goes.
class AppUnderTest {
 public:
  // `show` is the show request passed on in STARTUPINFO (-1: none). Waits
  // for the main window to be up and focused unless `has_window` is false.
  explicit AppUnderTest(const std::wstring& exe_name = L"island-schematic.exe", int show = -1,
                        bool has_window = true);
  AppUnderTest(const AppUnderTest&) = delete;
  AppUnderTest& operator=(const AppUnderTest&) = delete;
  ~AppUnderTest();

  DWORD pid() const { return info_.dwProcessId; }
  DWORD thread_id() const { return info_.dwThreadId; }
  HWND window() const { return window_; }
  HWND control(Control id) const;

  // Which control has the keyboard focus (kWindow if none of them).
  Control Focused() const;
  HWND FocusedWindow() const;
  // Puts the focus on a control by clicking it.
  void ClickControl(Control id) const { ClickCentre(control(id)); }
  // Waits for a top-level window of this process with the given class (for
  // example "#32770" for a message box) other than the main window.
  HWND WaitForOtherWindow(const wchar_t* window_class, int timeout_ms = 5000) const;

  // Waits for the process to end; returns its exit code, or STILL_ACTIVE.
  DWORD WaitForExit(int timeout_ms = 10000);
  bool Running() const;

 private:
  HWND FindMainWindow() const;

  PROCESS_INFORMATION info_{};
  HWND window_ = nullptr;
  bool exited_ = false;
};

// The folder the test program runs from: the program is built beside it.
std::wstring BinaryFolder();

}  // namespace island::test
