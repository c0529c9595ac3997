#pragma once

// Telling a file's kind by its first bytes rather than by its name: a PNG picture named
// .ico is a PNG picture, a cursor named .ico a cursor.

#include <cstdint>
#include <span>

namespace brindlex {

enum class ImageKind {
  kUnknown,
  kIcon,    // icon container, type 1
  kCursor,  // icon container, type 2
  kPng,     // PNG signature
  kBitmap,  // Windows bitmap file ("BM")
};

// The kind the bytes start as. An icon or cursor needs its 6-byte header (reserved 0, type 1
// or 2, at least one image) and its first directory entry.
ImageKind SniffImageKind(std::span<const std::uint8_t> bytes);

}  // namespace brindlex
