#include "ui/theme_palette.h"

namespace island {
namespace {

// clang-format off
constexpr Palette kPalettes[] = {
  // edit border      button border  face top         face bottom      button hot      group frame
  {{127, 157, 185},  {0, 60, 116},  {255, 255, 255}, {214, 228, 247}, {248, 179, 48}, {208, 208, 191}},  // 1: blue
  {{164, 185, 127},  {55, 98, 6},   {255, 255, 255}, {222, 231, 196}, {248, 179, 48}, {208, 208, 191}},  // 2: olive green
  {{198, 197, 215},  {0, 60, 116},  {252, 252, 251}, {198, 197, 215}, {248, 179, 48}, {191, 184, 191}},  // 3: silver
};
// clang-format on

}  // namespace

const Palette& PaletteOf(int scheme) {
  return kPalettes[(IsScheme(scheme) ? scheme : kLastScheme) - kFirstScheme];
}

}  // namespace island
