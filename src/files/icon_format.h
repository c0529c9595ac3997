#pragma once

// Byte layout of the icon container (.ico; .cur shares it): a 6-byte file header, one
// 16-byte directory entry per image, and per image a bitmap information header, a palette,
// colour rows and mask rows, bottom line first, every row padded to a multiple of 4 bytes.
// All multi-byte fields are little-endian.

#include <cstddef>
#include <cstdint>
#include <span>

namespace brindlex {

// The bytes of a whole icon file, as read from disk or handed in by a caller.
using IconFileBytes = std::span<const std::uint8_t>;

constexpr int kIconHeaderBytes = 6;
constexpr int kIconEntryBytes = 16;
constexpr int kBitmapInfoHeaderBytes = 40;
constexpr int kPaletteEntryBytes = 4;

// Field offsets inside the file header.
constexpr int kHeaderReserved = 0;
constexpr int kHeaderType = 2;
constexpr int kHeaderCount = 4;
constexpr std::uint16_t kIconType = 1;
constexpr std::uint16_t kCursorType = 2;

// Field offsets inside a directory entry.
constexpr int kEntryWidth = 0;
constexpr int kEntryHeight = 1;
constexpr int kEntryColorCount = 2;
constexpr int kEntryReserved = 3;
constexpr int kEntryPlanes = 4;
constexpr int kEntryBitCount = 6;
constexpr int kEntryBytesInResource = 8;
constexpr int kEntryImageOffset = 12;

// Field offsets inside the bitmap information header.
constexpr int kBmpSize = 0;
constexpr int kBmpWidth = 4;
constexpr int kBmpHeight = 8;
constexpr int kBmpPlanes = 12;
constexpr int kBmpBitCount = 14;
constexpr int kBmpCompression = 16;
constexpr int kBmpImageSize = 20;
constexpr int kBmpColorsUsed = 32;

// The eight bytes every PNG stream starts with; icon images may be stored as PNG.
constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// Offset of directory entry `index` from the start of the file.
constexpr std::size_t EntryOffset(std::size_t index) {
  return kIconHeaderBytes + kIconEntryBytes * index;
}

// Bytes of one row of `width` pixels at `bit_count` bits, padded to a multiple of 4.
constexpr std::size_t RowBytes(std::size_t width, int bit_count) {
  return ((width * static_cast<std::size_t>(bit_count) + 31) / 32) * 4;
}

// Bytes of the mask block (1 bit per pixel) of a width x height image.
constexpr std::size_t MaskBlockBytes(std::size_t width, std::size_t height) {
  return RowBytes(width, 1) * height;
}

// Palette entries written and read for a bit count: 2, 16 or 256, none for deeper images.
constexpr int PaletteEntries(int bit_count) {
  return bit_count == 1 ? 2 : bit_count == 4 ? 16 : bit_count == 8 ? 256 : 0;
}

// Little-endian field access. Callers check that the bytes exist before they read.
inline std::uint16_t ReadU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t ReadU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::int16_t ReadI16(const std::uint8_t* p) { return static_cast<std::int16_t>(ReadU16(p)); }
inline std::int32_t ReadI32(const std::uint8_t* p) { return static_cast<std::int32_t>(ReadU32(p)); }
inline std::uint32_t ReadU32BigEndian(const std::uint8_t* p) {
  return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
         (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]);
}

inline void WriteU16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void WriteU32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// True when `length` bytes starting at `offset` lie inside a file of `file_size` bytes.
// Works for any offset and length, without overflow.
constexpr bool RangeInside(std::uint64_t offset, std::uint64_t length, std::uint64_t file_size) {
  return offset <= file_size && length <= file_size - offset;
}

}  // namespace brindlex
