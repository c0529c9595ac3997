#pragma once

// Encoding an RGBA picture as the smallest PNG stream this encoder finds for it, without
// losing a byte of any pixel: the smallest lossless colour type (palette with transparency,
// grey, grey and alpha, RGB or RGBA) and the row filter that compresses it best at zlib's
// highest level (every candidate tried at that level on small pictures; on large ones the
// candidates ranked by zlib's quickest level, the best then compressed with a shortened
// match search). Only the
// chunks that make the pixels are written, so the same picture always gives the same bytes.

#include <cstdint>
#include <vector>

#include "files/rgba_image.h"

namespace brindlex {

// The smallest PNG stream found for the picture. Decoded to 8-bit RGBA it gives back every
// byte of `image`. Empty when the picture is malformed.
std::vector<std::uint8_t> EncodeSmallestPng(const RgbaImage& image);

}  // namespace brindlex
