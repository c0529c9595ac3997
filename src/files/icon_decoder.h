#pragma once

#include <cstdint>

#include "files/icon_format.h"
#include "pixels/surface.h"

namespace brindlex {

// What the directory entry and the image's own header say about one stored image.
struct IconImageInfo {
  bool is_png = false;
  // Bitmap images: the header's width and its height halved (truncating). PNG images: the
  // width and height of the PNG header.
  std::int64_t width = 0;
  std::int64_t height = 0;
  // The bitmap header's bit count; 32 for PNG images.
  int bit_count = 0;
  std::uint32_t image_offset = 0;
  std::uint32_t bytes_in_resource = 0;
  // Bitmap images: the header's own size field and its colours-used field.
  std::uint32_t header_size = 0;
  std::uint32_t colors_used = 0;
};

// Reads directory entry `index` and the header of the image it points to (40 bytes of a
// bitmap header, or the first 24 bytes of a PNG stream). False when `index` is not below
// the file's image count or any of these bytes lies outside the file.
bool ReadIconImageInfo(IconFileBytes bytes, int index, IconImageInfo& info);

// True for an image size the decoder takes: both sides above 0 and at most 2048 x 2048
// pixels in all, whatever the shape.
bool DecodableSize(std::int64_t width, std::int64_t height);

// Decodes image `index` into a mask plane (white transparent, black opaque) and a colour
// plane, both width x height. The image must really have that size (its own header says
// so) and the size must be decodable (above); bitmap images of 1, 4, 8, 24 and 32 bits and
// PNG images are decoded:
//  - 1, 4 and 8 bits index the palette; when the header's colours-used field names fewer
//    entries than the depth allows, only that many are stored. An index past the stored
//    palette gives black.
//  - 24 bits are blue, green, red.
//  - 32 bits (blue, green, red, alpha) and PNG: a pixel is opaque in its colour when its
//    alpha is at least 128, else transparent (mask white, colour black); a 32-bit image's
//    mask rows are then ignored. A 32-bit image whose alpha bytes are all 0 carries no alpha:
//    its mask alone decides, and without mask rows every pixel is opaque. Mask rows are
//    taken only when the entry's bytes-in-resource length holds them; past it lies the next
//    image.
// Every byte read is checked against the file's length. False on any fault; the planes are
// then left unchanged. When `soft_alpha` is given it tells whether the image carries alpha
// values other than 0 and 255 (partly transparent pixels that the rule above made opaque or
// transparent).
bool DecodeIconEntry(IconFileBytes bytes, int index, int width, int height, Surface& mask,
                     Surface& color, bool* soft_alpha = nullptr);

}  // namespace brindlex
