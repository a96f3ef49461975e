// The main window as data: its frame and the 31 controls, each with its
// container, place, size, text and initial state, in creation order.
#pragma once

#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "ui/control_ids.h"

namespace island {

enum class ControlKind {
  kGroupBox,
  kLabel,
  kEdit,         // single line
  kPreviewEdit,  // multi-line with both scroll bars
  kIntegerEdit,  // single line, whole numbers only
  kRadio,
  kPushButton,
};

struct ControlSpec {
  Control id;
  ControlKind kind;
  Control container;  // kWindow or a group box
  int left, top;      // from the container's top-left corner
  int width, height;  // outer size
  std::string_view text;
  bool checked;
};

struct WindowSpec {
  std::string_view title;
  int width, height;  // outer size, frame and caption included
};

const WindowSpec& MainWindowSpec();
const std::array<ControlSpec, kControlCount>& MainWindowControls();
const ControlSpec& SpecOf(Control id);

bool TakesFocus(ControlKind kind);

// The keyboard order: every control that can take the focus, in creation
// order, whatever container it sits in.
std::vector<Control> FocusOrder();

// The radio buttons that share `radio`'s container, in creation order.
std::vector<Control> RadioGroupOf(Control radio);

// For screen readers: the controls named after another control's text.
// Buttons and radio buttons carry their own captions. (Windows would name an
// edit box after the label just before it by itself, and the controls are
// made in that order, but its rules for which windows count as labels vary
// between versions: the names are given outright.)
struct NameSource {
  Control control;
  Control named_after;
};
std::span<const NameSource> NamedAfterOthers();

}  // namespace island
