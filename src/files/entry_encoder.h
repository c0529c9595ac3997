#pragma once

// Encoding an RGBA picture as one bare icon or cursor entry (what a directory entry points
// at): a 32-bit bitmap with mask, a bitmap at the smallest depth that holds it, or a PNG
// stream.

#include <cstdint>
#include <span>
#include <vector>

#include "files/rgba_image.h"

namespace brindlex {

// The bytes of a 32-bit entry of the picture: a 40-byte information header (height twice the
// picture's, bit count 32, image size the colour and mask rows), blue, green, red, alpha rows
// bottom line first, then the mask rows with a bit set where alpha is 0. Every byte of the
// picture is kept as it is. Empty when the picture is empty, malformed or wider or higher
// than 256 pixels.
std::vector<std::uint8_t> EncodeBgra32Entry(const RgbaImage& image);

// One entry encoded, with what its directory entry says about it.
struct EncodedEntry {
  std::vector<std::uint8_t> bytes;
  bool is_png = false;
  int bit_count = 0;  // 1, 4, 8, 24 or 32 (32 for PNG streams too)
};

// The picture as its smallest lossless entry:
//  - a PNG stream (EncodeSmallestPng, with `png_source`, a PNG stream the picture was read
//    from, if any) when `png` is set or a side is 256 pixels;
//  - else, with a partly transparent pixel, the 32-bit entry above;
//  - else a bitmap at the smallest depth that holds every opaque colour (ChooseColorDepth:
//    1-bit black and white, 4-bit standard colours, 8-bit icon palette, else 24-bit) with a
//    mask set where alpha is 0; transparent pixels are stored black under the mask, as the
//    editor stores them. Its image-size field is 0, as the editor's writer leaves it.
// Empty bytes when the picture is empty, malformed or larger than 256 pixels on a side.
EncodedEntry EncodeSmallestEntry(const RgbaImage& image, bool png,
                                 std::span<const std::uint8_t> png_source = {});

}  // namespace brindlex
