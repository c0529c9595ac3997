#include "files/entry_decoder.h"

#include <algorithm>
#include <array>

#include "files/icon_format.h"
#include "files/icon_png.h"

namespace brindlex {

namespace {

// Compression field of an uncompressed bitmap, the only kind icon entries use.
constexpr std::uint32_t kUncompressed = 0;

bool EdgeFits(std::int64_t edge, int max_edge) { return edge >= 1 && edge <= max_edge; }

int RowBit(const std::uint8_t* row, int x) { return (row[x >> 3] >> (7 - (x & 7))) & 1; }

// Where the parts of a bitmap entry lie, every part checked to lie inside the entry.
struct BitmapLayout {
  std::size_t palette_at = 0, palette_entries = 0;
  std::size_t color_at = 0, color_row = 0;
  std::size_t mask_at = 0, mask_row = 0;
  bool has_mask = false;
};

bool PlanBitmap(std::span<const std::uint8_t> entry, const EntryHeader& header,
                std::uint32_t header_size, BitmapLayout& layout) {
  const int bits = header.bit_count;
  std::size_t palette_entries = static_cast<std::size_t>(PaletteEntries(bits));
  if (header.colors_used > 0 && header.colors_used < palette_entries)
    palette_entries = header.colors_used;
  const auto width = static_cast<std::size_t>(header.width);
  const auto height = static_cast<std::uint64_t>(header.height);
  layout.palette_at = header_size;
  layout.palette_entries = palette_entries;
  const std::uint64_t color_at = std::uint64_t{header_size} + palette_entries * kPaletteEntryBytes;
  layout.color_row = RowBytes(width, bits);
  const std::uint64_t mask_at = color_at + layout.color_row * height;
  if (!RangeInside(0, mask_at, entry.size())) return false;
  layout.color_at = static_cast<std::size_t>(color_at);
  layout.mask_at = static_cast<std::size_t>(mask_at);
  layout.mask_row = RowBytes(width, 1);
  layout.has_mask = RangeInside(mask_at, layout.mask_row * height, entry.size());
  // The entry ends with its colour rows (no mask) or holds every mask row: a mask cut short
  // is damage, not a picture without a mask.
  return layout.has_mask || entry.size() == mask_at;
}

void PutPixel(std::uint8_t* p, std::uint8_t red, std::uint8_t green, std::uint8_t blue,
              std::uint8_t alpha) {
  p[0] = red;
  p[1] = green;
  p[2] = blue;
  p[3] = alpha;
}

bool AnyAlpha(std::span<const std::uint8_t> entry, const BitmapLayout& layout, int width,
              int height) {
  for (int r = 0; r < height; ++r) {
    const std::uint8_t* row = entry.data() + layout.color_at + layout.color_row * r;
    for (int x = 0; x < width; ++x)
      if (row[4 * x + 3] != 0) return true;
  }
  return false;
}

bool DecodeBitmap(std::span<const std::uint8_t> entry, const EntryHeader& header,
                  EntryDecodeResult& result) {
  const int bits = header.bit_count;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return false;
  const std::uint32_t header_size = ReadU32(entry.data() + kBmpSize);
  if (header_size < kBitmapInfoHeaderBytes || header_size > entry.size()) return false;
  if (ReadU32(entry.data() + kBmpCompression) != kUncompressed) return false;
  BitmapLayout layout;
  if (!PlanBitmap(entry, header, header_size, layout)) return false;

  std::array<std::uint8_t, 256 * 3> palette{};  // R, G, B; indices past the stored ones: black
  for (std::size_t i = 0; i < layout.palette_entries; ++i) {
    const std::uint8_t* bgr = entry.data() + layout.palette_at + i * kPaletteEntryBytes;
    palette[3 * i] = bgr[2];
    palette[3 * i + 1] = bgr[1];
    palette[3 * i + 2] = bgr[0];
  }

  const int width = header.width, height = header.height;
  const bool alpha_stored = bits == 32 && AnyAlpha(entry, layout, width, height);
  const bool masked = layout.has_mask && !alpha_stored;
  RgbaImage image(width, height);
  const bool keep_inverting = width <= kMaxEntryEdge && height <= kMaxEntryEdge;
  int inverting_pixels = 0;
  std::vector<InvertingPixel> inverting;
  for (int r = 0; r < height; ++r) {
    const int y = height - 1 - r;
    const std::uint8_t* crow = entry.data() + layout.color_at + layout.color_row * r;
    const std::uint8_t* mrow = entry.data() + layout.mask_at + layout.mask_row * r;
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = image.At(x, y);
      std::uint8_t alpha = 0xFF;
      switch (bits) {
        case 1:
        case 4:
        case 8: {
          const int index = bits == 1   ? RowBit(crow, x)
                            : bits == 4 ? (crow[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F
                                        : crow[x];
          const std::uint8_t* rgb = palette.data() + 3 * index;
          PutPixel(p, rgb[0], rgb[1], rgb[2], alpha);
          break;
        }
        case 24:
          PutPixel(p, crow[3 * x + 2], crow[3 * x + 1], crow[3 * x], alpha);
          break;
        default:
          if (alpha_stored) alpha = crow[4 * x + 3];
          PutPixel(p, crow[4 * x + 2], crow[4 * x + 1], crow[4 * x], alpha);
          break;
      }
      if (masked && RowBit(mrow, x)) {
        if (p[0] != 0 || p[1] != 0 || p[2] != 0) {
          ++inverting_pixels;
          if (keep_inverting)
            inverting.push_back(
                {static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y), p[0], p[1], p[2]});
        }
        PutPixel(p, 0, 0, 0, 0);
      }
    }
  }
  result.image = std::move(image);
  result.is_png = false;
  result.bit_count = bits;
  // Rows are read bottom first; the list runs from the top.
  std::stable_sort(inverting.begin(), inverting.end(),
                   [](const InvertingPixel& a, const InvertingPixel& b) { return a.y < b.y; });
  result.inverting_pixels = inverting_pixels;
  result.inverting = std::move(inverting);
  return true;
}

bool DecodePng(std::span<const std::uint8_t> entry, const EntryHeader& header,
               EntryDecodeResult& result) {
  // A stream too short for its size is refused before the pixels are allocated.
  RgbaImage image;
  if (!DecodePngRgba(entry, header.width, header.height, image.pixels)) return false;
  image.width = header.width;
  image.height = header.height;
  result.image = std::move(image);
  result.is_png = true;
  result.bit_count = 32;
  result.inverting_pixels = 0;
  result.inverting.clear();
  return true;
}

}  // namespace

bool ReadEntryHeader(std::span<const std::uint8_t> entry, EntryHeader& header) {
  if (StartsWithPng(entry)) {
    std::uint32_t width = 0, height = 0;
    if (!ReadPngSize(entry, width, height)) return false;
    header = EntryHeader{true, static_cast<int>(std::min<std::uint32_t>(width, INT32_MAX)),
                         static_cast<int>(std::min<std::uint32_t>(height, INT32_MAX)), 32, 0};
    return true;
  }
  if (entry.size() < kBitmapInfoHeaderBytes) return false;
  const std::uint8_t* p = entry.data();
  header = EntryHeader{false, ReadI32(p + kBmpWidth), ReadI32(p + kBmpHeight) / 2,
                       ReadU16(p + kBmpBitCount), ReadU32(p + kBmpColorsUsed)};
  return true;
}

bool DecodeEntryImage(std::span<const std::uint8_t> entry, EntryDecodeResult& result,
                      int max_edge) {
  EntryHeader header;
  if (!ReadEntryHeader(entry, header)) return false;
  if (!EdgeFits(header.width, max_edge) || !EdgeFits(header.height, max_edge)) return false;
  return header.is_png ? DecodePng(entry, header, result) : DecodeBitmap(entry, header, result);
}

}  // namespace brindlex
