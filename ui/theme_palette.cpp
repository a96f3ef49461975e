#include "ui/theme_palette.h"

namespace island {
namespace {

constexpr Rgb kIndicatorOutline = {28, 81, 128};
constexpr Rgb kIndicatorHot = {248, 179, 48};
constexpr Rgb kIndicatorMark = {33, 161, 33};
constexpr Rgb kIndicatorFill = {255, 255, 255};
constexpr Rgb kDisabled = {161, 161, 146};

constexpr Palette kPalettes[] = {
    // 1: blue
    {{127, 157, 185},
     {0, 60, 116},
     {255, 255, 255},
     {214, 228, 247},
     {248, 179, 48},
     {208, 208, 191},
     kDisabled,
     kIndicatorOutline,
     kIndicatorHot,
     kIndicatorMark,
     kIndicatorFill},
    // 2: olive green
    {{164, 185, 127},
     {55, 98, 6},
     {255, 255, 255},
     {222, 231, 196},
     {248, 179, 48},
     {208, 208, 191},
     kDisabled,
     kIndicatorOutline,
     kIndicatorHot,
     kIndicatorMark,
     kIndicatorFill},
    // 3: silver
    {{198, 197, 215},
     {0, 60, 116},
     {252, 252, 251},
     {198, 197, 215},
     {248, 179, 48},
     {191, 184, 191},
     kDisabled,
     kIndicatorOutline,
     kIndicatorHot,
     kIndicatorMark,
     kIndicatorFill},
};

}  // namespace

const Palette& PaletteOf(int scheme) {
  return kPalettes[(IsScheme(scheme) ? scheme : kLastScheme) - kFirstScheme];
}

}  // namespace island
