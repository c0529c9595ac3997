#include "cli/thumbnail_drawing.h"

#include <functional>
#include <memory>
#include <set>
#include <span>

#include "cli/thumbnail_choice.h"
#include "cli/thumbnail_scale.h"
#include "extraction/shown_icon.h"
#include "files/icon_container.h"

namespace brindlex {
namespace {

// The most images tried: real icons hold a dozen or so, and each failed image of a damaged
// file costs a lookup among its resources and a decoding.
constexpr std::size_t kMaxImagesTried = 16;
// The most pixels decoded in all, as the images' own headers count them: four of the largest
// images drawn. A damaged file of many large images that fail late costs no more.
constexpr std::int64_t kMaxPixelsTried = 4LL * kMaxThumbnailSourceEdge * kMaxThumbnailSourceEdge;

// The images of the shown icon and how to read each one's entry bytes. Images that name the
// same stored bytes share a key, so that each is decoded once at most.
struct ThumbnailSource {
  std::vector<IconCandidate> images;
  std::vector<std::uint64_t> keys;
  // The bytes of image `index`: a view into the shown icon, or into `buffer` when they had
  // to be read from the file. Empty when they cannot be read.
  std::function<std::span<const std::uint8_t>(int index, std::vector<std::uint8_t>& buffer)> read;
};

// Whether the thumbnail can take an image of this size, by what its own header says.
bool UsableSize(int width, int height) {
  return width >= 1 && height >= 1 && width <= kMaxThumbnailSourceEdge &&
         height <= kMaxThumbnailSourceEdge;
}

void GroupSource(IconLibrary& library, const ShownIcon& icon, ThumbnailSource& source) {
  for (const GroupIconEntry& entry : icon.group) {
    source.images.push_back(entry.image);
    source.keys.push_back(entry.id);
  }
  source.read = [&library, &icon](int index, std::vector<std::uint8_t>& buffer) {
    if (!ReadGroupImage(library, icon.group[index], buffer)) buffer.clear();
    return std::span<const std::uint8_t>(buffer);
  };
}

bool ContainerSource(const ShownIcon& icon, ThumbnailSource& source) {
  // An icon file's or a frame's directory may be wrong about sizes and depths: the images'
  // own headers are believed, and an image too large to draw is left out before it is read.
  IconContainer container;
  if (!ReadIconContainer(icon.container, container)) return false;
  auto usable = std::make_shared<std::vector<ContainerEntry>>();
  for (const ContainerEntry& entry : container.entries) {
    if (!UsableSize(entry.image.width, entry.image.height)) continue;
    usable->push_back(entry);
    source.images.push_back({entry.image.width, entry.image.height, entry.image.bit_count});
    source.keys.push_back(std::uint64_t{entry.image_offset} << 32 | entry.stored_bytes);
  }
  source.read = [&icon, usable](int index, std::vector<std::uint8_t>&) {
    return ContainerEntryBytes(icon.container, (*usable)[index]);
  };
  return true;
}

bool PictureSource(const ShownIcon& icon, ThumbnailSource& source) {
  EntryHeader header;
  if (!ReadEntryHeader(icon.picture, header)) return false;
  if (UsableSize(header.width, header.height)) {
    source.images.push_back({header.width, header.height, header.bit_count});
    source.keys.push_back(0);
  }
  source.read = [&icon](int, std::vector<std::uint8_t>&) {
    return std::span<const std::uint8_t>(icon.picture);
  };
  return true;
}

bool SourceOf(IconLibrary& library, const ShownIcon& icon, ThumbnailSource& source) {
  if (!icon.group.empty()) {
    GroupSource(library, icon, source);
    return true;
  }
  if (!icon.picture.empty()) return PictureSource(icon, source);
  return ContainerSource(icon, source);
}

}  // namespace

ThumbnailResult DrawThumbnail(IconLibrary& library, int size, RgbaImage& thumbnail) {
  ShownIcon icon;
  ThumbnailSource source;
  if (!FindShownIcon(library, icon) || !SourceOf(library, icon, source))
    return ThumbnailResult::kNoIcon;
  std::set<std::uint64_t> tried;
  std::int64_t pixels_tried = 0;
  for (const int index : ThumbnailPreference(source.images, size)) {
    if (tried.size() == kMaxImagesTried) break;
    if (!tried.insert(source.keys[index]).second) continue;  // the same bytes failed before
    std::vector<std::uint8_t> buffer;
    const std::span<const std::uint8_t> bytes = source.read(index, buffer);
    EntryHeader header;
    if (bytes.empty() || !ReadEntryHeader(bytes, header)) continue;
    const std::int64_t pixels = std::int64_t{header.width} * header.height;
    if (pixels_tried + pixels > kMaxPixelsTried) continue;
    pixels_tried += pixels;
    EntryDecodeResult decoded;
    if (!DecodeEntryImage(bytes, decoded, kMaxThumbnailSourceEdge)) continue;
    RgbaImage scaled = ScaleForThumbnail(decoded.image, size);
    if (scaled.width == 0) continue;
    thumbnail = std::move(scaled);
    return ThumbnailResult::kDrawn;
  }
  return ThumbnailResult::kUndecodable;
}

}  // namespace brindlex
