#pragma once

// The PNG shape nearly every large icon and theme picture has: 8-bit RGB or RGBA, not
// interlaced, no transparency chunk, compressed with deflate's whole window. It is decoded
// here with libdeflate, in about a third of libpng's time, which is most of reading a large
// picture. Anything else, and any stream with the least damage, is left to libpng; a stream
// both decode gives the same pixels. (libpng refuses a few sound streams taken here, such as
// one with an ancillary chunk longer than it will read.)

#include <cstdint>
#include <span>
#include <vector>

namespace brindlex {

// Decodes `data` into width * height pixels of red, green, blue, alpha bytes (opaque where the
// stream has no alpha). False, with `rgba` untouched, when the stream is not of that shape or
// size, or is not wholly sound (a checksum, the compressed data, a filter type). Throws
// std::bad_alloc when there is not enough memory for the pixels or the inflating.
bool DecodePlainPng(std::span<const std::uint8_t> data, int width, int height,
                    std::vector<std::uint8_t>& rgba);

}  // namespace brindlex
