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

// Whether EncodeSmallestEntry stores the picture as a PNG stream: when `png` is set or a side
// is 256 pixels.
bool StoresAsPng(const RgbaImage& image, bool png);

// The picture as its smallest lossless entry:
//  - a PNG stream (EncodeSmallestPng, with `png_source`, a PNG stream the picture was read
//    from, if any) when StoresAsPng;
//  - else, with a partly transparent pixel, the 32-bit entry above;
//  - else a bitmap with a mask set where alpha is 0, transparent pixels stored black under
//    it as the editor stores them, and the `inverting` pixels (inside the picture) stored
//    with their mask bit set over their colour. Its depth is the smallest that holds every
//    colour of the bitmap, black included when a pixel is transparent: the editor's fixed
//    palettes (ChooseColorDepth: 1-bit black and white, 4-bit standard colours, 8-bit icon
//    palette, else 24-bit) when they need no more bits than a palette of the picture's own
//    colours (OwnPaletteColors: 1 bit for 2 colours, 4 for 16, 8 for 256), else that own
//    palette. Its image-size field is 0, as the editor's writer leaves it.
// Inverting pixels are lost (transparent) in a PNG stream or 32-bit entry. Empty bytes when
// the picture is empty, malformed or larger than 256 pixels on a side.
EncodedEntry EncodeSmallestEntry(const RgbaImage& image, bool png,
                                 std::span<const std::uint8_t> png_source = {},
                                 std::span<const InvertingPixel> inverting = {});

}  // namespace brindlex
