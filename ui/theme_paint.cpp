#include "ui/theme_paint.h"

#include <algorithm>

#include "ui/dpi.h"
#include "ui/scoped_win.h"

namespace island {
namespace {

constexpr int kIndicatorSize = 13;

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void FillVertical(HDC dc, const RECT& rect, Rgb top, Rgb bottom) {
  TRIVERTEX v[2] = {
      {rect.left, rect.top, static_cast<COLOR16>(top.r << 8), static_cast<COLOR16>(top.g << 8),
       static_cast<COLOR16>(top.b << 8), 0},
      {rect.right, rect.bottom, static_cast<COLOR16>(bottom.r << 8),
       static_cast<COLOR16>(bottom.g << 8), static_cast<COLOR16>(bottom.b << 8), 0},
  };
  GRADIENT_RECT mesh = {0, 1};
  GdiGradientFill(dc, v, 2, &mesh, 1, GRADIENT_FILL_RECT_V);
}

// An outline `w` pixels wide in one colour, with the corner squares left
// out: rounded to the eye.
void RoundedFrame(HDC dc, const RECT& r, COLORREF colour, int w) {
  const RECT edges[] = {
      {r.left + w, r.top, r.right - w, r.top + w},
      {r.left + w, r.bottom - w, r.right - w, r.bottom},
      {r.left, r.top + w, r.left + w, r.bottom - w},
      {r.right - w, r.top + w, r.right, r.bottom - w},
  };
  for (const RECT& e : edges) FillSolid(dc, e, colour);
}

void DrawCaption(const ButtonLook& look, HDC dc, RECT area, UINT align) {
  Selection font(dc,
                 look.font ? static_cast<HGDIOBJ>(look.font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, look.enabled ? RGB(0, 0, 0) : ToColorRef(kDisabled));
  UINT format = align | DT_NOPREFIX;
  if (look.multiline) {
    // Centre a wrapped caption vertically by measuring it first.
    RECT measured = area;
    DrawTextW(dc, look.text.data(), static_cast<int>(look.text.size()), &measured,
              format | DT_WORDBREAK | DT_CALCRECT);
    const int height = measured.bottom - measured.top;
    if (height < area.bottom - area.top) {
      area.top += (area.bottom - area.top - height) / 2;
      area.bottom = area.top + height;
    }
    format |= DT_WORDBREAK;
  } else {
    format |= DT_SINGLELINE | DT_VCENTER;
  }
  DrawTextW(dc, look.text.data(), static_cast<int>(look.text.size()), &area, format);
}

}  // namespace

COLORREF ToColorRef(Rgb c) {
  return RGB(c.r, c.g, c.b);
}

void PaintPushButton(const ButtonLook& look, const Palette& palette, HDC dc, const RECT& rect) {
  const int line = Scale(1, look.dpi);
  FillSolid(dc, rect, GetSysColor(COLOR_BTNFACE));
  RECT face = rect;
  InflateRect(&face, -line, -line);
  if (look.pressed) {
    FillVertical(dc, face, palette.button_face_bottom, palette.button_face_top);
  } else {
    FillVertical(dc, face, palette.button_face_top, palette.button_face_bottom);
  }
  RoundedFrame(dc, rect, ToColorRef(look.enabled ? palette.button_border : kDisabled), line);
  if (look.hot && look.enabled && !look.pressed) {
    RoundedFrame(dc, face, ToColorRef(palette.button_hot), line);
  }
  RECT text = rect;
  InflateRect(&text, -Scale(3, look.dpi), -Scale(2, look.dpi));
  if (look.pressed) OffsetRect(&text, line, line);
  DrawCaption(look, dc, text, DT_CENTER);
  if (look.focused) {
    RECT focus = rect;
    InflateRect(&focus, -Scale(3, look.dpi), -Scale(3, look.dpi));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &focus);
  }
}

void PaintIndicatorButton(Indicator kind, const ButtonLook& look, HDC dc, const RECT& rect) {
  auto px = [&](int value) { return Scale(value, look.dpi); };
  FillSolid(dc, rect, GetSysColor(COLOR_BTNFACE));
  const int size = std::min<int>(px(kIndicatorSize), rect.bottom - rect.top);
  const int top = rect.top + (rect.bottom - rect.top - size) / 2;
  const RECT box = {rect.left, top, rect.left + size, top + size};
  const COLORREF outline = ToColorRef(look.enabled ? kIndicatorOutline : kDisabled);

  Brush fill(CreateSolidBrush(ToColorRef(kIndicatorFill)));
  Pen outline_pen(CreatePen(PS_SOLID, px(1), outline));
  {
    Selection brush(dc, fill.get());
    Selection pen(dc, outline_pen.get());
    if (kind == Indicator::kRadio) {
      Ellipse(dc, box.left, box.top, box.right, box.bottom);
    } else {
      Rectangle(dc, box.left, box.top, box.right, box.bottom);
    }
  }
  if (look.hot && look.enabled) {
    Pen hot_pen(CreatePen(PS_SOLID, px(2), ToColorRef(kIndicatorHot)));
    Selection brush(dc, GetStockObject(NULL_BRUSH));
    Selection pen(dc, hot_pen.get());
    if (kind == Indicator::kRadio) {
      Ellipse(dc, box.left + px(2), box.top + px(2), box.right - px(1), box.bottom - px(1));
    } else {
      Rectangle(dc, box.left + px(2), box.top + px(2), box.right - px(1), box.bottom - px(1));
    }
  }
  if (look.checked) {
    Brush mark(CreateSolidBrush(ToColorRef(kIndicatorMark)));
    Pen mark_pen(CreatePen(PS_SOLID, px(1), ToColorRef(kIndicatorMark)));
    Selection brush(dc, mark.get());
    Selection pen(dc, mark_pen.get());
    if (kind == Indicator::kRadio) {
      Ellipse(dc, box.left + px(4), box.top + px(4), box.right - px(4), box.bottom - px(4));
    } else {
      Rectangle(dc, box.left + px(3), box.top + px(3), box.right - px(3), box.bottom - px(3));
    }
  }
  RECT text = {box.right + px(4), rect.top, rect.right, rect.bottom};
  DrawCaption(look, dc, text, DT_LEFT);
  if (look.focused && !look.text.empty()) {
    RECT measured = text;
    Selection font(dc,
                   look.font ? static_cast<HGDIOBJ>(look.font) : GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc, look.text.data(), static_cast<int>(look.text.size()), &measured,
              DT_LEFT | DT_NOPREFIX | DT_SINGLELINE | DT_CALCRECT);
    const int height = measured.bottom - measured.top;
    RECT focus = {text.left - px(1), text.top + (text.bottom - text.top - height) / 2 - px(1),
                  std::min(measured.right, text.right) + px(1), 0};
    focus.bottom = focus.top + height + px(2);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &focus);
  }
}

