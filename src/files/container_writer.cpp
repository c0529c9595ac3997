#include "files/container_writer.h"

#include <algorithm>
#include <numeric>

#include "files/entry_encoder.h"
#include "files/icon_container.h"

namespace brindlex {

namespace {

constexpr std::size_t kMaxContainerEntries = 0xFFFF;

// The order of the pictures in the file: largest first, a stable sort.
std::vector<std::size_t> LargestFirst(const std::vector<ContainerPicture>& pictures) {
  std::vector<std::size_t> order(pictures.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&pictures](std::size_t a, std::size_t b) {
    const RgbaImage& left = pictures[a].image;
    const RgbaImage& right = pictures[b].image;
    if (left.PixelCount() != right.PixelCount()) return left.PixelCount() > right.PixelCount();
    return left.width > right.width;
  });
  return order;
}

// Fills the directory entry of the picture stored as `entry` at `offset`.
void PutPictureEntry(std::uint8_t* field, std::uint16_t type, const ContainerPicture& picture,
                     const EncodedEntry& entry, std::size_t offset) {
  field[kEntryWidth] = static_cast<std::uint8_t>(picture.image.width);  // 256 wraps to 0
  field[kEntryHeight] = static_cast<std::uint8_t>(picture.image.height);
  const bool cursor = type == kCursorType;
  WriteU16(field + kEntryPlanes, static_cast<std::uint16_t>(cursor ? picture.hot_spot_x : 1));
  WriteU16(field + kEntryBitCount,
           static_cast<std::uint16_t>(cursor ? picture.hot_spot_y : entry.bit_count));
  WriteU32(field + kEntryBytesInResource, static_cast<std::uint32_t>(entry.bytes.size()));
  WriteU32(field + kEntryImageOffset, static_cast<std::uint32_t>(offset));
}

EncodedEntry EncodePicture(const ContainerPicture& picture, bool png) {
  return picture.encoded.bytes.empty()
             ? EncodeSmallestEntry(picture.image, png, picture.png_source, picture.inverting)
             : picture.encoded;
}

}  // namespace

bool BuildContainerFileBytes(std::uint16_t type, const std::vector<ContainerPicture>& pictures,
                             bool png, std::vector<std::uint8_t>& out) {
  out.clear();
  if (pictures.empty() || pictures.size() > kMaxContainerEntries) return false;
  const std::vector<std::size_t> order = LargestFirst(pictures);
  std::vector<EncodedEntry> entries;
  entries.reserve(order.size());
  std::uint64_t total = EntryOffset(order.size());
  for (const std::size_t i : order) {
    const ContainerPicture& picture = pictures[i];
    entries.push_back(EncodePicture(picture, png));
    if (entries.back().bytes.empty()) return false;
    total += entries.back().bytes.size();
    if (total > UINT32_MAX) return false;  // offsets are 32-bit
  }

  std::vector<std::uint8_t> bytes(EntryOffset(entries.size()), 0);
  WriteU16(bytes.data() + kHeaderType, type);
  WriteU16(bytes.data() + kHeaderCount, static_cast<std::uint16_t>(entries.size()));
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const EncodedEntry& entry = entries[k];
    PutPictureEntry(bytes.data() + EntryOffset(k), type, pictures[order[k]], entry, bytes.size());
    bytes.insert(bytes.end(), entry.bytes.begin(), entry.bytes.end());
  }
  out = std::move(bytes);
  return true;
}

bool BuildContainerWithPictureFirst(IconFileBytes source, std::size_t index,
                                    const ContainerPicture& picture, bool png,
                                    std::vector<std::uint8_t>& out) {
  out.clear();
  IconContainer container;
  if (!ReadIconContainer(source, container) || index >= container.entries.size()) return false;
  std::uint64_t total = EntryOffset(container.entries.size());
  for (std::size_t i = 0; i < container.entries.size(); ++i) {
    const ContainerEntry& kept = container.entries[i];
    if (i == index) continue;
    if (kept.stored_bytes != kept.bytes_in_resource) return false;  // cut short: damaged
    total += kept.stored_bytes;
  }
  const EncodedEntry entry = EncodePicture(picture, png);
  total += entry.bytes.size();
  if (entry.bytes.empty() || total > UINT32_MAX) return false;  // offsets are 32-bit

  std::vector<std::uint8_t> bytes(source.begin(), source.begin() + kIconHeaderBytes);
  bytes.resize(EntryOffset(container.entries.size()), 0);
  PutPictureEntry(bytes.data() + EntryOffset(0), container.type, picture, entry, bytes.size());
  bytes.insert(bytes.end(), entry.bytes.begin(), entry.bytes.end());
  std::size_t k = 1;
  for (std::size_t i = 0; i < container.entries.size(); ++i) {
    if (i == index) continue;
    std::uint8_t* field = bytes.data() + EntryOffset(k++);
    std::copy_n(source.data() + EntryOffset(i), kIconEntryBytes, field);
    WriteU32(field + kEntryImageOffset, static_cast<std::uint32_t>(bytes.size()));
    const auto data = ContainerEntryBytes(source, container.entries[i]);
    bytes.insert(bytes.end(), data.begin(), data.end());
  }
  out = std::move(bytes);
  return true;
}

}  // namespace brindlex
