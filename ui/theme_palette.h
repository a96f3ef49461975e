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
  Rgb disabled;
  // Radio buttons and check boxes look the same in every scheme.
  Rgb indicator_outline;
  Rgb indicator_hot;
  Rgb indicator_mark;
  Rgb indicator_fill;
};

inline constexpr int kFirstScheme = 1;
inline constexpr int kLastScheme = 3;

inline bool IsScheme(int scheme) {
  return scheme >= kFirstScheme && scheme <= kLastScheme;
}

// The palette of scheme 1, 2 or 3.
const Palette& PaletteOf(int scheme);

}  // namespace island
