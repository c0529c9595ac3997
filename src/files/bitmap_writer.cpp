#include "files/bitmap_writer.h"

#include <algorithm>
#include <span>

#include "files/atomic_file.h"
#include "files/color_depth.h"
#include "files/color_set.h"
#include "files/icon_format.h"
#include "files/icon_writer.h"
#include "pixels/pixel_alpha.h"

namespace brindlex {
namespace {

// The writers handle the editor's sizes; the limit only keeps the header fields sane.
constexpr int kMaxBitmapEdge = 256;

// Field offsets inside the 14-byte file header.
constexpr int kFileSignature = 0;
constexpr int kFileSize = 2;
constexpr int kFilePixelOffset = 10;
constexpr std::uint16_t kBitmapSignature = 0x4D42;  // "BM"

void AppendPaletteEntries(std::span<const Color> palette, std::vector<std::uint8_t>& out) {
  for (const Color c : palette) {
    out.push_back(static_cast<std::uint8_t>(c >> 16));  // blue
    out.push_back(static_cast<std::uint8_t>(c >> 8));   // green
    out.push_back(static_cast<std::uint8_t>(c));        // red
    out.push_back(0);
  }
}

std::size_t RowBlockBytes(int color_count, int width, int height) {
  return RowBytes(width, BitCountForColorCount(color_count)) * static_cast<std::size_t>(height);
}

bool OnlyBlackAndWhite(const Surface& picture) {
  for (const Color c : picture.Pixels())
    if (c != kBlack && c != kWhite) return false;
  return true;
}

}  // namespace

ColorTable256 BuildBitmapPalette(const Surface& picture) {
  ColorTable256 palette{};
  ColorSet seen;
  int next = 0;
  for (int y = 0; y < picture.Height() && next < 256; ++y) {
    const Color* row = picture.Row(y);
    for (int x = 0; x < picture.Width() && next < 256; ++x)
      if (seen.Insert(row[x])) palette[next++] = row[x];
  }
  return palette;
}

Surface ComposeOverWhite(const Surface& mask, const Surface& color) {
  Surface picture(color.Width(), color.Height(), kWhite);
  const int w = std::min(color.Width(), mask.Width()), h = std::min(color.Height(), mask.Height());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      picture.Row(y)[x] = ComposePixel(kWhite, mask.Row(y)[x], color.Row(y)[x]);
  return picture;
}

std::uint32_t BitmapPixelOffset(int color_count) {
  return kBitmapFileHeaderBytes + kBitmapInfoHeaderBytes +
         PaletteEntries(BitCountForColorCount(color_count)) * kPaletteEntryBytes;
}

std::uint32_t BitmapFileSize(int color_count, int width, int height) {
  return BitmapPixelOffset(color_count) +
         static_cast<std::uint32_t>(RowBlockBytes(color_count, width, height));
}

bool BuildBitmapFileBytes(const Surface& picture, int color_count, std::vector<std::uint8_t>& out) {
  out.clear();
  const int width = picture.Width();
  const int height = picture.Height();
  if (width <= 0 || height <= 0 || width > kMaxBitmapEdge || height > kMaxBitmapEdge) return false;
  const int bit_count = BitCountForColorCount(color_count);
  out.assign(BitmapFileSize(color_count, width, height), 0);
  out.resize(kBitmapFileHeaderBytes + kBitmapInfoHeaderBytes);
  WriteU16(out.data() + kFileSignature, kBitmapSignature);
  WriteU32(out.data() + kFileSize, BitmapFileSize(color_count, width, height));
  WriteU32(out.data() + kFilePixelOffset, BitmapPixelOffset(color_count));
  std::uint8_t* header = out.data() + kBitmapFileHeaderBytes;
  WriteU32(header + kBmpSize, kBitmapInfoHeaderBytes);
  WriteU32(header + kBmpWidth, static_cast<std::uint32_t>(width));
  WriteU32(header + kBmpHeight, static_cast<std::uint32_t>(height));
  WriteU16(header + kBmpPlanes, 1);
  WriteU16(header + kBmpBitCount, static_cast<std::uint16_t>(bit_count));
  WriteU32(header + kBmpImageSize,
           static_cast<std::uint32_t>(RowBlockBytes(color_count, width, height)));

  bool fits = true;
  switch (bit_count) {
    case 1:
      AppendPaletteEntries(Palette2, out);
      EncodeMonoBits(picture, out);
      fits = OnlyBlackAndWhite(picture);
      break;
    case 4:
      AppendPaletteEntries(Palette16, out);
      fits = Encode16ColorBits(picture, out);
      break;
    case 8: {
      const ColorTable256 palette = BuildBitmapPalette(picture);
      AppendPaletteEntries(palette, out);
      fits = Encode256ColorBits(picture, palette, out);
      break;
    }
    default:
      EncodeTrueColorBits(picture, out);
      break;
  }
  if (!fits) out.clear();
  return fits;
}

bool WriteBitmapFile(const Surface& picture, int color_count, const std::string& path) {
  std::vector<std::uint8_t> bytes;
  return BuildBitmapFileBytes(picture, color_count, bytes) && WriteFileAtomically(path, bytes);
}

}  // namespace brindlex
