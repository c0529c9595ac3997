#include "files/icon_container.h"

#include <algorithm>

namespace brindlex {

namespace {

// A directory size byte: 0 stands for 256.
int EdgeFromByte(std::uint8_t edge) { return edge == 0 ? 256 : edge; }

}  // namespace

bool ReadIconContainer(IconFileBytes file, IconContainer& container) {
  if (file.size() < kIconHeaderBytes) return false;
  const std::uint16_t type = ReadU16(file.data() + kHeaderType);
  const std::uint16_t count = ReadU16(file.data() + kHeaderCount);
  if (ReadU16(file.data() + kHeaderReserved) != 0 || (type != kIconType && type != kCursorType) ||
      count == 0 ||
      !RangeInside(kIconHeaderBytes, std::uint64_t{kIconEntryBytes} * count, file.size()))
    return false;
  IconContainer read;
  read.type = type;
  read.entries.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* p = file.data() + EntryOffset(i);
    ContainerEntry entry;
    entry.width = EdgeFromByte(p[kEntryWidth]);
    entry.height = EdgeFromByte(p[kEntryHeight]);
    entry.color_count = p[kEntryColorCount];
    const int first = ReadU16(p + kEntryPlanes), second = ReadU16(p + kEntryBitCount);
    if (type == kCursorType) {
      entry.hot_spot_x = first;
      entry.hot_spot_y = second;
    } else {
      entry.planes = first;
      entry.bit_count = second;
    }
    entry.bytes_in_resource = ReadU32(p + kEntryBytesInResource);
    entry.image_offset = ReadU32(p + kEntryImageOffset);
    if (entry.image_offset > file.size()) return false;
    entry.stored_bytes = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(entry.bytes_in_resource, file.size() - entry.image_offset));
    if (!ReadEntryHeader(ContainerEntryBytes(file, entry), entry.image)) return false;
    read.entries.push_back(entry);
  }
  container = std::move(read);
  return true;
}

std::span<const std::uint8_t> ContainerEntryBytes(IconFileBytes file, const ContainerEntry& entry) {
  return file.subspan(entry.image_offset, entry.stored_bytes);
}

}  // namespace brindlex