void PaintGroupBox(const ButtonLook& look, const Palette& palette, HDC dc, const RECT& rect) {
  FillSolid(dc, rect, GetSysColor(COLOR_BTNFACE));
  Selection font(dc,
                 look.font ? static_cast<HGDIOBJ>(look.font) : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  // The frame runs through the middle of the caption line.
  RECT frame = rect;
  frame.top += metrics.tmHeight / 2;
  RoundedFrame(dc, frame, ToColorRef(palette.group_frame), Scale(1, look.dpi));
  if (look.text.empty()) return;
  const int inset = Scale(8, look.dpi), margin = Scale(2, look.dpi);
  RECT text = {rect.left + inset, rect.top, rect.right - inset, rect.top + metrics.tmHeight};
  RECT measured = text;
  DrawTextW(dc, look.text.data(), static_cast<int>(look.text.size()), &measured,
            DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
  RECT gap = {measured.left - margin, text.top, std::min(measured.right + margin, text.right),
              text.bottom};
  FillSolid(dc, gap, GetSysColor(COLOR_BTNFACE));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, look.enabled ? RGB(0, 0, 0) : ToColorRef(kDisabled));
  DrawTextW(dc, look.text.data(), static_cast<int>(look.text.size()), &text,
            DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
}

void PaintControlBorder(const Palette& palette, HDC dc, const RECT& outer) {
  const COLORREF colour = ToColorRef(palette.edit_border);
  const RECT edges[] = {
      {outer.left, outer.top, outer.right, outer.top + 1},
      {outer.left, outer.bottom - 1, outer.right, outer.bottom},
      {outer.left, outer.top, outer.left + 1, outer.bottom},
      {outer.right - 1, outer.top, outer.right, outer.bottom},
  };
  for (const RECT& e : edges) FillSolid(dc, e, colour);
  // The inner line of the sunken edge becomes the box's own white.
  RECT inner = outer;
  InflateRect(&inner, -1, -1);
  const RECT inner_edges[] = {
      {inner.left, inner.top, inner.right, inner.top + 1},
      {inner.left, inner.bottom - 1, inner.right, inner.bottom},
      {inner.left, inner.top, inner.left + 1, inner.bottom},
      {inner.right - 1, inner.top, inner.right, inner.bottom},
  };
  for (const RECT& e : inner_edges) FillSolid(dc, e, RGB(255, 255, 255));
}

}  // namespace island
