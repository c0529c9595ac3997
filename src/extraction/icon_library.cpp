#include "extraction/icon_library.h"

#include <algorithm>
#include <climits>

#include "files/file_bytes.h"
#include "files/icon_format.h"

namespace brindlex {
namespace {

// Decodes the large image of the icon or cursor container stored at `span`.
bool LoadStoredContainer(LibraryBytes& bytes, ResourceSpan span, Surface& mask, Surface& color) {
  std::vector<std::uint8_t> container;
  return bytes.ReadVector(span.offset, span.size, container) &&
         LoadContainerIcon(container, mask, color);
}

}  // namespace

bool IconLibrary::Open(const std::string& path, std::string* error) {
  auto file = std::make_unique<FileLibraryBytes>();
  const bool opened = file->Open(path, error);
  bytes_ = std::move(file);
  Recognise();
  return opened;
}

void IconLibrary::Open(std::span<const std::uint8_t> bytes) {
  bytes_ = std::make_unique<MemoryLibraryBytes>(bytes);
  Recognise();
}

void IconLibrary::OpenOwned(std::vector<std::uint8_t> bytes) {
  owned_ = std::move(bytes);
  Open(std::span<const std::uint8_t>(owned_));
}

void IconLibrary::Recognise() {
  kind_ = IconLibraryKind::kNone;
  icon_count_ = 0;
  too_large_ = false;
  ani_ = AniFrames();
  LibraryBytes& bytes = *bytes_;
  if (pe_.Read(bytes)) {
    kind_ = IconLibraryKind::kPe;
    icon_count_ = static_cast<int>(pe_.Groups().size());
    return;
  }
  if (ne_.Read(bytes)) {
    kind_ = IconLibraryKind::kNe;
    icon_count_ = static_cast<int>(ne_.Groups().size());
    return;
  }
  // Animated cursors and icon files are read whole when drawn: keep them to the size the
  // icon reader accepts.
  if (bytes.Size() > kMaxIconFileBytes) {
    too_large_ = true;
    return;
  }
  if (ani_.Read(bytes)) {
    kind_ = IconLibraryKind::kAnimatedCursor;
    icon_count_ = static_cast<int>(std::min<std::size_t>(ani_.FrameCount(), INT_MAX));
    return;
  }
  std::uint8_t header[kIconHeaderBytes];
  int type = 0;
  if (bytes.Read(0, sizeof header, header) && IsIconContainer(header, type)) {
    kind_ = IconLibraryKind::kIconFile;
    icon_count_ = 1;
  }
}

GroupIconResources* IconLibrary::GroupResources() {
  if (kind_ == IconLibraryKind::kPe) return &pe_;
  if (kind_ == IconLibraryKind::kNe) return &ne_;
  return nullptr;
}

bool IconLibrary::LoadIcon(int index, Surface& mask, Surface& color) {
  if (index < 0 || index >= icon_count_) return false;
  switch (kind_) {
    case IconLibraryKind::kPe:
      return LoadGroupIcon(*bytes_, pe_, index, mask, color);
    case IconLibraryKind::kNe:
      return LoadGroupIcon(*bytes_, ne_, index, mask, color);
    case IconLibraryKind::kAnimatedCursor:
      return LoadStoredContainer(*bytes_, ani_.Frame(static_cast<std::size_t>(index)), mask, color);
    case IconLibraryKind::kIconFile:
      return LoadStoredContainer(*bytes_, {0, bytes_->Size()}, mask, color);
    case IconLibraryKind::kNone:
      break;
  }
  return false;
}

bool IconLibrary::LoadHotSpot(int index, CursorHotSpot& hot_spot) {
  if (index < 0 || index >= icon_count_) return false;
  ResourceSpan container{0, bytes_->Size()};
  if (kind_ == IconLibraryKind::kAnimatedCursor)
    container = ani_.Frame(static_cast<std::size_t>(index));
  else if (kind_ != IconLibraryKind::kIconFile)
    return false;  // programs and libraries hold group icons only
  std::vector<std::uint8_t> bytes;
  return bytes_->ReadVector(container.offset, container.size, bytes) &&
         ContainerHotSpot(bytes, hot_spot);
}

bool IconLibrary::ReadGroupFile(int index, IconGroupFile& file) {
  file = IconGroupFile();
  if (index < 0 || index >= icon_count_) return false;
  ResourceSpan container{0, bytes_->Size()};
  switch (kind_) {
    case IconLibraryKind::kPe:
      return BuildIconGroupFile(*bytes_, pe_, index, file);
    case IconLibraryKind::kNe:
      return BuildIconGroupFile(*bytes_, ne_, index, file);
    case IconLibraryKind::kAnimatedCursor:
      container = ani_.Frame(static_cast<std::size_t>(index));
      break;
    case IconLibraryKind::kIconFile:
    case IconLibraryKind::kNone:
      break;
  }
  // A whole container, taken as it is.
  int type = 0;
  if (!bytes_->ReadVector(container.offset, container.size, file.bytes) ||
      !IsIconContainer(file.bytes, type))
    return false;
  file.cursor = type == 2;
  return true;
}

}  // namespace brindlex
