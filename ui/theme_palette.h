// The colours of the three looks of the theme: 1 blue, 2 olive green,
// 3 silver.
#pragma once

#include <cstdint>

namespace island {

struct Rgb {
  uint8_t r, g, b;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Palette {
  Rgb edit_border;
  Rgb button_border;
  Rgb button_face_top;
  Rgb button_face_bottom;
  Rgb button_hot;  // inner ring of a push button under the mouse
  Rgb group_frame;
};

// The same in every scheme: disabled text and frames, and radio buttons and
// check boxes.
inline constexpr Rgb kDisabled = {161, 161, 146};
inline constexpr Rgb kIndicatorOutline = {28, 81, 128};
inline constexpr Rgb kIndicatorHot = {248, 179, 48};
inline constexpr Rgb kIndicatorMark = {33, 161, 33};
inline constexpr Rgb kIndicatorFill = {255, 255, 255};

inline constexpr int kFirstScheme = 1;
inline constexpr int kLastScheme = 3;

inline bool IsScheme(int scheme) {
  return scheme >= kFirstScheme && scheme <= kLastScheme;
}

// The palette of scheme 1, 2 or 3.
const Palette& PaletteOf(int scheme);

}  // namespace island
