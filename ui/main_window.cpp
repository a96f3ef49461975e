#include "ui/main_window.h"

#include <string>

#include "app/fatal.h"
#include "ui/accessible_name.h"
#include "ui/commands.h"
#include "ui/controls.h"
#include "ui/layout.h"
#include "ui/toolkit.h"
#include "ui/win_text.h"

namespace island {
namespace {

constexpr wchar_t kWindowClass[] = L"IslandSchematicWindow";

struct ClickBinding {
  Control button;
  void (*command)(const MainWindow&);
};

// The only events with handlers, besides the window's created event.
constexpr ClickBinding kClickBindings[] = {
    {Control::kBiomeButton, ShowBiomeReference},
    {Control::kGenerateButton, GeneratePreview},
    {Control::kCopyButton, CopyPreview},
};

HICON LoadProgramIcon(HINSTANCE instance, int size_metric) {
  const int size = GetSystemMetrics(size_metric);
  return static_cast<HICON>(
      LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, size, size, LR_SHARED));
}

bool RegisterWindowClass(HINSTANCE instance, WNDPROC proc) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kWindowClass;
  wc.hIcon = LoadProgramIcon(instance, SM_CXICON);
  wc.hIconSm = LoadProgramIcon(instance, SM_CXSMICON);
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// A control's place at `dpi`. Its edges are scaled rather than its size, so
// controls that meet at 96 DPI still meet.
RECT PlaceAt(const ControlSpec& spec, int dpi) {
  return {Scale(spec.left, dpi), Scale(spec.top, dpi), Scale(spec.left + spec.width, dpi),
          Scale(spec.top + spec.height, dpi)};
}

// The window's outer rectangle at `dpi`, centred on the whole primary screen
// (not the work area), truncating.
RECT CentredWindowAt(int dpi) {
  const WindowSpec& spec = MainWindowSpec();
  const int width = Scale(spec.width, dpi);
  const int height = Scale(spec.height, dpi);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return {left, top, left + width, top + height};
}

}  // namespace

MainWindow* MainWindow::Build(HINSTANCE instance) {
  static MainWindow window;  // the program's one window
  if (!RegisterWindowClass(instance, Proc)) return nullptr;

  HoldEvents();
  // Made for the primary screen's scale; if Windows puts it on a monitor of
  // another scale, it is sized again for that one before anything is in it.
  int dpi = SystemDpi();
  RECT place = CentredWindowAt(dpi);
  const HWND hwnd = CreateWindowExW(0, kWindowClass, Widen(MainWindowSpec().title).c_str(),
                                    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                                    place.left, place.top, place.right - place.left,
                                    place.bottom - place.top, nullptr, nullptr, instance, &window);
  if (const int placed_at = hwnd ? DpiOf(hwnd) : dpi; placed_at != dpi) {
    dpi = placed_at;
    place = CentredWindowAt(dpi);
    SetWindowPos(hwnd, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  window.dpi_ = dpi;
  window.font_ = GuiFont(dpi);
  SendMessageW(hwnd, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadProgramIcon(instance, SM_CXICON)));
  SendMessageW(hwnd, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(LoadProgramIcon(instance, SM_CXSMICON)));
  if (!hwnd || !window.CreateControls()) {
    if (hwnd) DestroyWindow(hwnd);
    return nullptr;
  }
  ReleaseEvents();

  OnWindowCreated(window);
  // SetWindowPos rather than ShowWindow: the window opens normally however
  // the program was launched (a first ShowWindow would take the launcher's
  // minimised or maximised request instead).
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  SetForegroundWindow(hwnd);
  SetFocus(window.control(Control::kPreview));
  return &window;
}

bool MainWindow::CreateControls() {
  SetLayoutDpi(hwnd_, dpi_);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);

  // Each control is made straight in its container, containers first; among
  // the controls of one container the table's order holds, so each label
  // comes just before the box it names (assistive tools read it from there).
  // The window is still hidden: the controls are made visible at once.
  const auto& specs = MainWindowControls();
  auto depth = [&](Control id) {
    int levels = 0;
    for (; id != kWindow; id = SpecOf(id).container) ++levels;
    return levels;
  };
  for (int level = 1, made = 0; made < kControlCount; ++level) {
    for (const ControlSpec& spec : specs) {
      if (depth(spec.id) != level) continue;
      const HWND container = spec.container == kWindow ? hwnd_ : control(spec.container);
      controls_[static_cast<int>(spec.id)] =
          CreateControl(spec, container, PlaceAt(spec, dpi_), font_.get());
      if (!control(spec.id)) return false;
      ++made;
    }
  }
  for (const NameSource& name : NamedAfterOthers()) {
    NameAfter(control(name.control), control(name.named_after));
  }
  focus_when_inactive_ = control(Control::kPreview);
  return true;
}

// Moved to a monitor of another scale: every control is placed and given its
// font again from the 96-DPI layout. Texts, states, the focus and the caret
// stay where they are: the controls are the same windows.
void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  if (dpi <= 0) return;
  dpi_ = dpi;
  SetLayoutDpi(hwnd_, dpi);
  GuiFont font(dpi);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  for (const ControlSpec& spec : MainWindowControls()) {
    const HWND hwnd = control(spec.id);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    const RECT place = PlaceAt(spec, dpi);
    // SWP_FRAMECHANGED: the single-line boxes centre their line for the new font.
    SetWindowPos(hwnd, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  font_ = std::move(font);  // the old font goes once no control uses it
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

Control MainWindow::IdOf(HWND hwnd) const {
  for (int id = 1; id <= kControlCount; ++id) {
    if (hwnd && controls_[id] == hwnd) return static_cast<Control>(id);
  }
  return kWindow;
}

LRESULT CALLBACK MainWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* window = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcW(hwnd, msg, wp, lp);
  // Nothing may unwind into the window system.
  try {
    return window->Handle(msg, wp, lp);
  } catch (const std::exception& e) {
    FatalError(e.what());
  } catch (...) {
    FatalError("未知错误");
  }
}

LRESULT MainWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      if (lp != 0 && HIWORD(wp) == BN_CLICKED) OnClick(static_cast<Control>(LOWORD(wp)));
      return 0;
    case WM_DRAWITEM:
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
    case WM_ACTIVATE:
      OnActivate(wp);
      return 0;
    case WM_HELP:
      return TRUE;  // F1 does nothing
    case WM_DPICHANGED:
      OnDpiChanged(LOWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_DESTROY:
      SetLayoutDpi(hwnd_, 0);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

// The focused control is remembered while the window is inactive and gets
// the focus back when the window is activated again.
void MainWindow::OnActivate(WPARAM wp) {
  if (LOWORD(wp) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus)) focus_when_inactive_ = focus;
    return;
  }
  HWND target = focus_when_inactive_;
  if (!target || !IsWindow(target)) target = control(Control::kPreview);
  SetFocus(target);
}

void MainWindow::OnClick(Control id) {
  if (!EventsEnabled()) return;
  for (const ClickBinding& binding : kClickBindings) {
    if (binding.button == id) binding.command(*this);
  }
}

LRESULT MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_STATIC) return FALSE;
  PaintLabel(item.hDC, item.rcItem, font_.get(), WindowText(item.hwndItem).c_str());
  return TRUE;
}

}  // namespace island
