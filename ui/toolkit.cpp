#include "ui/toolkit.h"

#include <shellapi.h>

#include <cstring>
#include <utility>

#include "ui/system_library.h"
#include "ui/win_text.h"

namespace island {
namespace {

bool g_events_enabled = false;

// A block of global memory for the clipboard, freed unless the clipboard
// took it over.
class GlobalBlock {
 public:
  GlobalBlock(const void* data, size_t bytes) : memory_(GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (!memory_) return;
    void* target = GlobalLock(memory_);
    if (!target) {
      GlobalFree(std::exchange(memory_, nullptr));
      return;
    }
    std::memcpy(target, data, bytes);
    GlobalUnlock(memory_);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;
  ~GlobalBlock() {
    if (memory_) GlobalFree(memory_);
  }
  explicit operator bool() const { return memory_ != nullptr; }
  // Hands the block to the clipboard; it is the system's from then on.
  bool GiveTo(UINT format) {
    if (!SetClipboardData(format, memory_)) return false;
    memory_ = nullptr;
    return true;
  }

 private:
  HGLOBAL memory_;
};

// An open clipboard, closed on every path.
class ClipboardSession {
 public:
  explicit ClipboardSession(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;
  ~ClipboardSession() {
    if (open_) CloseClipboard();
  }
  bool open() const { return open_; }

 private:
  bool open_;
};

// While waiting for the clipboard the window keeps painting; input waits
// in the queue until the command is done.
void WaitPainting(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  for (DWORD elapsed = 0; elapsed < milliseconds; elapsed = GetTickCount() - start) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_PAINT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&msg);
  }
}

std::string AnsiBytes(const std::wstring& wide) {
  // Converted here in the system's ANSI code page; left to the clipboard,
  // the conversion would follow the keyboard's language instead.
  const int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()) + 1,
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size > 0 ? size : 1), '\0');
  if (size > 0) {
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()) + 1, bytes.data(),
                        size, nullptr, nullptr);
  }
  return bytes;  // ends with its zero byte
}

}  // namespace

bool EventsEnabled() {
  return g_events_enabled;
}
void HoldEvents() {
  g_events_enabled = false;
}
void ReleaseEvents() {
  g_events_enabled = true;
}

std::wstring WindowText(HWND hwnd) {
  // The length is a guess that can only be too large (multi-byte conversions
  // in the control); the copy says how much it really wrote.
  const int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

std::string ReadText(HWND control) {
  return Narrow(WindowText(control));
}

void WriteText(HWND control, std::string_view text) {
  SetWindowTextW(control, Widen(text).c_str());
}

void ReplaceAllText(HWND edit, std::string_view text) {
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

int ReadChecked(HWND radio) {
  return SendMessageW(radio, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void ShowMessage(std::string_view text) {
  MessageBoxW(nullptr, Widen(text).c_str(), L"信息：", MB_OK | MB_TASKMODAL);
}

bool SetClipboardText(HWND owner, std::string_view text) {
  const std::wstring wide = Widen(text);
  const std::string ansi = AnsiBytes(wide);
  // Both copies exist before the clipboard is touched: if either cannot be
  // had, what the clipboard holds stays as it was.
  GlobalBlock unicode_block(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  GlobalBlock ansi_block(ansi.data(), ansi.size());
  if (!unicode_block || !ansi_block) return false;

  constexpr DWORD kPatienceMs = 500;
  constexpr DWORD kRetryMs = 25;
  const DWORD start = GetTickCount();
  for (;;) {
    ClipboardSession clipboard(owner);
    if (clipboard.open()) {
      if (!EmptyClipboard()) return false;
      const bool unicode = unicode_block.GiveTo(CF_UNICODETEXT);
      const bool narrow = ansi_block.GiveTo(CF_TEXT);
      return unicode && narrow;
    }
    if (GetTickCount() - start >= kPatienceMs) return false;
    WaitPainting(kRetryMs);
  }
}

void OpenAddress(std::string_view address) {
  using ShellExecuteExFn = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
  static const auto shell_execute =
      SystemFunction<ShellExecuteExFn>(L"shell32.dll", "ShellExecuteExW");
  // Some handlers of web addresses are COM objects.
  EnterComApartment();
  if (!shell_execute) return;

  const std::wstring wide = Widen(address);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.lpVerb = L"open";
  info.lpFile = wide.c_str();
  info.nShow = SW_SHOWNORMAL;
  shell_execute(&info);
}

}  // namespace island
