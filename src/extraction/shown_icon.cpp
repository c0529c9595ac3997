#include "extraction/shown_icon.h"

#include "files/file_bytes.h"
#include "files/icon_format.h"
#include "files/icon_png.h"

namespace brindlex {
namespace {

bool FindFirstGroup(IconLibrary& library, GroupIconResources& resources, ShownIcon& icon) {
  std::vector<std::uint8_t> directory;
  return ReadGroupDirectory(library.Bytes(), resources, 0, directory, icon.group);
}

// A file that holds no icon but starts as a PNG stream, no longer than an icon file may be.
bool IsPngPicture(IconLibrary& library) {
  LibraryBytes& bytes = library.Bytes();
  std::uint8_t signature[sizeof kPngSignature];
  return library.Kind() == IconLibraryKind::kNone && bytes.Size() <= kMaxIconFileBytes &&
         bytes.Read(0, sizeof signature, signature) && StartsWithPng(signature);
}

}  // namespace

bool FindShownIcon(IconLibrary& library, ShownIcon& icon) {
  icon = ShownIcon();
  LibraryBytes& bytes = library.Bytes();
  if (IsPngPicture(library)) return bytes.ReadVector(0, bytes.Size(), icon.picture);
  if (library.IconCount() == 0) return false;
  if (GroupIconResources* resources = library.GroupResources())
    return FindFirstGroup(library, *resources, icon);
  switch (library.Kind()) {
    case IconLibraryKind::kAnimatedCursor: {
      ResourceSpan frame;
      return library.Animation().StepFrame(bytes, 0, frame) &&
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
