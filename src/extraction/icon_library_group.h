#pragma once

// Group icons, as programs and libraries store them: a group directory that lists the images
// of one icon (size, depth, length and the number of the image resource holding it), and
// one image resource per image. The extraction takes each group's "large" image, the one
// closest to 32 x 32, and hands it back at 32 x 32.

#include <cstdint>
#include <span>
#include <vector>

#include "extraction/icon_library_bytes.h"
#include "pixels/surface.h"

namespace brindlex {

// Where a resource's bytes lie in the file.
struct ResourceSpan {
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
};

// One image a group or an icon container offers: its size in pixels (a stored 0 already
// turned into 256) and its bits per pixel.
struct IconCandidate {
  int width = 0;
  int height = 0;
  int bit_count = 0;
};

// The edge the extraction hands back.
constexpr int kLargeIconEdge = 32;

constexpr int kGroupHeaderBytes = 6;
constexpr int kGroupEntryBytes = 14;
// The longest group directory there can be (65535 entries), and the largest image read: a
// group or an image claiming more is read only that far, or refused. (A 256 x 256 image at
// 32 bits with its mask takes about 270 KiB.)
constexpr std::uint64_t kMaxGroupDirectoryBytes = kGroupHeaderBytes + 65535ull * kGroupEntryBytes;
constexpr std::uint64_t kMaxIconImageBytes = 16u << 20;

// The index of the large image among the candidates, or −1 when there are none: an exact
// 32 x 32 image of the greatest depth (32 > 24 > 8 > 4 > 1 bits, anything else below);
// otherwise the smallest |w − 32| + |h − 32|, a tie going to the larger area, then to the
// greater depth, then to the earlier image.
int ChooseLargeIcon(const std::vector<IconCandidate>& candidates);

// One entry of a group directory.
struct GroupIconEntry {
  IconCandidate image;
  std::uint32_t bytes_in_resource = 0;
  std::uint16_t id = 0;
};

// Reads a group directory (reserved 0, type 1, count, then 14 bytes per entry). False when
// the reserved word or the type is wrong, the count is 0 or its entries do not fit.
bool ParseGroupIconDirectory(std::span<const std::uint8_t> group,
                             std::vector<GroupIconEntry>& entries);

// Whether the bytes start as an icon or cursor container does: reserved word 0, type 1 (icon)
// or 2 (cursor), and a positive image count. Sets `type` when they do.
bool IsIconContainer(std::span<const std::uint8_t> container, int& type);

// The group resources of one program or library file, in the order they are counted, and
// the lookup of an image resource by its number.
class GroupIconResources {
 public:
  virtual ~GroupIconResources() = default;
  virtual const std::vector<ResourceSpan>& Groups() const = 0;
  // The image resource with number `id` that group `group` names; False when there is none
  // or it is damaged.
  virtual bool FindIcon(LibraryBytes& bytes, int group, std::uint16_t id, ResourceSpan& span) = 0;
};

// Reads the directory of group `index`: its bytes, at most as many as the longest directory
// there can be, and its entries. False when there is no such group or its directory cannot
// be read or parsed.
bool ReadGroupDirectory(LibraryBytes& bytes, const GroupIconResources& resources, int index,
                        std::vector<std::uint8_t>& group, std::vector<GroupIconEntry>& entries);

// Decodes the large image of group `index` into 32 x 32 planes (mask white transparent and
// black opaque, colour), scaled by nearest neighbour from its own size. False on any fault;
// the planes are then untouched.
bool LoadGroupIcon(LibraryBytes& bytes, GroupIconResources& resources, int index, Surface& mask,
                   Surface& color);

// Decodes the image stored in `image` (a bitmap image with its header, or a PNG stream) as
// the icon decoder decodes an icon file's image, then scales it to 32 x 32.
bool DecodeLargeImage(std::span<const std::uint8_t> image, Surface& mask, Surface& color);

// Decodes the large image of an icon or cursor container (an .ico file, an animated cursor's
// frame) into 32 x 32 planes.
bool LoadContainerIcon(std::span<const std::uint8_t> container, Surface& mask, Surface& color);

// A cursor's hot spot on the 32 x 32 picture the extraction draws, in its pixels from the
// top-left corner.
struct CursorHotSpot {
  int x = 0, y = 0;
  bool operator==(const CursorHotSpot&) const = default;
};

// The hot spot of the image LoadContainerIcon draws from a cursor container: the stored one,
// moved to the first pixel of the 32 x 32 picture that shows the stored pixel (x · 32 / width
// rounded up, at most 31). False for an icon container or one without a readable image.
bool ContainerHotSpot(std::span<const std::uint8_t> container, CursorHotSpot& hot_spot);

// Nearest-neighbour scaling of a plane to edge x edge: target (x, y) takes source
// (x · w / edge, y · h / edge).
Surface ScaleNearest(const Surface& source, int edge);

}  // namespace brindlex
