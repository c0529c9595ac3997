#include "files/entry_encoder.h"

#include "files/color_depth.h"
#include "files/entry_decoder.h"
#include "files/icon_format.h"
#include "files/icon_writer.h"
#include "files/own_palette_entry.h"
#include "files/png_entry_encoder.h"
#include "files/png_import.h"

namespace brindlex {

namespace {

bool EncodableSize(const RgbaImage& image) {
  return IsWellFormed(image) && image.width <= kMaxEntryEdge && image.height <= kMaxEntryEdge;
}

// The bitmap entry of the planes at the smaller of the editor's fixed palettes and the
// planes' own palette; the fixed ones when they take no more bits.
EncodedEntry EncodeSmallestBitmap(const Surface& mask, const Surface& color) {
  const int color_count = ChooseColorDepth(color, true);
  const int fixed_bits = BitCountForColorCount(color_count);
  const std::vector<Color> own = OwnPaletteColors(color);
  const int own_bits = OwnPaletteBitCount(own.size());
  EncodedEntry entry{{}, false, fixed_bits};
  if (own_bits != 0 && own_bits < fixed_bits) {
    entry.bit_count = own_bits;
    if (!AppendOwnPaletteResource(mask, color, own, entry.bytes)) return {};
  } else if (!AppendIconResource(mask, color, color_count, 0, entry.bytes)) {
    return {};
  }
  return entry;
}

}  // namespace

std::vector<std::uint8_t> EncodeBgra32Entry(const RgbaImage& image) {
  if (!EncodableSize(image)) return {};
  const int width = image.width, height = image.height;
  const std::size_t color_row = RowBytes(width, 32), mask_row = RowBytes(width, 1);
  const std::size_t rows_bytes = (color_row + mask_row) * static_cast<std::size_t>(height);
  std::vector<std::uint8_t> out(kBitmapInfoHeaderBytes + rows_bytes, 0);
  std::uint8_t* header = out.data();
  WriteU32(header + kBmpSize, kBitmapInfoHeaderBytes);
  WriteU32(header + kBmpWidth, static_cast<std::uint32_t>(width));
  WriteU32(header + kBmpHeight, static_cast<std::uint32_t>(2 * height));
  WriteU16(header + kBmpPlanes, 1);
  WriteU16(header + kBmpBitCount, 32);
  WriteU32(header + kBmpImageSize, static_cast<std::uint32_t>(rows_bytes));

  std::uint8_t* colors = out.data() + kBitmapInfoHeaderBytes;
  std::uint8_t* masks = colors + color_row * static_cast<std::size_t>(height);
  for (int y = 0; y < height; ++y) {
    const auto r = static_cast<std::size_t>(height - 1 - y);
    std::uint8_t* crow = colors + r * color_row;
    std::uint8_t* mrow = masks + r * mask_row;
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* p = image.At(x, y);
      std::uint8_t* q = crow + 4 * x;
      q[0] = p[2];
      q[1] = p[1];
      q[2] = p[0];
      q[3] = p[3];
      if (p[3] == 0) mrow[x >> 3] = static_cast<std::uint8_t>(mrow[x >> 3] | (0x80 >> (x & 7)));
    }
  }
  return out;
}

bool StoresAsPng(const RgbaImage& image, bool png) {
  return png || image.width == kMaxEntryEdge || image.height == kMaxEntryEdge;
}

EncodedEntry EncodeSmallestEntry(const RgbaImage& image, bool png,
                                 std::span<const std::uint8_t> png_source,
                                 std::span<const InvertingPixel> inverting) {
  if (!EncodableSize(image)) return {};
  if (StoresAsPng(image, png)) return {EncodeSmallestPng(image, png_source), true, 32};
  if (HasPartialAlpha(image)) return {EncodeBgra32Entry(image), false, 32};
  Surface mask, color;
  PlanesFromRgba(image.width, image.height, image.pixels, mask, color);
  for (const InvertingPixel& p : inverting) {  // SetPixel leaves out places outside
    mask.SetPixel(p.x, p.y, kWhite);
    color.SetPixel(p.x, p.y, Color{p.red} | Color{p.green} << 8 | Color{p.blue} << 16);
  }
  return EncodeSmallestBitmap(mask, color);
}

}  // namespace brindlex
