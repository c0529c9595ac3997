#pragma once

// Encoding an RGBA picture as one bare icon or cursor entry (what a directory entry points
// at): a 32-bit bitmap with mask, a bitmap at the smallest depth that holds it, or a PNG
// stream.

#include <cstdint>
#include <vector>

#include "files/rgba_image.h"

namespace brindlex {

// The bytes of a 32-bit entry of the picture: a 40-byte information header (height twice the
// picture's, bit count 32, image size the colour and mask rows), blue, green, red, alpha rows
// bottom line first, then the mask rows with a bit set where alpha is 0. Every byte of the
// picture is kept as it is. Empty when the picture is empty, malformed or wider or higher
// than 256 pixels.
std::vector<std::uint8_t> EncodeBgra32Entry(const RgbaImage& image);

}  // namespace brindlex
