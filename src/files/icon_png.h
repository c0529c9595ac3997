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

// Decodes the PNG stream `data`, which must be width x height, into width * height pixels of
// red, green, blue, alpha bytes (8 bits each, no gamma change). False on any damage or a
// size other than the one expected. The common shape goes to DecodePlainPng, the rest to
// libpng.
bool DecodePngRgba(std::span<const std::uint8_t> data, int width, int height,
                   std::vector<std::uint8_t>& rgba);

// The same through libpng alone, for every colour type, depth and interlacing.
bool DecodePngRgbaWithLibpng(std::span<const std::uint8_t> data, int width, int height,
                             std::vector<std::uint8_t>& rgba);

}  // namespace brindlex
