#pragma once

// Writing Windows bitmap files (.bmp) of one full-colour picture, without a mask, at 1, 4,
// 8 or 24 bits, written whole through WriteFileAtomically.

#include <cstdint>
#include <string>
#include <vector>

#include "files/palettes.h"
#include "pixels/surface.h"

namespace brindlex {

constexpr int kBitmapFileHeaderBytes = 14;

// The 256-entry palette of an 8-bit bitmap: every colour of the picture, black and white
// included, in the order it first occurs scanning rows from the top, each left to right,
// from entry 0 on. Colours past the 256th are left out; entries not filled are 0.
ColorTable256 BuildBitmapPalette(const Surface& picture);

// The picture an icon exports as: white, AND the mask plane, XOR the colour plane. A
// transparent pixel comes out white, an opaque one in its colour, an inverting one as the
// inverse of its colour, a partly transparent one as its colour blended over white. The
// planes must have the same size.
Surface ComposeOverWhite(const Surface& mask, const Surface& color);

// Offset of the pixel rows in a bitmap file at a colour count (2, 16, 256, other = 24 bits):
// 62, 118, 1078 or 54.
std::uint32_t BitmapPixelOffset(int color_count);
// Size of the whole bitmap file of a width x height picture at a colour count: 126, 246,
// 1334 or 822 bytes for 16 x 16; 190, 630, 2102, 3126 for 32 x 32.
std::uint32_t BitmapFileSize(int color_count, int width, int height);

// The bytes of a .bmp file of the picture: file header ("BM", size, pixel offset), a 40-byte
// bitmap header (height positive, rows bottom line first), the palette of the depth
// (Palette2, Palette16 or the bitmap palette; none for 24 bits) and the pixel rows. False
// when the picture is empty or larger than 256 pixels on a side, or a colour does not fit
// the depth.
bool BuildBitmapFileBytes(const Surface& picture, int color_count, std::vector<std::uint8_t>& out);

// Writes the bitmap file at `path`. Shows nothing; false on any fault, in which case a file
// already at `path` is left as it was.
bool WriteBitmapFile(const Surface& picture, int color_count, const std::string& path);

}  // namespace brindlex
