#include "cli/thumbnail_drawing.h"

#include <functional>
#include <memory>

#include "cli/thumbnail_choice.h"
#include "cli/thumbnail_scale.h"
#include "extraction/shown_icon.h"
#include "files/icon_container.h"

namespace brindlex {
namespace {

// The most images tried: real icons hold a dozen or so, and each failed image of a damaged
// file costs a lookup among its resources.
constexpr std::size_t kMaxImagesTried = 16;

// The images of the shown icon and how to read each one's entry bytes.
struct ThumbnailSource {
  std::vector<IconCandidate> images;
  std::function<bool(int, std::vector<std::uint8_t>&)> read;
};

bool SourceOf(IconLibrary& library, const ShownIcon& icon, ThumbnailSource& source) {
  if (!icon.group.empty()) {
    for (const GroupIconEntry& entry : icon.group) source.images.push_back(entry.image);
    source.read = [&library, &icon](int index, std::vector<std::uint8_t>& bytes) {
      return ReadGroupImage(library, icon.group[index], bytes);
    };
    return true;
  }
  // An icon file's or a frame's directory may be wrong about sizes and depths: the images'
  // own headers are believed.
  auto container = std::make_shared<IconContainer>();
  if (!ReadIconContainer(icon.container, *container)) return false;
  for (const ContainerEntry& entry : container->entries)
    source.images.push_back({entry.image.width, entry.image.height, entry.image.bit_count});
  source.read = [&icon, container](int index, std::vector<std::uint8_t>& bytes) {
    const std::span<const std::uint8_t> entry =
        ContainerEntryBytes(icon.container, container->entries[index]);
    bytes.assign(entry.begin(), entry.end());
    return !bytes.empty();
  };
  return true;
}

}  // namespace

ThumbnailResult DrawThumbnail(IconLibrary& library, int size, RgbaImage& thumbnail) {
  ShownIcon icon;
  ThumbnailSource source;
  if (!FindShownIcon(library, icon) || !SourceOf(library, icon, source))
    return ThumbnailResult::kNoIcon;
  std::vector<int> order = ThumbnailPreference(source.images, size);
  if (order.size() > kMaxImagesTried) order.resize(kMaxImagesTried);
  for (const int index : order) {
    std::vector<std::uint8_t> bytes;
    EntryDecodeResult decoded;
    if (!source.read(index, bytes) || !DecodeEntryImage(bytes, decoded)) continue;
    RgbaImage scaled = ScaleForThumbnail(decoded.image, size);
    if (scaled.width == 0) continue;
    thumbnail = std::move(scaled);
    return ThumbnailResult::kDrawn;
  }
  return ThumbnailResult::kUndecodable;
}

}  // namespace brindlex
