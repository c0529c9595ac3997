// Fuzzes the PNG-to-icon path of brindlex-tool: a PNG picture read as an icon image and
// saved as the editor saves it. Whatever decodes must give clean planes, write an icon file
// that reads back to the same planes, and write a PNG that imports to the same planes again.

#include <cstdint>
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Surface mask, color;
  const PngImportResult result = ImportPngIcon({data, size}, mask, color);
  if (result.status != PngImportStatus::kOk) {
    Check(mask.Width() == 0 && color.Width() == 0);
    return 0;
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
  return 0;
}
