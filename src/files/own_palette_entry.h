#pragma once

// Encoding an icon or cursor image as a bitmap entry whose palette holds the image's own
// colours rather than a fixed set: a picture of three colours fits 4 bits, of two 1 bit,
// whatever the colours are. The editor's writer keeps its fixed palettes; this serves the
// tool's smallest entries.

#include <cstdint>
#include <vector>

#include "pixels/surface.h"

namespace brindlex {

// The distinct colours of the colour plane in the order they first occur, scanning rows from
// the top, each left to right (a transparent pixel holds black and counts as black); empty
// when there are more than 256.
std::vector<Color> OwnPaletteColors(const Surface& color_plane);

// The fewest bits whose palette holds `colors` entries: 1 for up to 2, 4 for up to 16, 8 for
// up to 256; 0 for none or more than 256.
int OwnPaletteBitCount(std::size_t colors);

// Appends one image resource: a 40-byte information header (its image-size field 0), the
// palette at OwnPaletteBitCount bits, filled up to 2, 16 or 256 entries with black, the
// colour rows as indices into it and the mask rows of `mask`. False, `out` unchanged, when
// the planes differ in size or are empty or larger than 256 pixels on a side, or the palette
// is empty, too long or lacks a colour of the plane.
bool AppendOwnPaletteResource(const Surface& mask, const Surface& color,
                              const std::vector<Color>& palette, std::vector<std::uint8_t>& out);

}  // namespace brindlex
