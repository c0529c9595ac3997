#include "files/image_kind.h"

#include "files/icon_format.h"
#include "files/icon_png.h"

namespace brindlex {

ImageKind SniffImageKind(std::span<const std::uint8_t> bytes) {
  if (StartsWithPng(bytes)) return ImageKind::kPng;
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return ImageKind::kBitmap;
  if (bytes.size() < EntryOffset(1) || ReadU16(bytes.data() + kHeaderReserved) != 0 ||
      ReadU16(bytes.data() + kHeaderCount) == 0)
    return ImageKind::kUnknown;
  switch (ReadU16(bytes.data() + kHeaderType)) {
    case kIconType:
      return ImageKind::kIcon;
    case kCursorType:
      return ImageKind::kCursor;
    default:
      return ImageKind::kUnknown;
  }
}

}  // namespace brindlex
