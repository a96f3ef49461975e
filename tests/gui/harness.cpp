#include "tests/gui/harness.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <thread>

namespace island::test {
namespace {

using namespace std::chrono_literals;

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
  return TRUE;
}

void SendKey(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  if (vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN || vk == VK_HOME ||
      vk == VK_END || vk == VK_DELETE) {
    input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
  }
  SendInput(1, &input, sizeof input);
}

// A mouse event that carries its own absolute position, so that a button is
// pressed exactly where the test says even if an earlier pointer move is
// still on its way (under Wine, buttons sent without a position were seen
// landing at the previous place). Wine maps the 0..65535 range onto the
// screen as x * width / 65536; rounding up hits the pixel.
INPUT MouseAt(POINT to, DWORD flags) {
  const int64_t width = GetSystemMetrics(SM_CXSCREEN);
  const int64_t height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>((to.x * 65536 + width - 1) / width);
  input.mi.dy = static_cast<LONG>((to.y * 65536 + height - 1) / height);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return input;
}

void SendMouseAt(POINT to, DWORD flags) {
  INPUT input = MouseAt(to, flags);
  SendInput(1, &input, sizeof input);
  std::this_thread::sleep_for(30ms);
}

}  // namespace

std::vector<HWND> TopLevelWindowsOf(DWORD pid) {
  std::vector<HWND> all, mine;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
  for (HWND hwnd : all) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == pid) mine.push_back(hwnd);
  }
  return mine;
}

std::vector<HWND> DescendantsOf(HWND parent) {
  std::vector<HWND> all;
  if (parent) EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&all));
  return all;
}

