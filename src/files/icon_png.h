#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace brindlex {

// True when `data` starts with the PNG signature.
bool StartsWithPng(std::span<const std::uint8_t> data);

// Width and height from the header chunk of the PNG stream `data`. False when the first
// chunk is not a complete header chunk.
bool ReadPngSize(std::span<const std::uint8_t> data, std::uint32_t& width, std::uint32_t& height);

// Whether the PNG stream `data` is long enough to hold the image data of a width x height
// picture: deflate shrinks data at most 1032 times, so a stream shorter than the smallest
// image data of that size (1 bit a pixel and a filter byte a row) shrunk that much cannot
// hold its pixels.
bool PngStreamCanHold(std::span<const std::uint8_t> data, std::int64_t width, std::int64_t height);

// Decodes the PNG stream `data`, which must be width x height, into width * height pixels of
// red, green, blue, alpha bytes (8 bits each, no gamma change). False on any damage or a
// size other than the one expected, and before anything is allocated for a stream that
// cannot hold that size (PngStreamCanHold). The common shape goes to DecodePlainPng, the
// rest to libpng. Throws std::bad_alloc when there is not enough memory for the pixels or
// the decoding.
bool DecodePngRgba(std::span<const std::uint8_t> data, int width, int height,
                   std::vector<std::uint8_t>& rgba);

// The same through libpng alone, for every colour type, depth and interlacing.
bool DecodePngRgbaWithLibpng(std::span<const std::uint8_t> data, int width, int height,
                             std::vector<std::uint8_t>& rgba);

}  // namespace brindlex
