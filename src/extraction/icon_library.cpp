#include "extraction/icon_library.h"

#include "files/file_bytes.h"
#include "files/icon_format.h"

namespace brindlex {

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
    icon_count_ = ani_.ReadableSteps(bytes) > 0 ? 1 : 0;
    return;
  }
  std::uint8_t header[kIconHeaderBytes];
  int type = 0;
  if (bytes.Read(0, sizeof header, header) && IsIconContainer(header, type)) {
    kind_ = IconLibraryKind::kIconFile;
    icon_count_ = 1;
  }
}

int IconLibrary::StepCount(int icon) {
  if (icon < 0 || icon >= icon_count_) return 0;
  return kind_ == IconLibraryKind::kAnimatedCursor ? ani_.ReadableSteps(*bytes_) : 1;
}

GroupIconResources* IconLibrary::GroupResources() {
  if (kind_ == IconLibraryKind::kPe) return &pe_;
  if (kind_ == IconLibraryKind::kNe) return &ne_;
  return nullptr;
}

bool IconLibrary::LoadIcon(int icon, int step, Surface& mask, Surface& color) {
  if (icon < 0 || icon >= icon_count_) return false;
  if (kind_ == IconLibraryKind::kAnimatedCursor) return ani_.LoadStep(*bytes_, step, mask, color);
  if (step != 0) return false;
  switch (kind_) {
    case IconLibraryKind::kPe:
      return LoadGroupIcon(*bytes_, pe_, icon, mask, color);
    case IconLibraryKind::kNe:
      return LoadGroupIcon(*bytes_, ne_, icon, mask, color);
    case IconLibraryKind::kIconFile: {
      std::vector<std::uint8_t> file;
      return bytes_->ReadVector(0, bytes_->Size(), file) && LoadContainerIcon(file, mask, color);
    }
    default:
      return false;
  }
}

bool IconLibrary::LoadHotSpot(int icon, int step, CursorHotSpot& hot_spot) {
  if (icon < 0 || icon >= icon_count_) return false;
  ResourceSpan container{0, bytes_->Size()};
  if (kind_ == IconLibraryKind::kAnimatedCursor) {
    if (!ani_.StepFrame(step, container)) return false;
  } else if (kind_ != IconLibraryKind::kIconFile || step != 0) {
    return false;  // programs and libraries hold group icons only
  }
  std::vector<std::uint8_t> bytes;
  return bytes_->ReadVector(container.offset, container.size, bytes) &&
         ContainerHotSpot(bytes, hot_spot);
}

int IconLibrary::GroupCount() const {
  switch (kind_) {
    case IconLibraryKind::kPe:
    case IconLibraryKind::kNe:
      return icon_count_;
    case IconLibraryKind::kAnimatedCursor:
      return static_cast<int>(ani_.FrameCount());
    case IconLibraryKind::kIconFile:
      return 1;
    case IconLibraryKind::kNone:
      break;
  }
  return 0;
}

bool IconLibrary::ReadGroupFile(int index, IconGroupFile& file) {
  file = IconGroupFile();
  if (index < 0 || index >= GroupCount()) return false;
  ResourceSpan container{0, bytes_->Size()};
  switch (kind_) {
    case IconLibraryKind::kPe:
      return BuildIconGroupFile(*bytes_, pe_, index, file);
    case IconLibraryKind::kNe:
      return BuildIconGroupFile(*bytes_, ne_, index, file);
    case IconLibraryKind::kAnimatedCursor:
      container = ani_.Frames()[static_cast<std::size_t>(index)];
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
