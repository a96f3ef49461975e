#include "ui/controls.h"

#include <imm.h>

#include <string>

#include "ui/integer_text.h"
#include "ui/scoped_win.h"
#include "ui/subclass.h"
#include "ui/toolkit.h"
#include "ui/win_text.h"

namespace island {
namespace {

struct KindStyle {
  const wchar_t* window_class;
  DWORD style;
  DWORD ex_style;
};

constexpr DWORD kSingleLineEdit = ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP;

KindStyle StyleOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::kGroupBox:
      return {L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, 0};
    case ControlKind::kLabel:
      return {L"STATIC", SS_OWNERDRAW | SS_NOPREFIX, 0};
    case ControlKind::kEdit:
    case ControlKind::kIntegerEdit:
      return {L"EDIT", kSingleLineEdit, WS_EX_CLIENTEDGE};
    case ControlKind::kPreviewEdit:
      return {L"EDIT",
              ES_LEFT | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                  WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case ControlKind::kRadio:
      return {L"BUTTON", BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER | BS_MULTILINE | WS_TABSTOP, 0};
    case ControlKind::kPushButton:
      return {L"BUTTON", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE | WS_TABSTOP, 0};
  }
  return {L"STATIC", 0, 0};
}

// --- Group boxes -----------------------------------------------------------
// A group box is the real parent of what it holds, but a plain one keeps its
// children's notifications to itself and lets mouse hits fall through it to
// the window behind (and with them, every click on its children).

constexpr wchar_t kGroupSubclass[] = L"island.group";

LRESULT CALLBACK GroupBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSCROLLBAR:
      return SendMessageW(GetAncestor(hwnd, GA_ROOT), msg, wp, lp);
    case WM_NCHITTEST:
      return HTCLIENT;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return 0;  // never takes the focus, never "pressed"
    case WM_ERASEBKGND: {
      RECT rect;
      GetClientRect(hwnd, &rect);
      FillRect(reinterpret_cast<HDC>(wp), &rect, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    default:
      return CallPrevious(kGroupSubclass, hwnd, msg, wp, lp);
  }
}

// --- Single-line edit boxes ------------------------------------------------
// The one line of text sits in the middle of the box: the editing area is cut
// down to one text line and centred, the strips above and below stay white
// and take no clicks.

constexpr wchar_t kCentredSubclass[] = L"island.centred";

int LineHeight(HWND edit) {
  WindowDc dc(edit);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
  Selection selection(dc.get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.get(), &metrics);
  return metrics.tmHeight;
}

void CentreOneLine(HWND edit, RECT& client) {
  const int line = LineHeight(edit);
  const int spare = (client.bottom - client.top) - line;
  if (spare <= 0) return;
  client.top += spare / 2;
  client.bottom = client.top + line;
}

void PaintCentringStrips(HWND edit) {
  RECT window;
  GetWindowRect(edit, &window);
  RECT client;
  GetClientRect(edit, &client);
  MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -window.left, -window.top);
  OffsetRect(&window, -window.left, -window.top);
  RECT inside = window;
  InflateRect(&inside, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));

  WindowDc dc(edit, WindowDc::Area::kWhole);
  const HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  const RECT above = {inside.left, inside.top, inside.right, client.top};
  const RECT below = {inside.left, client.bottom, inside.right, inside.bottom};
  if (above.bottom > above.top) FillRect(dc.get(), &above, white);
  if (below.bottom > below.top) FillRect(dc.get(), &below, white);
}

LRESULT CALLBACK CentredEditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCCALCSIZE: {
      const LRESULT result = CallPrevious(kCentredSubclass, hwnd, msg, wp, lp);
      RECT* client =
          wp ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0] : reinterpret_cast<RECT*>(lp);
      CentreOneLine(hwnd, *client);
      return result;
    }
    case WM_NCPAINT: {
      const LRESULT result = CallPrevious(kCentredSubclass, hwnd, msg, wp, lp);
      PaintCentringStrips(hwnd);
      return result;
    }
    case WM_NCHITTEST: {
      const LRESULT hit = CallPrevious(kCentredSubclass, hwnd, msg, wp, lp);
      return hit == HTCLIENT ? HTCLIENT : HTBORDER;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      return 0;
    default:
      return CallPrevious(kCentredSubclass, hwnd, msg, wp, lp);
  }
}

