#include "extraction/shown_icon.h"

#include <algorithm>

namespace brindlex {
namespace {

bool FindFirstGroup(IconLibrary& library, GroupIconResources& resources, ShownIcon& icon) {
  std::vector<std::uint8_t> directory;
  return ReadGroupDirectory(library.Bytes(), resources, 0, directory, icon.group);
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

bool ReadGroupImage(IconLibrary& library, const GroupIconEntry& image,
                    std::vector<std::uint8_t>& bytes) {
  GroupIconResources* resources = library.GroupResources();
  ResourceSpan span;
  return resources != nullptr && resources->FindIcon(library.Bytes(), 0, image.id, span) &&
         span.size > 0 && span.size <= kMaxIconImageBytes &&
         library.Bytes().ReadVector(span.offset, span.size, bytes);
}

}  // namespace brindlex
