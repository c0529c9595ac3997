#include "files/icon_decoder.h"

#include <array>
#include <vector>

#include "files/icon_png.h"

namespace brindlex {

namespace {

// Most pixels the decoder takes (2048 x 2048, of any shape): far beyond any icon, while a
// damaged header claiming more cannot make the planes take memory the file does not back.
constexpr std::int64_t kMaxDecodedPixels = std::int64_t{1} << 22;

// Alpha from which a pixel of a 32-bit or PNG image counts as opaque.
constexpr std::uint8_t kOpaqueAlpha = 128;

bool IsSoftAlpha(std::uint8_t alpha) { return alpha != 0 && alpha != 0xFF; }

Color ColorFromBgr(const std::uint8_t* p) {
  return static_cast<Color>(p[2]) | (static_cast<Color>(p[1]) << 8) |
         (static_cast<Color>(p[0]) << 16);
}

int ImageCount(IconFileBytes bytes) {
  if (bytes.size() < kIconHeaderBytes) return 0;
  return ReadI16(bytes.data() + kHeaderCount);
}

// Mask bit x of a 1-bit row: 1 when set.
int RowBit(const std::uint8_t* row, int x) { return (row[x >> 3] >> (7 - (x & 7))) & 1; }

// True when any alpha byte of the 32-bit colour rows is not 0.
bool HasAlpha(const std::uint8_t* colors, std::size_t color_row, int width, int height) {
  for (int r = 0; r < height; ++r)
    for (int x = 0; x < width; ++x)
      if (colors[r * color_row + 4 * x + 3] != 0) return true;
  return false;
}

// Decodes a bitmap image whose header was read into `info`.
bool DecodeBitmap(IconFileBytes bytes, const IconImageInfo& info, int width, int height,
                  Surface& mask_out, Surface& color_out, bool& soft_alpha) {
  const int bit_count = info.bit_count;
  if (bit_count != 1 && bit_count != 4 && bit_count != 8 && bit_count != 24 && bit_count != 32)
    return false;
  if (info.header_size < kBitmapInfoHeaderBytes) return false;

  std::size_t palette_entries = PaletteEntries(bit_count);
  if (info.colors_used > 0 && info.colors_used < palette_entries)
    palette_entries = info.colors_used;
  const std::uint64_t palette_at = std::uint64_t{info.image_offset} + info.header_size;
  const std::uint64_t color_at = palette_at + palette_entries * kPaletteEntryBytes;
  const std::size_t color_row = RowBytes(width, bit_count);
  const std::size_t mask_row = RowBytes(width, 1);
  const std::uint64_t mask_at = color_at + color_row * height;
  const std::size_t mask_block = mask_row * height;
  if (!RangeInside(palette_at, mask_at - palette_at, bytes.size())) return false;
  // A 32-bit image may be stored without mask rows: its entry's length then ends with the
  // colour rows, and the bytes after them belong to the next image, not to this one.
  const std::uint64_t entry_end = std::uint64_t{info.image_offset} + info.bytes_in_resource;
  const bool has_mask = RangeInside(mask_at, mask_block, bytes.size()) &&
                        (bit_count != 32 || mask_at + mask_block <= entry_end);
  if (!has_mask && bit_count != 32) return false;

  std::array<Color, 256> palette{};  // Indices past the stored entries give black.
  for (std::size_t i = 0; i < palette_entries; ++i)
    palette[i] = ColorFromBgr(bytes.data() + palette_at + i * kPaletteEntryBytes);

  const std::uint8_t* colors = bytes.data() + color_at;
  // A 32-bit image whose alpha is not all 0 takes its transparency from alpha alone: its
  // mask rows, if any, are ignored. Only an image with no alpha at all falls back to them.
  const bool alpha_present = bit_count == 32 && HasAlpha(colors, color_row, width, height);
  const std::uint8_t* masks = has_mask && !alpha_present ? bytes.data() + mask_at : nullptr;

  Surface mask(width, height, kWhite);
  Surface color(width, height, kBlack);
  for (int r = 0; r < height; ++r) {
    const int y = height - 1 - r;
    const std::uint8_t* crow = colors + r * color_row;
    const std::uint8_t* mrow = masks ? masks + r * mask_row : nullptr;
    Color* mask_pixels = mask.Row(y);
    Color* color_pixels = color.Row(y);
    for (int x = 0; x < width; ++x) {
      const bool mask_set = mrow && RowBit(mrow, x);
      Color c;
      switch (bit_count) {
        case 1:
          c = palette[RowBit(crow, x)];
          break;
        case 4:
          c = palette[(crow[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
          break;
        case 8:
          c = palette[crow[x]];
          break;
        case 24:
          c = ColorFromBgr(crow + 3 * x);
          break;
        default: {  // 32
          const std::uint8_t alpha = alpha_present ? crow[4 * x + 3] : 0xFF;
          soft_alpha = soft_alpha || IsSoftAlpha(alpha);
          const bool opaque = !mask_set && alpha >= kOpaqueAlpha;
          mask_pixels[x] = opaque ? kBlack : kWhite;
          color_pixels[x] = opaque ? ColorFromBgr(crow + 4 * x) : kBlack;
          continue;
        }
      }
      mask_pixels[x] = mask_set ? kWhite : kBlack;
      color_pixels[x] = c;
    }
  }
  mask_out = std::move(mask);
  color_out = std::move(color);
  return true;
}

bool DecodePng(IconFileBytes bytes, const IconImageInfo& info, int width, int height,
               Surface& mask_out, Surface& color_out, bool& soft_alpha) {
  if (!RangeInside(info.image_offset, info.bytes_in_resource, bytes.size())) return false;
  std::vector<std::uint8_t> rgba;
  if (!DecodePngRgba(bytes.subspan(info.image_offset, info.bytes_in_resource), width, height, rgba))
    return false;
  Surface mask(width, height, kWhite);
  Surface color(width, height, kBlack);
  const std::uint8_t* p = rgba.data();
  for (int y = 0; y < height; ++y) {
    Color* mask_pixels = mask.Row(y);
    Color* color_pixels = color.Row(y);
    for (int x = 0; x < width; ++x, p += 4) {
      const bool opaque = p[3] >= kOpaqueAlpha;
      soft_alpha = soft_alpha || IsSoftAlpha(p[3]);
      mask_pixels[x] = opaque ? kBlack : kWhite;
      color_pixels[x] = opaque ? static_cast<Color>(p[0]) | (static_cast<Color>(p[1]) << 8) |
                                     (static_cast<Color>(p[2]) << 16)
                               : kBlack;
    }
  }
  mask_out = std::move(mask);
  color_out = std::move(color);
  return true;
}

}  // namespace

bool DecodableSize(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxDecodedPixels && height <= kMaxDecodedPixels &&
         width * height <= kMaxDecodedPixels;
}

bool ReadIconImageInfo(IconFileBytes bytes, int index, IconImageInfo& info) {
  if (index < 0 || index >= ImageCount(bytes)) return false;
  const std::size_t entry = EntryOffset(static_cast<std::size_t>(index));
  if (!RangeInside(entry, kIconEntryBytes, bytes.size())) return false;
  info = IconImageInfo{};
  info.bytes_in_resource = ReadU32(bytes.data() + entry + kEntryBytesInResource);
  info.image_offset = ReadU32(bytes.data() + entry + kEntryImageOffset);
  const std::uint64_t at = info.image_offset;
  if (!RangeInside(at, sizeof kPngSignature, bytes.size())) return false;
  const IconFileBytes image = bytes.subspan(at);
  if (StartsWithPng(image)) {
    std::uint32_t width = 0, height = 0;
    if (!ReadPngSize(image, width, height)) return false;
    info.is_png = true;
    info.width = width;
    info.height = height;
    info.bit_count = 32;
    return true;
  }
  if (image.size() < kBitmapInfoHeaderBytes) return false;
  const std::uint8_t* header = image.data();
  info.header_size = ReadU32(header + kBmpSize);
  info.width = ReadI32(header + kBmpWidth);
  info.height = ReadI32(header + kBmpHeight) / 2;
  info.bit_count = ReadU16(header + kBmpBitCount);
  info.colors_used = ReadU32(header + kBmpColorsUsed);
  return true;
}

bool DecodeIconEntry(IconFileBytes bytes, int index, int width, int height, Surface& mask,
                     Surface& color, bool* soft_alpha) {
  if (soft_alpha) *soft_alpha = false;
  IconImageInfo info;
  if (!ReadIconImageInfo(bytes, index, info)) return false;
  if (!DecodableSize(width, height) || info.width != width || info.height != height) return false;
  bool soft = false;
  const bool decoded = info.is_png ? DecodePng(bytes, info, width, height, mask, color, soft)
                                   : DecodeBitmap(bytes, info, width, height, mask, color, soft);
  if (soft_alpha) *soft_alpha = decoded && soft;
  return decoded;
}

}  // namespace brindlex