// --- The integer input -----------------------------------------------------
// Typing lets through digits and '-' only; leaving the box normalises its
// text to the whole number it reads as.

constexpr wchar_t kIntegerSubclass[] = L"island.integer";

void NormaliseOnLeave(HWND edit) {
  const std::string current = ReadText(edit);
  const std::string normal = NormaliseInteger(current);
  if (normal == current) return;
  DWORD selection_start = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selection_start), 0);
  WriteText(edit, normal);
  const auto end = static_cast<DWORD>(GetWindowTextLengthW(edit));
  const DWORD caret = selection_start < end ? selection_start : end;
  SendMessageW(edit, EM_SETSEL, caret, caret);
}

LRESULT CALLBACK IntegerEditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CHAR:
    case WM_IME_CHAR:
      // Control characters (Backspace, Ctrl+C, Ctrl+V, ...) pass; other
      // characters go in only if they can be part of a whole number.
      if (wp >= 0x20 && !IsIntegerInputChar(static_cast<char32_t>(wp))) return 0;
      break;
    case WM_IME_COMPOSITION:
      // An input method's result comes back as WM_IME_CHAR through the
      // default procedure, so it meets the filter above.
      if (lp & GCS_RESULTSTR) return DefWindowProcW(hwnd, msg, wp, lp);
      break;
    case WM_KILLFOCUS: {
      const LRESULT result = CallPrevious(kIntegerSubclass, hwnd, msg, wp, lp);
      NormaliseOnLeave(hwnd);
      return result;
    }
    default:
      break;
  }
  return CallPrevious(kIntegerSubclass, hwnd, msg, wp, lp);
}

bool FirstOfItsGroup(const ControlSpec& spec) {
  return RadioGroupOf(spec.id).front() == spec.id;
}

}  // namespace

HWND CreateControl(const ControlSpec& spec, HWND parent, const RECT& place, HFONT font) {
  const KindStyle kind = StyleOf(spec.kind);
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style;
  if (spec.kind == ControlKind::kRadio && FirstOfItsGroup(spec)) style |= WS_GROUP;

  const HWND hwnd = CreateWindowExW(
      kind.ex_style, kind.window_class, Widen(spec.text).c_str(), style, place.left, place.top,
      place.right - place.left, place.bottom - place.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), GetModuleHandleW(nullptr), nullptr);
  if (!hwnd) return nullptr;
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  switch (spec.kind) {
    case ControlKind::kGroupBox:
      InstallSubclass(hwnd, kGroupSubclass, GroupBoxProc);
      break;
    case ControlKind::kIntegerEdit:
      InstallSubclass(hwnd, kIntegerSubclass, IntegerEditProc);
      [[fallthrough]];
    case ControlKind::kEdit:
      InstallSubclass(hwnd, kCentredSubclass, CentredEditProc);
      SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      [[fallthrough]];
    case ControlKind::kPreviewEdit:
      SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);  // only the system's own limit
      SendMessageW(hwnd, EM_SETSEL, 0, 0);
      break;
    case ControlKind::kRadio:
      SendMessageW(hwnd, BM_SETCHECK, spec.checked ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case ControlKind::kLabel:
    case ControlKind::kPushButton:
      break;
  }
  return hwnd;
}

void PaintLabel(HDC dc, const RECT& rect, HFONT font, const wchar_t* text) {
  FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
  Selection selection(dc, font);
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  RECT text_rect = rect;
  DrawTextW(dc, text, -1, &text_rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace island
