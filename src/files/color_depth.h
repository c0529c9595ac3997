#pragma once

#include "pixels/surface.h"

namespace brindlex {

// Colour counts the writers take as the depth: 2 (1 bit), 16 (4 bits), 256 (8 bits),
// kAlphaColorCount (32 bits: blue, green, red, alpha); any other value, kTrueColorCount in
// practice, means 24 bits.
constexpr int kMonoColorCount = 2;
constexpr int k16ColorCount = 16;
constexpr int k256ColorCount = 256;
constexpr int kTrueColorCount = -1;
constexpr int kAlphaColorCount = -32;

// The smallest depth that holds every colour of the plane exactly:
//  - kAlphaColorCount when a pixel is partly transparent (only icons and cursors have such);
//  - else 2 when every pixel is black or white;
//  - else 16 when every pixel is one of the 16 standard colours;
//  - else, with `black_white_fixed` (icons and cursors, whose 8-bit palette reserves black
//    and white), 256 when at most 254 other colours occur; without it (bitmaps), 256 when at
//    most 256 colours occur in all;
//  - else kTrueColorCount.
// Transparent pixels hold black and count as black.
int ChooseColorDepth(const Surface& color_plane, bool black_white_fixed);

// The bit count written for a colour count: 1, 4, 8, 32, or 24 for any other value.
constexpr int BitCountForColorCount(int color_count) {
  return color_count == kMonoColorCount    ? 1
         : color_count == kAlphaColorCount ? 32
         : color_count == k16ColorCount    ? 4
         : color_count == k256ColorCount   ? 8
                                           : 24;
}

}  // namespace brindlex
