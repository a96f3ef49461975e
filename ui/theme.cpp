#include "ui/theme.h"

#include <cwctype>
#include <string>
#include <vector>

#include "ui/dpi.h"
#include "ui/scoped_win.h"
#include "ui/subclass.h"
#include "ui/theme_paint.h"
#include "ui/toolkit.h"

namespace island {
namespace {

constexpr wchar_t kThemeSubclass[] = L"island.theme";
constexpr wchar_t kHotProp[] = L"island.theme.hot";
constexpr wchar_t kKindProp[] = L"island.theme.kind";

// kNone is 0, so a window without the kind property reads as kNone.
enum class Kind { kNone, kPushButton, kRadio, kCheck, kGroupBox, kEdit, kBordered };

int g_scheme = 0;

// The thread's hook that meets every window as it is created.
class CreationHook {
 public:
  CreationHook() = default;
  CreationHook(const CreationHook&) = delete;
  CreationHook& operator=(const CreationHook&) = delete;
  ~CreationHook() { Remove(); }

  void Install(HOOKPROC proc) {
    if (!hook_) hook_ = SetWindowsHookExW(WH_CBT, proc, nullptr, GetCurrentThreadId());
  }
  void Remove() {
    if (hook_) UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
  }

 private:
  HHOOK hook_ = nullptr;
};

CreationHook g_hook;

std::wstring LowerClassName(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  std::wstring lower = name;
  for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
  return lower;
}

Kind KindOf(HWND hwnd) {
  const std::wstring name = LowerClassName(hwnd);
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  if (name == L"button") {
    switch (style & BS_TYPEMASK) {
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON:
        return Kind::kPushButton;
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON:
        return (style & BS_PUSHLIKE) ? Kind::kPushButton : Kind::kRadio;
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_3STATE:
      case BS_AUTO3STATE:
        return (style & BS_PUSHLIKE) ? Kind::kPushButton : Kind::kCheck;
      case BS_GROUPBOX:
        return Kind::kGroupBox;
      default:
        return Kind::kNone;  // owner-drawn and user buttons draw themselves
    }
  }
  if (name == L"edit") return Kind::kEdit;
  if (name == L"combobox" || name == L"combolbox" || name == L"msctls_updown32" ||
      name == L"listbox") {
    return Kind::kBordered;
  }
  return Kind::kNone;
}

bool IsHot(HWND hwnd) {
  return GetPropW(hwnd, kHotProp) != nullptr;
}

ButtonLook LookOf(HWND hwnd, std::wstring& text_storage) {
  const LRESULT state = SendMessageW(hwnd, BM_GETSTATE, 0, 0);
  text_storage = WindowText(hwnd);
  ButtonLook look;
  look.hot = IsHot(hwnd);
  look.pressed = (state & BST_PUSHED) != 0;
  look.focused = GetFocus() == hwnd;
  look.enabled = IsWindowEnabled(hwnd) != FALSE;
  look.checked = (state & BST_CHECKED) != 0;
  look.multiline = (GetWindowLongW(hwnd, GWL_STYLE) & BS_MULTILINE) != 0;
  look.text = text_storage;
  look.font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
  look.dpi = DpiOf(hwnd);
  return look;
}

// Draws a button off screen and copies it in one step, so nothing flickers.
void PaintButton(HWND hwnd, Kind kind, HDC target) {
  RECT rect;
  GetClientRect(hwnd, &rect);
  std::wstring text;
  const ButtonLook look = LookOf(hwnd, text);
  const Palette& palette = PaletteOf(g_scheme);
  MemoryDc buffer(target, rect.right, rect.bottom);
  switch (kind) {
    case Kind::kPushButton:
      PaintPushButton(look, palette, buffer.get(), rect);
      break;
    case Kind::kRadio:
      PaintIndicatorButton(Indicator::kRadio, look, buffer.get(), rect);
      break;
    case Kind::kCheck:
      PaintIndicatorButton(Indicator::kCheck, look, buffer.get(), rect);
      break;
    case Kind::kGroupBox:
      PaintGroupBox(look, palette, buffer.get(), rect);
      break;
    default:
      return;
  }
  BitBlt(target, 0, 0, rect.right, rect.bottom, buffer.get(), 0, 0, SRCCOPY);
}

void RepaintNow(HWND hwnd, Kind kind) {
  if (!IsWindowVisible(hwnd)) return;
  WindowDc dc(hwnd);
  PaintButton(hwnd, kind, dc.get());
  // What the button's own procedure just drew is now covered: nothing is
  // left to paint.
  ValidateRect(hwnd, nullptr);
}

void PaintBorder(HWND hwnd) {
  RECT window;
  GetWindowRect(hwnd, &window);
  OffsetRect(&window, -window.left, -window.top);
  WindowDc dc(hwnd, WindowDc::Area::kWhole);
  PaintControlBorder(PaletteOf(g_scheme), dc.get(), window);
}

bool HasBorder(HWND hwnd) {
  return (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) ||
         (GetWindowLongW(hwnd, GWL_STYLE) & WS_BORDER);
}

// Messages after which a button's own procedure may have drawn it in the
// system's look.
bool MayRedrawButton(UINT msg) {
  switch (msg) {
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_CLICK:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_CAPTURECHANGED:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
      return true;
    default:
      return false;
  }
}

void TrackHot(HWND hwnd, UINT msg, Kind kind) {
  if (msg == WM_MOUSEMOVE && !IsHot(hwnd)) {
    SetPropW(hwnd, kHotProp, reinterpret_cast<HANDLE>(1));
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
    RepaintNow(hwnd, kind);
  } else if (msg == WM_MOUSELEAVE && IsHot(hwnd)) {
    RemovePropW(hwnd, kHotProp);
    RepaintNow(hwnd, kind);
  }
}

// The kind is worked out once, when the window is restyled, and again only
// if a button's style changes.
void RememberKind(HWND hwnd, Kind kind) {
  SetPropW(hwnd, kKindProp, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(kind)));
}

Kind RememberedKind(HWND hwnd) {
  return static_cast<Kind>(reinterpret_cast<INT_PTR>(GetPropW(hwnd, kKindProp)));
}

LRESULT CALLBACK ThemedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCDESTROY) {
    RemovePropW(hwnd, kHotProp);
    RemovePropW(hwnd, kKindProp);
  }
  if (msg == BM_SETSTYLE) {
    const LRESULT result = CallPrevious(kThemeSubclass, hwnd, msg, wp, lp);
    RememberKind(hwnd, KindOf(hwnd));
    if (g_scheme != 0) InvalidateRect(hwnd, nullptr, TRUE);
    return result;
  }
  if (g_scheme == 0) return CallPrevious(kThemeSubclass, hwnd, msg, wp, lp);

  const Kind kind = RememberedKind(hwnd);
  switch (kind) {
    case Kind::kPushButton:
    case Kind::kRadio:
    case Kind::kCheck:
    case Kind::kGroupBox:
      if (msg == WM_PAINT) {
        PaintDc dc(hwnd);
        PaintButton(hwnd, kind, dc.get());
        return 0;
      }
      if (msg == WM_ERASEBKGND) return 1;
      if (msg == WM_MOUSEMOVE || msg == WM_MOUSELEAVE) {
        const LRESULT result = CallPrevious(kThemeSubclass, hwnd, msg, wp, lp);
        if (kind != Kind::kGroupBox) TrackHot(hwnd, msg, kind);
        return result;
      }
      if (MayRedrawButton(msg)) {
        const LRESULT result = CallPrevious(kThemeSubclass, hwnd, msg, wp, lp);
        if (IsWindow(hwnd)) RepaintNow(hwnd, kind);
        return result;
      }
      break;
    case Kind::kEdit:
    case Kind::kBordered:
      // An edit box's border is non-client; the others draw theirs in WM_PAINT.
      if (msg == WM_NCPAINT || (msg == WM_PAINT && kind == Kind::kBordered)) {
        const LRESULT result = CallPrevious(kThemeSubclass, hwnd, msg, wp, lp);
        if (HasBorder(hwnd)) PaintBorder(hwnd);
        return result;
      }
      break;
    case Kind::kNone:
      break;
  }
  return CallPrevious(kThemeSubclass, hwnd, msg, wp, lp);
}

void Restyle(HWND hwnd) {
  const Kind kind = KindOf(hwnd);
  if (kind == Kind::kNone) return;
  RememberKind(hwnd, kind);
  InstallSubclass(hwnd, kThemeSubclass, ThemedProc);
}

LRESULT CALLBACK OnCreation(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_CREATEWND) Restyle(reinterpret_cast<HWND>(wp));
  return CallNextHookEx(nullptr, code, wp, lp);
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
  return TRUE;
}

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> top;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&top));
  return top;
}

}  // namespace

void SetTheme(int scheme) {
  g_scheme = IsScheme(scheme) ? scheme : 0;
  const std::vector<HWND> top = TopLevelWindows();
  if (g_scheme != 0) {
    g_hook.Install(OnCreation);
    for (HWND hwnd : top) {
      Restyle(hwnd);
      std::vector<HWND> descendants;
      EnumChildWindows(hwnd, CollectWindow, reinterpret_cast<LPARAM>(&descendants));
      for (HWND child : descendants) Restyle(child);
    }
  } else {
    g_hook.Remove();
  }
  // One redraw per top-level window reaches all of its descendants.
  for (HWND hwnd : top) {
    RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
}

int CurrentScheme() {
  return g_scheme;
}

}  // namespace island
