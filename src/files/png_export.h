#pragma once

// Writing an icon image as a PNG picture: 8-bit red, green, blue and alpha, not interlaced.

#include <cstdint>
#include <span>
#include <vector>

#include "pixels/surface.h"

namespace brindlex {

// The planes as red, green, blue, alpha bytes, row by row from the top: an opaque pixel
// (mask not white) in its colour with alpha 255; a transparent pixel (mask white, colour
// black) as 0, 0, 0, 0. An inverting pixel (mask white, colour not black) shows the inverse
// of what lies behind it, which a PNG cannot hold: it is written transparent as well and
// counted. Returns the number of inverting pixels. The planes must be the same size.
int RgbaFromPlanes(const Surface& mask, const Surface& color, std::vector<std::uint8_t>& rgba);

// How hard a PNG stream is compressed: zlib's default level, or its fastest level and
// no row filter, for pictures made often and kept briefly (thumbnails), where
// compressing costs more than the bytes it saves.
enum class PngCompression { kDefault, kFast };

// Encodes width x height pixels of red, green, blue, alpha bytes as a PNG stream (no
// interlacing, no ancillary chunks: the same pixels always give the same bytes). False when
// the size is not positive or `rgba` does not hold exactly that many pixels. Throws
// std::bad_alloc when there is not enough memory for the encoding.
bool EncodePngRgba(int width, int height, std::span<const std::uint8_t> rgba,
                   std::vector<std::uint8_t>& out,
                   PngCompression compression = PngCompression::kDefault);

}  // namespace brindlex
