#include "files/own_palette_entry.h"

#include <algorithm>
#include <span>

#include "files/color_set.h"
#include "files/entry_decoder.h"
#include "files/icon_format.h"
#include "files/icon_writer.h"
#include "files/palettes.h"

namespace brindlex {

std::vector<Color> OwnPaletteColors(const Surface& color_plane) {
  constexpr std::size_t kMostColors = 256;
  ColorSet seen;
  std::vector<Color> colors;
  for (int y = 0; y < color_plane.Height(); ++y) {
    const Color* row = color_plane.Row(y);
    for (int x = 0; x < color_plane.Width(); ++x) {
      if (!seen.Insert(row[x])) continue;
      if (colors.size() == kMostColors) return {};
      colors.push_back(row[x]);
    }
  }
  return colors;
}

int OwnPaletteBitCount(std::size_t colors) {
  if (colors == 0 || colors > 256) return 0;
  return colors <= 2 ? 1 : colors <= 16 ? 4 : 8;
}

bool AppendOwnPaletteResource(const Surface& mask, const Surface& color,
                              const std::vector<Color>& palette, std::vector<std::uint8_t>& out) {
  const int width = color.Width(), height = color.Height();
  const int bit_count = OwnPaletteBitCount(palette.size());
  if (bit_count == 0 || width < 1 || height < 1 || width > kMaxEntryEdge ||
      height > kMaxEntryEdge || mask.Width() != width || mask.Height() != height)
    return false;
  ColorTable256 table{};  // entries past the colours stay black
  std::copy(palette.begin(), palette.end(), table.begin());
  const ColorIndexMap indices(table);

  std::vector<std::uint8_t> resource;
  AppendResourceHeader(width, height, bit_count, 0, resource);
  AppendPalette(std::span<const Color>(table).first(std::size_t{1} << bit_count), resource);
  const std::size_t row_bytes = RowBytes(static_cast<std::size_t>(width), bit_count);
  const int per_byte = 8 / bit_count;
  for (int y = height - 1; y >= 0; --y) {
    const Color* row = color.Row(y);
    const std::size_t start = resource.size();
    resource.resize(start + row_bytes, 0);
    for (int x = 0; x < width; ++x) {
      const int index = indices.Find(row[x]);
      if (index < 0 || index >= static_cast<int>(palette.size())) return false;
      const int shift = 8 - bit_count * (x % per_byte + 1);
      resource[start + static_cast<std::size_t>(x / per_byte)] |=
          static_cast<std::uint8_t>(index << shift);
    }
  }
  EncodeMonoBits(mask, resource);
  out.insert(out.end(), resource.begin(), resource.end());
  return true;
}

}  // namespace brindlex
