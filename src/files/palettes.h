#pragma once

// The palettes written into icon files: black and white for 1-bit images, the 16 standard
// colours for 4-bit images, and a 256-entry table built from each saved image.

#include <array>

#include "pixels/surface.h"

namespace brindlex {

using ColorTable2 = std::array<Color, 2>;
using ColorTable16 = std::array<Color, 16>;
using ColorTable256 = std::array<Color, 256>;

// The two fixed palettes, as the start routine fills them.
struct StandardPalettes {
  ColorTable2 palette2;
  ColorTable16 palette16;
};

// Builds the fixed palettes: `Palette2` black, white; `Palette16` the 16 standard colours.
constexpr StandardPalettes FillStandardPalettes() {
  return {
      {kBlack, kWhite},
      {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0, 0x808080,
       0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF},
  };
}

inline constexpr ColorTable2 Palette2 = FillStandardPalettes().palette2;
inline constexpr ColorTable16 Palette16 = FillStandardPalettes().palette16;

// Index of `c` in `Palette16`, or -1 when it is none of the 16 colours.
int Palette16Index(Color c);

// The 256-entry palette of an 8-bit icon or cursor: entry 0 black, entry 255 white, and the
// other colours of the plane in entries 1 to 254 in the order they first occur, scanning
// rows from the top, each left to right. Colours past entry 254 are left out; entries not
// filled are 0.
ColorTable256 BuildIconPalette(const Surface& color_plane);

}  // namespace brindlex
