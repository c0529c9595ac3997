#include "extraction/shown_icon.h"

#include <algorithm>

namespace brindlex {
namespace {

// A group directory holds at most 65535 entries of 14 bytes after its 6-byte header.
constexpr std::uint64_t kMaxGroupDirectoryBytes = 6 + 65535ull * 14;

bool FindFirstGroup(IconLibrary& library, GroupIconResources& resources, ShownIcon& icon) {
  if (resources.Groups().empty()) return false;
  const ResourceSpan& first = resources.Groups().front();
  std::vector<std::uint8_t> directory;
  std::vector<GroupIconEntry> entries;
  if (!library.Bytes().ReadVector(first.offset, std::min(first.size, kMaxGroupDirectoryBytes),
                                  directory) ||
      !ParseGroupIconDirectory(directory, entries))
    return false;
  for (const GroupIconEntry& entry : entries) {
    ResourceSpan span;
    if (resources.FindIcon(library.Bytes(), entry.id, span) && span.size > 0)
      icon.group.push_back({entry.image, span});
  }
  return !icon.group.empty();
}

}  // namespace

bool FindShownIcon(IconLibrary& library, ShownIcon& icon) {
  icon = ShownIcon();
  if (library.IconCount() == 0) return false;
  if (GroupIconResources* resources = library.GroupResources())
    return FindFirstGroup(library, *resources, icon);
  LibraryBytes& bytes = library.Bytes();
  switch (library.Kind()) {
    case IconLibraryKind::kAnimatedCursor: {
      ResourceSpan frame;
      return library.Animation().StepFrame(0, frame) &&
             bytes.ReadVector(frame.offset, frame.size, icon.container);
    }
    case IconLibraryKind::kIconFile:
      return bytes.ReadVector(0, bytes.Size(), icon.container);
    default:
      return false;
  }
}

bool ReadGroupImage(IconLibrary& library, const GroupImage& image,
                    std::vector<std::uint8_t>& bytes) {
  return image.span.size <= kMaxShownImageBytes &&
         library.Bytes().ReadVector(image.span.offset, image.span.size, bytes);
}

}  // namespace brindlex
