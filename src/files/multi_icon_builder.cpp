#include "files/multi_icon_builder.h"

#include <algorithm>

#include "files/color_depth.h"
#include "files/file_bytes.h"
#include "files/icon_decoder.h"
#include "files/icon_reader.h"
#include "files/icon_writer.h"

namespace brindlex {
namespace {

bool IsBuilderDepth(int depth) { return depth == 1 || depth == 4 || depth == 8 || depth == 24; }

int ColorCountOfDepth(int depth) {
  return depth == 1   ? kMonoColorCount
         : depth == 4 ? k16ColorCount
         : depth == 8 ? k256ColorCount
                      : kTrueColorCount;
}

// Bytes a bitmap image needs from its start, read the way the decoder reads it: its own
// header, the stored palette (fewer entries when the colours-used field says so), colour
// rows and mask rows.
std::uint64_t NeededResourceBytes(const IconImageInfo& info, int edge) {
  std::uint64_t palette_entries = PaletteEntries(info.bit_count);
  if (info.colors_used > 0 && info.colors_used < palette_entries)
    palette_entries = info.colors_used;
  return std::uint64_t{info.header_size} + palette_entries * kPaletteEntryBytes +
         RowBytes(edge, info.bit_count) * edge + MaskBlockBytes(edge, edge);
}

// The builder's depth of the only image: the entry's bit count when it is one of the four,
// else the header's, 0 meaning 24.
int BuilderDepth(IconFileBytes bytes, const IconImageInfo& info) {
  const int entry_bits = ReadU16(bytes.data() + EntryOffset(0) + kEntryBitCount);
  if (IsBuilderDepth(entry_bits)) return entry_bits;
  return info.bit_count == 0 ? 24 : info.bit_count;
}

}  // namespace

int SlotOf(int edge, int depth) {
  const int row = edge == 16 ? 0 : edge == 32 ? 1 : edge == 48 ? 2 : -1;
  const int column = depth == 1 ? 0 : depth == 4 ? 1 : depth == 8 ? 2 : depth == 24 ? 3 : -1;
  return row < 0 || column < 0 ? -1 : column * 3 + row;
}

std::uint32_t SlotImageBytes(int slot) {
  return BytesInResource(ColorCountOfDepth(SlotDepth(slot)), SlotEdge(slot), SlotEdge(slot));
}

BuilderReadResult ReadBuilderInput(IconFileBytes bytes, SlotImage& image) {
  if (!IsValidIconFile(bytes)) return BuilderReadResult::kNotAnIcon;
  const int count = GetIconImageCount(bytes);
  if (count == 0) return BuilderReadResult::kNoImages;
  if (count >= 2) return BuilderReadResult::kSeveralImages;

  IconImageInfo info;
  if (!ReadIconImageInfo(bytes, 0, info) || info.is_png) return BuilderReadResult::kUnableToLoad;
  const std::int64_t edge = info.width;
  if ((edge != 16 && edge != 32 && edge != 48) || info.height != edge)
    return BuilderReadResult::kUnableToLoad;
  const int depth = BuilderDepth(bytes, info);
  if (!IsBuilderDepth(depth) || !IsBuilderDepth(info.bit_count))
    return BuilderReadResult::kUnableToLoad;
  const std::uint64_t needed = NeededResourceBytes(info, static_cast<int>(edge));
  if (info.bytes_in_resource > kMaxSlotResourceBytes ||
      !RangeInside(info.image_offset, info.bytes_in_resource, bytes.size()) ||
      info.bytes_in_resource < needed)
    return BuilderReadResult::kUnableToLoad;

  SlotImage read;
  if (!DecodeIconEntry(bytes, 0, static_cast<int>(edge), static_cast<int>(edge), read.mask,
                       read.color))
    return BuilderReadResult::kUnableToLoad;
  read.slot = SlotOf(static_cast<int>(edge), depth);
  std::copy_n(bytes.data() + EntryOffset(0), kIconEntryBytes, read.entry.begin());
  // Only the image's own bytes are taken: slack bytes the source's entry counts after the
  // mask rows are left behind.
  const auto resource = bytes.subspan(info.image_offset, needed);
  read.data.assign(resource.begin(), resource.end());
  // The slot's entry says the length it now holds.
  WriteU32(read.entry.data() + kEntryBytesInResource, static_cast<std::uint32_t>(needed));
  image = std::move(read);
  return BuilderReadResult::kLoaded;
}

BuilderReadResult ReadBuilderInput(const std::string& path, SlotImage& image) {
  std::vector<std::uint8_t> bytes;
  if (!ReadFileBytes(path, kMaxIconFileBytes, bytes)) return BuilderReadResult::kNotAnIcon;
  return ReadBuilderInput(IconFileBytes(bytes), image);
}

bool BuildMultiIconFileBytes(const std::array<bool, kBuilderSlotCount>& used,
                             const std::array<SlotEntryBytes, kBuilderSlotCount>& entries,
                             const std::array<std::vector<std::uint8_t>, kBuilderSlotCount>& data,
                             std::vector<std::uint8_t>& out) {
  out.clear();
  const int count = static_cast<int>(std::count(used.begin(), used.end(), true));
  if (count == 0) return false;
  const std::size_t directory_end = EntryOffset(static_cast<std::size_t>(count));
  std::size_t total = directory_end;
  for (int slot = 0; slot < kBuilderSlotCount; ++slot)
    if (used[slot]) total += data[slot].size();
  out.reserve(total);
  out.resize(directory_end, 0);
  WriteU16(out.data() + kHeaderReserved, 0);
  WriteU16(out.data() + kHeaderType, kIconType);
  WriteU16(out.data() + kHeaderCount, static_cast<std::uint16_t>(count));

  std::size_t k = 0;
  std::uint32_t running = static_cast<std::uint32_t>(directory_end);
  for (int slot = kBuilderSlotCount - 1; slot >= 0; --slot) {
    if (!used[slot]) continue;
    std::uint8_t* entry = out.data() + EntryOffset(k++);
    std::copy(entries[slot].begin(), entries[slot].end(), entry);
    WriteU32(entry + kEntryBytesInResource, static_cast<std::uint32_t>(data[slot].size()));
    WriteU32(entry + kEntryImageOffset, running);
    running += static_cast<std::uint32_t>(data[slot].size());
  }
  for (int slot = kBuilderSlotCount - 1; slot >= 0; --slot)
    if (used[slot]) out.insert(out.end(), data[slot].begin(), data[slot].end());
  return true;
}

int BuilderSlots::UsedCount() const {
  return static_cast<int>(std::count(used.begin(), used.end(), true));
}

void BuilderSlots::Put(SlotImage& image) {
  entries[image.slot] = image.entry;
  data[image.slot] = std::move(image.data);
  used[image.slot] = true;
}

bool BuilderSlots::BuildFileBytes(std::vector<std::uint8_t>& out) const {
  return BuildMultiIconFileBytes(used, entries, data, out);
}

}  // namespace brindlex
