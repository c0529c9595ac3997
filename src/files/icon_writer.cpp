#include "files/icon_writer.h"

#include <algorithm>

#include "files/alpha_planes.h"
#include "files/atomic_file.h"
#include "files/color_depth.h"
#include "files/color_set.h"
#include "files/entry_decoder.h"
#include "files/entry_encoder.h"
#include "files/file_bytes.h"

namespace brindlex {

namespace {

void PadRow(std::vector<std::uint8_t>& out, std::size_t row_start, std::size_t row_bytes) {
  out.resize(row_start + row_bytes, 0);
}

bool PlanesFit(const Surface& mask, const Surface& color) {
  return color.Width() > 0 && color.Height() > 0 && color.Width() <= kMaxEntryEdge &&
         color.Height() <= kMaxEntryEdge && mask.Width() == color.Width() &&
         mask.Height() == color.Height();
}

// Fills a 16-byte directory entry for a width x height image.
void PutEntry(std::uint8_t* entry, int width, int height, int color_count,
              std::uint32_t bytes_in_resource, std::uint32_t image_offset) {
  entry[kEntryWidth] = static_cast<std::uint8_t>(width);
  entry[kEntryHeight] = static_cast<std::uint8_t>(height);
  entry[kEntryColorCount] = 0;
  entry[kEntryReserved] = 0;
  WriteU16(entry + kEntryPlanes, 1);
  WriteU16(entry + kEntryBitCount, static_cast<std::uint16_t>(BitCountForColorCount(color_count)));
  WriteU32(entry + kEntryBytesInResource, bytes_in_resource);
  WriteU32(entry + kEntryImageOffset, image_offset);
}

void PutHeader(std::uint8_t* header, std::uint16_t type, std::uint16_t count) {
  WriteU16(header + kHeaderReserved, 0);
  WriteU16(header + kHeaderType, type);
  WriteU16(header + kHeaderCount, count);
}

}  // namespace

void AppendPalette(std::span<const Color> palette, std::vector<std::uint8_t>& out) {
  for (const Color c : palette) {
    out.push_back(static_cast<std::uint8_t>(c >> 16));  // blue
    out.push_back(static_cast<std::uint8_t>(c >> 8));   // green
    out.push_back(static_cast<std::uint8_t>(c));        // red
    out.push_back(0);
  }
}

void AppendResourceHeader(int width, int height, int bit_count, std::uint32_t image_size_field,
                          std::vector<std::uint8_t>& out) {
  const std::size_t start = out.size();
  out.resize(start + kBitmapInfoHeaderBytes, 0);
  std::uint8_t* header = out.data() + start;
  WriteU32(header + kBmpSize, kBitmapInfoHeaderBytes);
  WriteU32(header + kBmpWidth, static_cast<std::uint32_t>(width));
  WriteU32(header + kBmpHeight, static_cast<std::uint32_t>(2 * height));
  WriteU16(header + kBmpPlanes, 1);
  WriteU16(header + kBmpBitCount, static_cast<std::uint16_t>(bit_count));
  WriteU32(header + kBmpImageSize, image_size_field);
}

void EncodeMonoBits(const Surface& plane, std::vector<std::uint8_t>& out) {
  const int width = plane.Width();
  const std::size_t row_bytes = RowBytes(width, 1);
  for (int y = plane.Height() - 1; y >= 0; --y) {
    const Color* row = plane.Row(y);
    const std::size_t start = out.size();
    for (int x = 0; x < width; x += 8) {
      std::uint8_t byte = 0;
      for (int bit = 0; bit < 8 && x + bit < width; ++bit)
        if (row[x + bit] == kWhite) byte |= static_cast<std::uint8_t>(0x80 >> bit);
      out.push_back(byte);
    }
    PadRow(out, start, row_bytes);
  }
}

bool Encode16ColorBits(const Surface& plane, std::vector<std::uint8_t>& out) {
  const int width = plane.Width();
  const std::size_t row_bytes = RowBytes(width, 4);
  bool all_found = true;
  auto index_of = [&all_found](Color c) {
    const int index = Palette16Index(c);
    if (index < 0) all_found = false;
    return static_cast<std::uint8_t>(std::max(index, 0));
  };
  for (int y = plane.Height() - 1; y >= 0; --y) {
    const Color* row = plane.Row(y);
    const std::size_t start = out.size();
    for (int x = 0; x < width; x += 2) {
      const std::uint8_t left = index_of(row[x]);
      const std::uint8_t right = x + 1 < width ? index_of(row[x + 1]) : 0;
      out.push_back(static_cast<std::uint8_t>(left << 4 | right));
    }
    PadRow(out, start, row_bytes);
  }
  return all_found;
}

bool Encode256ColorBits(const Surface& plane, const ColorTable256& palette,
                        std::vector<std::uint8_t>& out) {
  const ColorIndexMap indices(palette);
  const int width = plane.Width();
  const std::size_t row_bytes = RowBytes(width, 8);
  bool all_found = true;
  for (int y = plane.Height() - 1; y >= 0; --y) {
    const Color* row = plane.Row(y);
    const std::size_t start = out.size();
    for (int x = 0; x < width; ++x) {
      const int index = indices.Find(row[x]);
      if (index < 0) all_found = false;
      out.push_back(static_cast<std::uint8_t>(std::max(index, 0)));
    }
    PadRow(out, start, row_bytes);
  }
  return all_found;
}

void EncodeTrueColorBits(const Surface& plane, std::vector<std::uint8_t>& out) {
  const int width = plane.Width();
  const std::size_t row_bytes = RowBytes(width, 24);
  for (int y = plane.Height() - 1; y >= 0; --y) {
    const Color* row = plane.Row(y);
    const std::size_t start = out.size();
    for (int x = 0; x < width; ++x) {
      out.push_back(static_cast<std::uint8_t>(row[x] >> 16));
      out.push_back(static_cast<std::uint8_t>(row[x] >> 8));
      out.push_back(static_cast<std::uint8_t>(row[x]));
    }
    PadRow(out, start, row_bytes);
  }
}

std::uint32_t BytesInResource(int color_count, int width, int height) {
  const int bit_count = BitCountForColorCount(color_count);
  const std::size_t bytes = kBitmapInfoHeaderBytes +
                            PaletteEntries(bit_count) * kPaletteEntryBytes +
                            RowBytes(width, bit_count) * height + MaskBlockBytes(width, height);
  return static_cast<std::uint32_t>(bytes);
}

bool AppendIconResource(const Surface& mask, const Surface& color, int color_count,
                        std::uint32_t image_size_field, std::vector<std::uint8_t>& out) {
  if (!PlanesFit(mask, color)) return false;
  if (color_count == kAlphaColorCount) {
    // Every pixel with its alpha, through the 32-bit entry encoder; the image-size field is
    // the one every resource of this writer carries.
    const std::vector<std::uint8_t> entry = EncodeBgra32Entry(RgbaFromPlanes(mask, color));
    if (entry.empty()) return false;
    const std::size_t start = out.size();
    out.insert(out.end(), entry.begin(), entry.end());
    WriteU32(out.data() + start + kBmpImageSize, image_size_field);
    return true;
  }
  const int width = color.Width();
  const int height = color.Height();
  const int bit_count = BitCountForColorCount(color_count);
  const std::size_t start = out.size();
  out.reserve(start + BytesInResource(color_count, width, height));

  AppendResourceHeader(width, height, bit_count, image_size_field, out);

  bool fits = true;
  switch (bit_count) {
    case 1:
      AppendPalette(Palette2, out);
      EncodeMonoBits(color, out);
      break;
    case 4:
      AppendPalette(Palette16, out);
      fits = Encode16ColorBits(color, out);
      break;
    case 8: {
      const ColorTable256 palette256 = BuildIconPalette(color);
      AppendPalette(palette256, out);
      fits = Encode256ColorBits(color, palette256, out);
      break;
    }
    default:
      EncodeTrueColorBits(color, out);
      break;
  }
  if (!fits) {
    out.resize(start);
    return false;
  }
  EncodeMonoBits(mask, out);
  return true;
}

bool BuildIconFileBytes(const Surface& mask, const Surface& color, int color_count,
                        std::vector<std::uint8_t>& out) {
  out.clear();
  if (!PlanesFit(mask, color)) return false;
  const std::uint32_t bytes_in_resource =
      BytesInResource(color_count, color.Width(), color.Height());
  constexpr std::uint32_t kFirstImage = kIconHeaderBytes + kIconEntryBytes;
  out.resize(kFirstImage);
  PutHeader(out.data(), kIconType, 1);
  PutEntry(out.data() + kIconHeaderBytes, color.Width(), color.Height(), color_count,
           bytes_in_resource, kFirstImage);
  if (!AppendIconResource(mask, color, color_count, 0, out)) {
    out.clear();
    return false;
  }
  return true;
}

bool WriteIconFile(const Surface& mask, const Surface& color, int color_count,
                   const std::string& path) {
  std::vector<std::uint8_t> bytes;
  return BuildIconFileBytes(mask, color, color_count, bytes) && WriteFileAtomically(path, bytes);
}

ReplaceError BuildReplacedIconFileBytes(IconFileBytes source, const Surface& mask,
                                        const Surface& color, int color_count,
                                        const MultiImageState& state,
                                        std::vector<std::uint8_t>& out) {
  out.clear();
  if (source.size() < kIconHeaderBytes) return ReplaceError::kSourceDamaged;
  const int count = ReadI16(source.data() + kHeaderCount);
  if (count < 1 ||
      !RangeInside(kIconHeaderBytes, std::uint64_t{kIconEntryBytes} * count, source.size()))
    return ReplaceError::kSourceDamaged;
  if (state.SourceIndex < 0 || state.SourceIndex >= count) return ReplaceError::kSourceImageMissing;
  if (color.Width() != state.SourceWidth || color.Height() != state.SourceHeight ||
      !PlanesFit(mask, color))
    return ReplaceError::kPlaneSizeMismatch;

  // Every image copied must lie inside the source, and the whole output must stay within
  // what a reader accepts (entries may share data, so the sum is checked, not the file).
  const std::uint32_t edited_bytes =
      BytesInResource(color_count, state.SourceWidth, state.SourceHeight);
  const std::uint64_t directory_end = EntryOffset(static_cast<std::size_t>(count));
  std::uint64_t total = directory_end + edited_bytes;
  for (int i = 0; i < count; ++i) {
    if (i == state.SourceIndex) continue;
    const std::uint8_t* entry = source.data() + EntryOffset(i);
    const std::uint32_t size = ReadU32(entry + kEntryBytesInResource);
    const std::uint32_t offset = ReadU32(entry + kEntryImageOffset);
    total += size;
    if (!RangeInside(offset, size, source.size()) || total > kMaxIconFileBytes)
      return ReplaceError::kSourceDamaged;
  }

  out.reserve(static_cast<std::size_t>(total));
  out.assign(source.begin(), source.begin() + kIconHeaderBytes);
  out.resize(directory_end, 0);
  PutEntry(out.data() + kIconHeaderBytes, state.SourceWidth, state.SourceHeight, color_count,
           edited_bytes, static_cast<std::uint32_t>(directory_end));
  std::uint32_t running = static_cast<std::uint32_t>(directory_end + edited_bytes);
  int k = 1;
  for (int i = 0; i < count; ++i) {
    if (i == state.SourceIndex) continue;
    std::uint8_t* entry = out.data() + EntryOffset(k++);
    std::copy_n(source.data() + EntryOffset(i), kIconEntryBytes, entry);
    WriteU32(entry + kEntryImageOffset, running);
    running += ReadU32(entry + kEntryBytesInResource);
  }
  if (!AppendIconResource(mask, color, color_count, edited_bytes, out)) {
    out.clear();
    return ReplaceError::kUnsupportedDepth;
  }
  for (int i = 0; i < count; ++i) {
    if (i == state.SourceIndex) continue;
    const std::uint8_t* entry = source.data() + EntryOffset(i);
    const auto image =
        source.subspan(ReadU32(entry + kEntryImageOffset), ReadU32(entry + kEntryBytesInResource));
    out.insert(out.end(), image.begin(), image.end());
  }
  return ReplaceError::kNone;
}

ReplaceResult ReplaceIconInFile(const Surface& mask, const Surface& color, int color_count,
                                const std::string& source_path, const std::string& destination_path,
                                const MultiImageState& state) {
  ReplaceResult result;
  std::vector<std::uint8_t> source;
  std::vector<std::uint8_t> output;
  // The source is read whole before anything is written, so a destination naming the
  // source itself is rewritten safely in place.
  if (!ReadFileBytes(source_path, kMaxIconFileBytes, source, &result.system_error)) {
    result.error = ReplaceError::kCannotRead;
    return result;
  }
  result.error = BuildReplacedIconFileBytes(source, mask, color, color_count, state, output);
  if (!result.Saved()) return result;
  if (!WriteFileAtomically(destination_path.empty() ? source_path : destination_path, output,
                           &result.system_error))
    result.error = ReplaceError::kCannotWrite;
  return result;
}

}  // namespace brindlex
