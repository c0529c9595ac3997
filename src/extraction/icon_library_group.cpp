#include "extraction/icon_library_group.h"

#include <algorithm>
#include <cstdlib>

#include "files/icon_decoder.h"
#include "files/icon_format.h"
#include "files/icon_reader.h"

namespace brindlex {
namespace {

// Rank of a depth: higher is preferred.
int DepthRank(int bit_count) {
  switch (bit_count) {
    case 32:
      return 5;
    case 24:
      return 4;
    case 8:
      return 3;
    case 4:
      return 2;
    case 1:
      return 1;
    default:
      return 0;
  }
}

int Distance(const IconCandidate& c) {
  return std::abs(c.width - kLargeIconEdge) + std::abs(c.height - kLargeIconEdge);
}

// True when a is preferred over b (b earlier in the list).
bool Better(const IconCandidate& a, const IconCandidate& b) {
  const int da = Distance(a), db = Distance(b);
  if (da != db) return da < db;
  const long long area_a = 1LL * a.width * a.height, area_b = 1LL * b.width * b.height;
  if (area_a != area_b) return area_a > area_b;
  return DepthRank(a.bit_count) > DepthRank(b.bit_count);
}

// An icon container holding the one image, so that the icon decoder can read it.
std::vector<std::uint8_t> OneImageContainer(std::span<const std::uint8_t> image) {
  std::vector<std::uint8_t> file(kIconHeaderBytes + kIconEntryBytes + image.size(), 0);
  WriteU16(file.data() + kHeaderType, kIconType);
  WriteU16(file.data() + kHeaderCount, 1);
  std::uint8_t* entry = file.data() + kIconHeaderBytes;
  WriteU32(entry + kEntryBytesInResource, static_cast<std::uint32_t>(image.size()));
  WriteU32(entry + kEntryImageOffset, kIconHeaderBytes + kIconEntryBytes);
  std::copy(image.begin(), image.end(), file.begin() + kIconHeaderBytes + kIconEntryBytes);
  return file;
}

bool DecodeScaled(std::span<const std::uint8_t> container, int index, Surface& mask_out,
                  Surface& color_out) {
  IconImageInfo info;
  if (!ReadIconImageInfo(container, index, info)) return false;
  if (!DecodableSize(info.width, info.height)) return false;
  Surface mask, color;
  // Partly transparent pixels stay so, as in an icon file the editor opens.
  if (!DecodeIconEntryByRule(container, index, static_cast<int>(info.width),
                             static_cast<int>(info.height), mask, color, AlphaRule::kKeep))
    return false;
  mask_out = ScaleNearest(mask, kLargeIconEdge);
  color_out = ScaleNearest(color, kLargeIconEdge);
  return true;
}

}  // namespace

int ChooseLargeIcon(const std::vector<IconCandidate>& candidates) {
  int best = -1;
  for (int i = 0; i < static_cast<int>(candidates.size()); ++i) {
    if (best < 0 || Better(candidates[i], candidates[best])) best = i;
  }
  return best;
}

bool ParseGroupIconDirectory(std::span<const std::uint8_t> group,
                             std::vector<GroupIconEntry>& entries) {
  entries.clear();
  if (group.size() < kGroupHeaderBytes) return false;
  const std::uint8_t* p = group.data();
  const int count = ReadU16(p + kHeaderCount);
  if (ReadU16(p + kHeaderReserved) != 0 || ReadU16(p + kHeaderType) != kIconType || count == 0)
    return false;
  if (group.size() < kGroupHeaderBytes + static_cast<std::size_t>(count) * kGroupEntryBytes)
    return false;
  entries.resize(count);
  for (int i = 0; i < count; ++i) {
    const std::uint8_t* e = p + kGroupHeaderBytes + i * kGroupEntryBytes;
    GroupIconEntry& entry = entries[i];
    entry.image.width = e[0] ? e[0] : 256;
    entry.image.height = e[1] ? e[1] : 256;
    entry.image.bit_count = ReadU16(e + 6);
    // Old groups leave the bit count 0 and give the number of colours instead.
    if (entry.image.bit_count == 0) entry.image.bit_count = e[2] == 2 ? 1 : e[2] == 16 ? 4 : 0;
    entry.bytes_in_resource = ReadU32(e + 8);
    entry.id = ReadU16(e + 12);
  }
  return true;
}

Surface ScaleNearest(const Surface& source, int edge) {
  Surface out(edge, edge, kBlack);
  const int w = source.Width(), h = source.Height();
  if (w <= 0 || h <= 0) return out;
  for (int y = 0; y < edge; ++y) {
    const Color* row = source.Row(static_cast<int>(1LL * y * h / edge));
    Color* target = out.Row(y);
    for (int x = 0; x < edge; ++x) target[x] = row[1LL * x * w / edge];
  }
  return out;
}

bool DecodeLargeImage(std::span<const std::uint8_t> image, Surface& mask, Surface& color) {
  if (image.empty()) return false;
  const std::vector<std::uint8_t> container = OneImageContainer(image);
  return DecodeScaled(container, 0, mask, color);
}

bool IsIconContainer(std::span<const std::uint8_t> container, int& type) {
  if (container.size() < kIconHeaderBytes) return false;
  const std::uint8_t* header = container.data();
  const int stored_type = ReadU16(header + kHeaderType);
  if (ReadU16(header + kHeaderReserved) != 0 || (stored_type != 1 && stored_type != 2) ||
      ReadI16(header + kHeaderCount) <= 0)
    return false;
  type = stored_type;
  return true;
}

namespace {

// The index of the large image of an icon or cursor container, or −1 when it has none that
// can be read.
int ChooseContainerImage(std::span<const std::uint8_t> container) {
  int type = 0;
  if (!IsIconContainer(container, type)) return -1;
  const std::uint8_t* header = container.data();
  const int count = ReadI16(header + kHeaderCount);
  // A cursor's entry holds the hot spot where an icon's holds planes and depth: the depth
  // is taken from each image's own header.
  std::vector<IconCandidate> candidates;
  std::vector<int> indices;
  for (int i = 0; i < count; ++i) {
    IconImageInfo info;
    if (!ReadIconImageInfo(container, i, info)) continue;
    const std::uint8_t* entry = header + EntryOffset(i);
    candidates.push_back({entry[kEntryWidth] ? entry[kEntryWidth] : 256,
                          entry[kEntryHeight] ? entry[kEntryHeight] : 256, info.bit_count});
    indices.push_back(i);
  }
  const int chosen = ChooseLargeIcon(candidates);
  return chosen < 0 ? -1 : indices[chosen];
}

}  // namespace

bool LoadContainerIcon(std::span<const std::uint8_t> container, Surface& mask, Surface& color) {
  const int chosen = ChooseContainerImage(container);
  return chosen >= 0 && DecodeScaled(container, chosen, mask, color);
}

bool ContainerHotSpot(std::span<const std::uint8_t> container, CursorHotSpot& hot_spot) {
  int type = 0;
  const int chosen = ChooseContainerImage(container);
  IconImageInfo info;
  if (chosen < 0 || !IsIconContainer(container, type) || type != kCursorType ||
      !ReadIconImageInfo(container, chosen, info) || !DecodableSize(info.width, info.height))
    return false;
  const std::uint8_t* entry = container.data() + EntryOffset(chosen);
  auto scaled = [](std::int64_t stored, std::int64_t side) {
    return static_cast<int>(
        std::min<std::int64_t>((stored * kLargeIconEdge + side - 1) / side, kLargeIconEdge - 1));
  };
  hot_spot = {scaled(ReadU16(entry + kEntryPlanes), info.width),
              scaled(ReadU16(entry + kEntryBitCount), info.height)};
  return true;
}

bool ReadGroupDirectory(LibraryBytes& bytes, const GroupIconResources& resources, int index,
                        std::vector<std::uint8_t>& group, std::vector<GroupIconEntry>& entries) {
  const std::vector<ResourceSpan>& groups = resources.Groups();
  if (index < 0 || index >= static_cast<int>(groups.size())) return false;
  return bytes.ReadVector(groups[index].offset,
                          std::min(groups[index].size, kMaxGroupDirectoryBytes), group) &&
         ParseGroupIconDirectory(group, entries);
}

bool LoadGroupIcon(LibraryBytes& bytes, GroupIconResources& resources, int index, Surface& mask,
                   Surface& color) {
  std::vector<std::uint8_t> group;
  std::vector<GroupIconEntry> entries;
  if (!ReadGroupDirectory(bytes, resources, index, group, entries)) return false;
  std::vector<IconCandidate> candidates;
  for (const GroupIconEntry& entry : entries) candidates.push_back(entry.image);
  const int chosen = ChooseLargeIcon(candidates);
  ResourceSpan span;
  if (chosen < 0 || !resources.FindIcon(bytes, index, entries[chosen].id, span)) return false;
  std::vector<std::uint8_t> image;
  if (span.size > kMaxIconImageBytes || !bytes.ReadVector(span.offset, span.size, image))
    return false;
  return DecodeLargeImage(image, mask, color);
}

}  // namespace brindlex
