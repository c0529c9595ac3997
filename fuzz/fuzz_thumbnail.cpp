// Fuzzes the thumbnailer's drawing: the input's last byte is the size asked for (1 to 256),
// the bytes before it the file, whatever it is (program, library, animated cursor, icon).
// A drawn thumbnail is never larger than the size on either side, holds exactly its pixels,
// and encodes as a PNG picture.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "cli/thumbnail_drawing.h"
#include "files/png_export.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int edge = 1 + data[size - 1];
  brindlex::IconLibrary library;
  library.Open(std::span<const std::uint8_t>(data, size - 1));
  brindlex::RgbaImage thumbnail;
  if (brindlex::DrawThumbnail(library, edge, thumbnail) != brindlex::ThumbnailResult::kDrawn)
    return 0;
  Check(thumbnail.width >= 1 && thumbnail.width <= edge);
  Check(thumbnail.height >= 1 && thumbnail.height <= edge);
  Check(brindlex::IsWellFormed(thumbnail));
  std::vector<std::uint8_t> png;
  Check(brindlex::EncodePngRgba(thumbnail.width, thumbnail.height, thumbnail.pixels, png,
                                brindlex::PngCompression::kFast));
  return 0;
}
