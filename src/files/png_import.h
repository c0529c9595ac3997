#pragma once

// Reading a PNG picture as an icon image: a square of 16, 32 or 48 pixels in any colour type
// and bit depth, its alpha turned into the icon's mask the way a PNG image inside an icon
// file is opened.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "pixels/surface.h"

namespace brindlex {

enum class PngImportStatus {
  kOk,
  kNotPng,           // the data does not start with a PNG signature and header chunk
  kUnsupportedSize,  // the header gives a size other than 16, 32 or 48 pixels square
  kDamaged,          // the stream cannot be decoded (truncated, bad checksums, bad data)
};

struct PngImportResult {
  PngImportStatus status = PngImportStatus::kNotPng;
  // The size the header chunk gives (set for every status but kNotPng).
  std::uint32_t width = 0;
  std::uint32_t height = 0;
};

// Turns width x height pixels of red, green, blue, alpha bytes into icon planes: a pixel whose
// alpha is at least 128 is opaque in its colour (mask black), any other is transparent (mask
// white, colour black).
void PlanesFromRgba(int width, int height, std::span<const std::uint8_t> rgba, Surface& mask,
                    Surface& color);

// Decodes the PNG stream `data` into icon planes. The size is checked in the header chunk
// before anything is decoded, so no more than a 48 x 48 image is ever allocated. Palette,
// grey and true-colour images at every bit depth are read, with transparency from an alpha
// channel or a tRNS chunk; 16-bit samples are rounded to 8 bits; interlaced images are read
// whole. The planes are changed only when the status is kOk.
PngImportResult ImportPngIcon(std::span<const std::uint8_t> data, Surface& mask, Surface& color);

}  // namespace brindlex
