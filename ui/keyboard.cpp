#include "ui/keyboard.h"

#include <algorithm>
#include <vector>

#include "ui/layout.h"
#include "ui/main_window.h"

namespace island {
namespace {

bool Held(int key) {
  return GetKeyState(key) < 0;
}

// Where `current` stands in `list`; the first place if it is not there.
size_t IndexIn(const std::vector<Control>& list, Control current) {
  const auto found = std::find(list.begin(), list.end(), current);
  return found == list.end() ? 0 : static_cast<size_t>(found - list.begin());
}

// The place after (or before) `current` in `list`, wrapping round.
size_t NextIndex(const std::vector<Control>& list, Control current, bool backwards) {
  const size_t here = IndexIn(list, current);
  return backwards ? (here + list.size() - 1) % list.size() : (here + 1) % list.size();
}

void MoveFocus(const MainWindow& window, Control current, bool backwards) {
  const std::vector<Control> order = FocusOrder();
  SetFocus(window.control(order[NextIndex(order, current, backwards)]));
}

void MoveInRadioGroup(const MainWindow& window, Control current, bool backwards) {
  const std::vector<Control> group = RadioGroupOf(current);
  const size_t next = NextIndex(group, current, backwards);
  for (size_t i = 0; i < group.size(); ++i) {
    SendMessageW(window.control(group[i]), BM_SETCHECK, i == next ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  SetFocus(window.control(group[next]));
}

}  // namespace

bool HandleWindowKey(const MainWindow& window, const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  if (msg.hwnd != window.hwnd() && !IsChild(window.hwnd(), msg.hwnd)) return false;
  if (Held(VK_CONTROL) || Held(VK_MENU)) return false;

  const Control focus = window.IdOf(GetFocus());
  const bool shift = Held(VK_SHIFT);
  switch (msg.wParam) {
    case VK_TAB:
      MoveFocus(window, focus, shift);
      return true;
    case VK_ESCAPE:
      if (shift) return false;
      SendMessageW(window.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
    case VK_RETURN:
      if (shift) return false;
      return focus != Control::kPreview;  // no default button; Enter only breaks lines
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      if (shift || focus == kWindow || SpecOf(focus).kind != ControlKind::kRadio) return false;
      MoveInRadioGroup(window, focus, msg.wParam == VK_LEFT || msg.wParam == VK_UP);
      return true;
    case VK_F1:
      return !shift;
    default:
      return false;
  }
}

}  // namespace island
