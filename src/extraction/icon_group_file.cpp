#include "extraction/icon_group_file.h"

#include <cstring>

#include "files/icon_format.h"

namespace brindlex {
namespace {

// A group entry and a file entry share their first 12 bytes: width, height, colour count,
// reserved, planes, bit count and length.
constexpr int kSharedEntryBytes = 12;

// One image of the group found in the file.
struct FoundImage {
  const std::uint8_t* group_entry;
  ResourceSpan span;
};

}  // namespace

bool BuildIconGroupFile(LibraryBytes& bytes, GroupIconResources& resources, int index,
                        IconGroupFile& file) {
  file = IconGroupFile();
  std::vector<std::uint8_t> group;
  std::vector<GroupIconEntry> entries;
  if (!ReadGroupDirectory(bytes, resources, index, group, entries)) return false;

  std::vector<FoundImage> images;
  std::uint64_t image_bytes = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    ResourceSpan span;
    if (!resources.FindIcon(bytes, index, entries[i].id, span) || span.size == 0) {
      file.missing_images.push_back(entries[i].id);
      continue;
    }
    const std::uint32_t claimed = entries[i].bytes_in_resource;
    if (claimed > 0 && claimed < span.size) span.size = claimed;
    image_bytes += span.size;
    if (image_bytes > bytes.Size()) return false;
    images.push_back({group.data() + kGroupHeaderBytes + i * kGroupEntryBytes, span});
  }
  if (images.empty()) return false;

  const std::uint64_t directory_bytes = EntryOffset(images.size());
  if (directory_bytes + image_bytes > UINT32_MAX) return false;  // offsets are 32 bits wide
  std::vector<std::uint8_t>& out = file.bytes;
  out.assign(static_cast<std::size_t>(directory_bytes + image_bytes), 0);
  WriteU16(out.data() + kHeaderType, kIconType);
  WriteU16(out.data() + kHeaderCount, static_cast<std::uint16_t>(images.size()));
  std::uint64_t offset = directory_bytes;
  for (std::size_t i = 0; i < images.size(); ++i) {
    std::uint8_t* entry = out.data() + EntryOffset(i);
    std::memcpy(entry, images[i].group_entry, kSharedEntryBytes);
    WriteU32(entry + kEntryBytesInResource, static_cast<std::uint32_t>(images[i].span.size));
    WriteU32(entry + kEntryImageOffset, static_cast<std::uint32_t>(offset));
    if (!bytes.Read(images[i].span.offset, static_cast<std::size_t>(images[i].span.size),
                    out.data() + offset))
      return false;
    offset += images[i].span.size;
  }
  return true;
}

}  // namespace brindlex
