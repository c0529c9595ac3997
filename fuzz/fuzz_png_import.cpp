// Fuzzes the PNG-to-icon path of brindlex-tool: a PNG picture read as an icon image and
// saved as the editor saves it. Whatever decodes must give clean planes, write an icon file
// that reads back to the same planes, and write a PNG that imports to the same planes again.

#include <zlib.h>

#include <cstdint>
#include <span>
#include <vector>

#include "files/color_depth.h"
#include "files/icon_decoder.h"
#include "files/icon_writer.h"
#include "files/png_export.h"
#include "files/png_import.h"

namespace {

using namespace brindlex;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

bool SamePlanes(const Surface& a, const Surface& b) {
  return a.Width() == b.Width() && a.Height() == b.Height() && a.Pixels() == b.Pixels();
}

// A copy of the stream with the checksum of every whole chunk made right, so that mutations
// reach the decoder instead of stopping at the checksum test.
std::vector<std::uint8_t> WithRightChecksums(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> fixed(data, data + size);
  std::size_t at = 8;
  while (at + 12 <= fixed.size()) {
    const std::uint64_t length =
        std::uint64_t{fixed[at]} << 24 | fixed[at + 1] << 16 | fixed[at + 2] << 8 | fixed[at + 3];
    if (length > fixed.size() - at - 12) break;
    const std::size_t crc_at = at + 8 + length;
    const auto crc =
        static_cast<std::uint32_t>(crc32(0, fixed.data() + at + 4, static_cast<uInt>(length + 4)));
    for (int i = 0; i < 4; ++i) fixed[crc_at + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    at = crc_at + 4;
  }
  return fixed;
}

void CheckImport(std::span<const std::uint8_t> data);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckImport({data, size});
  CheckImport(WithRightChecksums(data, size));
  return 0;
}

namespace {

void CheckImport(std::span<const std::uint8_t> data) {
  Surface mask, color;
  const PngImportResult result = ImportPngIcon(data, mask, color);
  if (result.status != PngImportStatus::kOk) {
    Check(mask.Width() == 0 && color.Width() == 0);
    return;
  }
  const int edge = static_cast<int>(result.width);
  Check((edge == 16 || edge == 32 || edge == 48) && result.height == result.width);
  Check(mask.Width() == edge && mask.Height() == edge && color.Width() == edge);
  for (std::size_t i = 0; i < mask.Pixels().size(); ++i) {
    const Color m = mask.Pixels()[i];
    Check(m == kBlack || (m == kWhite && color.Pixels()[i] == kBlack));
  }

  std::vector<std::uint8_t> icon;
  Check(BuildIconFileBytes(mask, color, ChooseColorDepth(color, true), icon));
  Surface read_mask, read_color;
  Check(DecodeIconEntry(icon, 0, edge, edge, read_mask, read_color));
  Check(SamePlanes(mask, read_mask) && SamePlanes(color, read_color));

  std::vector<std::uint8_t> rgba, png;
  Check(RgbaFromPlanes(mask, color, rgba) == 0);  // a PNG gives no inverting pixels
  Check(EncodePngRgba(edge, edge, rgba, png));
  Surface again_mask, again_color;
  Check(ImportPngIcon(png, again_mask, again_color).status == PngImportStatus::kOk);
  Check(SamePlanes(mask, again_mask) && SamePlanes(color, again_color));
}

}  // namespace
