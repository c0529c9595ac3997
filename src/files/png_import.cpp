#include "files/png_import.h"

#include "files/icon_png.h"

namespace brindlex {

namespace {

// Alpha from which a pixel counts as opaque, as for 32-bit and PNG images inside icon files.
constexpr std::uint8_t kOpaqueAlpha = 128;

bool IsIconEdge(std::uint32_t edge) { return edge == 16 || edge == 32 || edge == 48; }

}  // namespace

void PlanesFromRgba(int width, int height, std::span<const std::uint8_t> rgba, Surface& mask,
                    Surface& color) {
  Surface new_mask(width, height, kWhite);
  Surface new_color(width, height, kBlack);
  const std::size_t pixels = static_cast<std::size_t>(width) * height;
  const std::uint8_t* p = rgba.data();
  for (std::size_t i = 0; i < pixels && (i + 1) * 4 <= rgba.size(); ++i, p += 4) {
    if (p[3] < kOpaqueAlpha) continue;
    const int x = static_cast<int>(i % width), y = static_cast<int>(i / width);
    new_mask.Row(y)[x] = kBlack;
    new_color.Row(y)[x] = static_cast<Color>(p[0]) | (static_cast<Color>(p[1]) << 8) |
                          (static_cast<Color>(p[2]) << 16);
  }
  mask = std::move(new_mask);
  color = std::move(new_color);
}

PngImportResult ImportPngIcon(std::span<const std::uint8_t> data, Surface& mask, Surface& color) {
  PngImportResult result;
  if (!ReadPngSize(data, result.width, result.height)) return result;
  if (!IsIconEdge(result.width) || result.width != result.height) {
    result.status = PngImportStatus::kUnsupportedSize;
    return result;
  }
  const int edge = static_cast<int>(result.width);
  std::vector<std::uint8_t> rgba;
  if (!DecodePngRgba(data, edge, edge, rgba)) {
    result.status = PngImportStatus::kDamaged;
    return result;
  }
  PlanesFromRgba(edge, edge, rgba, mask, color);
  result.status = PngImportStatus::kOk;
  return result;
}

}  // namespace brindlex