bool WaitUntil(const std::function<bool()>& done, int timeout_ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

void Settle() {
  std::this_thread::sleep_for(150ms);
}

std::wstring TextOf(HWND hwnd) {
  const auto length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const auto copied =
      SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return text;
}

HWND IconOf(HWND message_box) {
  for (HWND child : DescendantsOf(message_box)) {
    if (IsWindowVisible(child) && ClassOf(child) == L"Static" &&
        (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        SendMessageW(child, STM_GETICON, 0, 0) != 0) {
      return child;
    }
  }
  return nullptr;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[256] = {};
  GetClassNameW(hwnd, name, 256);
  return name;
}

RECT ScreenRectOf(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  return rect;
}

RECT RectInParent(HWND hwnd) {
  RECT rect = ScreenRectOf(hwnd);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void PressKey(WORD vk) {
  SendKey(vk, false);
  SendKey(vk, true);
  Settle();
}

void PressKeys(std::initializer_list<WORD> chord) {
  for (WORD vk : chord) SendKey(vk, false);
  for (auto it = std::rbegin(chord); it != std::rend(chord); ++it) SendKey(*it, true);
  Settle();
}

void TypeKeys(std::string_view keys) {
  for (char c : keys) {
    WORD vk = 0;
    if (c >= '0' && c <= '9') vk = static_cast<WORD>(c);
    if (c >= 'a' && c <= 'z') vk = static_cast<WORD>(c - 'a' + 'A');
    if (c == '-') vk = VK_OEM_MINUS;
    if (c == ' ') vk = VK_SPACE;
    ASSERT_NE(vk, 0) << "no key for '" << c << "'";
    SendKey(vk, false);
    SendKey(vk, true);
  }
  Settle();
}

void TypeUnicode(std::wstring_view text) {
  for (wchar_t c : text) {
    INPUT input[2] = {};
    for (INPUT& i : input) {
      i.type = INPUT_KEYBOARD;
      i.ki.wScan = c;
      i.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
  }
  Settle();
}

void MoveMouseTo(POINT screen) {
  SendMouseAt(screen, 0);
  Settle();
}

void ClickAt(POINT screen) {
  SendMouseAt(screen, 0);
  SendMouseAt(screen, MOUSEEVENTF_LEFTDOWN);
  SendMouseAt(screen, MOUSEEVENTF_LEFTUP);
  Settle();
}

void ClickCentre(HWND hwnd) {
  const RECT r = ScreenRectOf(hwnd);
  ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void Drag(POINT from, POINT to) {
  SendMouseAt(from, 0);
  SendMouseAt(from, MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 5; ++step) {
    SendMouseAt({from.x + (to.x - from.x) * step / 5, from.y + (to.y - from.y) * step / 5}, 0);
  }
  SendMouseAt(to, MOUSEEVENTF_LEFTUP);
  Settle();
}

void PutOnClipboard(const std::wstring& text) {
  ASSERT_TRUE(WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }));
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  CloseClipboard();
}

// Reads one text format off the clipboard (without its closing zero).
template <typename Char>
std::basic_string<Char> ReadClipboard(UINT format) {
  std::basic_string<Char> text;
  if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; })) return text;
  if (HANDLE data = GetClipboardData(format)) {
    if (const auto* chars = static_cast<const Char*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

std::wstring UnicodeClipboard() {
  return ReadClipboard<wchar_t>(CF_UNICODETEXT);
}

std::string AnsiClipboard() {
  return ReadClipboard<char>(CF_TEXT);
}

COLORREF ScreenPixel(int x, int y) {
  const HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return colour;
}

std::wstring BinaryFolder() {
  wchar_t path[MAX_PATH * 4] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  std::wstring folder = path;
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder;
}

AppUnderTest::AppUnderTest(const std::wstring& exe_name, int show, bool has_window) {
  const std::wstring exe = BinaryFolder() + exe_name;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (show >= 0) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
  }
  std::wstring command_line = L"\"" + exe + L"\"";
  if (!CreateProcessW(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &info_)) {
    ADD_FAILURE() << "could not start the program, error " << GetLastError();
    return;
  }
  WaitForInputIdle(info_.hProcess, 10000);
  if (has_window) {
    WaitUntil([&] { return (window_ = FindMainWindow()) != nullptr; }, 15000);
    EXPECT_NE(window_, nullptr) << "the main window did not appear";
    // Wait until it is the active window and has put the focus somewhere.
    WaitUntil([&] { return FocusedWindow() != nullptr; });
    Settle();
  }
}

AppUnderTest::~AppUnderTest() {
  if (!info_.hProcess) return;
  if (Running()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

HWND AppUnderTest::FindMainWindow() const {
  for (HWND hwnd : TopLevelWindowsOf(pid())) {
    if (IsWindowVisible(hwnd) && ClassOf(hwnd) == L"IslandSchematicWindow") return hwnd;
  }
  return nullptr;
}

HWND AppUnderTest::WaitForOtherWindow(const wchar_t* window_class, int timeout_ms) const {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND hwnd : TopLevelWindowsOf(pid())) {
          if (hwnd != window_ && IsWindowVisible(hwnd) && ClassOf(hwnd) == window_class) {
            found = hwnd;
          }
        }
        return found != nullptr;
      },
      timeout_ms);
  return found;
}

HWND AppUnderTest::control(Control id) const {
  for (HWND hwnd : DescendantsOf(window_)) {
    if (GetDlgCtrlID(hwnd) == static_cast<int>(id)) return hwnd;
  }
  return nullptr;
}

HWND AppUnderTest::FocusedWindow() const {
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  if (!GetGUIThreadInfo(thread_id(), &gui)) return nullptr;
  return gui.hwndFocus;
}

Control AppUnderTest::Focused() const {
  const HWND focus = FocusedWindow();
  if (!focus || !IsChild(window_, focus)) return kWindow;
  return static_cast<Control>(GetDlgCtrlID(focus));
}

DWORD AppUnderTest::WaitForExit(int timeout_ms) {
  WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout_ms));
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

bool AppUnderTest::Running() const {
  return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

}  // namespace island::test
