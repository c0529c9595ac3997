#pragma once

// Reading one picture out of a file of any kind the RGBA engine takes, told by its content:
// a PNG picture, or an entry of an icon or cursor container (with the cursor's hot spot).

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "files/image_kind.h"
#include "files/rgba_image.h"

namespace brindlex {

// Largest side of a picture read from a file: far beyond any icon, so that a large source
// picture can be scaled down, while a damaged header cannot claim unbounded memory.
constexpr int kMaxPictureEdge = 4096;

// Largest picture file read: what a PNG picture of kMaxPictureEdge pixels a side takes at
// most, its rows of 16-bit red, green, blue and alpha samples stored uncompressed (128 MiB),
// with 2 MiB to spare for the framing of its chunks and for text and colour-profile chunks.
constexpr std::size_t kMaxPictureFileBytes = 130u << 20;
static_assert(std::size_t{kMaxPictureEdge} * (1 + std::size_t{kMaxPictureEdge} * 8) <
              kMaxPictureFileBytes - (1u << 20));

struct FilePicture {
  RgbaImage image;
  bool is_png = false;
  int bit_count = 0;  // of an icon or cursor entry; 32 for PNG
  int hot_spot_x = 0, hot_spot_y = 0;
  int inverting_pixels = 0;               // see EntryDecodeResult
  std::vector<InvertingPixel> inverting;  // see EntryDecodeResult
  std::vector<std::uint8_t> png_source;   // the PNG stream read, for a PNG picture or entry
};

enum class PictureReadStatus {
  kOk,
  kUnknownKind,  // neither a PNG picture nor an icon or cursor container
  kNoSuchImage,  // the index lies past the file's images (`image_count` says how many)
  kWrongSize,    // a side is 0 or above kMaxPictureEdge (`width`, `height` say what)
  kDamaged,      // the directory or the picture's data cannot be read or decoded
};

struct PictureReadResult {
  PictureReadStatus status = PictureReadStatus::kUnknownKind;
  ImageKind kind = ImageKind::kUnknown;
  int image_count = 0;
  long long width = 0, height = 0;
};

// Reads picture `index` of the file (a PNG picture holds one, index 0). `picture` is changed
// only when the status is kOk.
PictureReadResult ReadFilePicture(std::span<const std::uint8_t> file, int index,
                                  FilePicture& picture);

}  // namespace brindlex
