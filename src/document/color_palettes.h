#pragma once

#include <array>

#include "pixels/surface.h"

namespace brindlex {

// The colour controls that take the mouse: the three palettes and the transparent swatch.
// Also names the control that holds the pointer confined while a button is down on it.
enum class PaletteControl { kNone, kPicPal, kPicGreyPal, kPicMiniPal, kPicScreen };

// Sizes of the areas the palettes are drawn in.
constexpr int kColorFieldWidth = 51, kColorFieldHeight = 335;
constexpr int kGreyRampWidth = 92, kGreyRampHeight = 32;
constexpr int kMiniPaletteWidth = 96, kMiniPaletteHeight = 52;
constexpr int kTransparentSwatchWidth = 51, kTransparentSwatchHeight = 13;
// One cell of the basic-colour grid.
constexpr int kMiniCellWidth = 24, kMiniCellHeight = 13;

// The 16 basic colours, 0x00BBGGRR, in the order of the 4 x 4 grid (row by row).
inline constexpr std::array<Color, 16> kBasicColors = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

struct Rgb {
  int red, green, blue;
};

// Hue h in sixths of the colour circle (0 red, 1 yellow, 2 green, 3 cyan, 4 blue, 5
// magenta; values of 5 and above stay in the last sextant), lightness and saturation in
// 0..1. Each component is 255 times its share, rounded to nearest with ties to even.
Rgb HslToRgb(double hue, double lightness, double saturation);
// The colour 0x00BBGGRR of a component triple.
constexpr Color RgbColor(Rgb c) {
  return static_cast<Color>(c.red) | static_cast<Color>(c.green) << 8 |
         static_cast<Color>(c.blue) << 16;
}

// Resizes the surface to 51 x 335 and fills it with the colour field: row y has hue
// y / 66.8, column x lightness 0.02·x (added up column by column), full saturation.
void DrawColorPalette(Surface& palette);
// Resizes to 92 x 32: column k is the grey of level k·256/91 rounded, at most 255.
void DrawGreyPalette(Surface& palette);
// Resizes to 96 x 52: the basic colours in 24 x 13 cells, each framed by an etched edge.
void DrawMiniPalette(Surface& palette);
// Resizes to 51 x 13: the empty-cell hatch (black where (x + y) is a multiple of 4) on
// white, with a white margin of one pixel.
void DrawTransparentSwatch(Surface& swatch);

// The basic colour under a point of the grid; points beyond the grid take the nearest cell.
Color BasicColorAt(int x, int y);

}  // namespace brindlex
