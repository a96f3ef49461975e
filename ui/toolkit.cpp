#include "ui/toolkit.h"

#include "ui/win_text.h"

namespace island {
namespace {

bool g_events_enabled = false;

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

std::string ReadText(HWND control) {
  // The length is a guess that can only be too large (multi-byte conversions
  // in the control); the copy says how much it really wrote.
  const int length = GetWindowTextLengthW(control);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(control, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return Narrow(text);
}

void WriteText(HWND control, std::string_view text) {
  SetWindowTextW(control, Widen(text).c_str());
}

void AppendText(HWND edit, std::string_view text) {
  const int end = GetWindowTextLengthW(edit);
  SendMessageW(edit, EM_SETSEL, end, end);
  SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Widen(text).c_str()));
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

int ReadChecked(HWND radio) {
  return SendMessageW(radio, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void ShowMessage(std::string_view text) {
  MessageBoxW(nullptr, Widen(text).c_str(), L"信息：", MB_OK | MB_TASKMODAL);
}

}  // namespace island
