#pragma once

// Reading the directory of an icon (.ico, type 1) or cursor (.cur, type 2) container of any
// image size: every entry's fields, the bytes it points at checked to lie inside the file,
// and the header of the picture stored there.

#include <cstdint>
#include <span>
#include <vector>

#include "files/entry_decoder.h"
#include "files/icon_format.h"

namespace brindlex {

struct ContainerEntry {
  int width = 0, height = 0;  // the directory's size bytes, 0 read as 256
  int color_count = 0;        // the directory's colour count byte
  // Icons: planes and bit count. Cursors hold the hot spot in the same two fields.
  int planes = 0, bit_count = 0;
  int hot_spot_x = 0, hot_spot_y = 0;
  std::uint32_t bytes_in_resource = 0, image_offset = 0;
  // The entry's bytes inside the file: bytes_in_resource, cut where a damaged file ends.
  std::uint32_t stored_bytes = 0;
  EntryHeader image;  // the stored picture's own header: its real size and depth
};

struct IconContainer {
  std::uint16_t type = 0;  // kIconType or kCursorType
  std::vector<ContainerEntry> entries;

  bool IsCursor() const { return type == kCursorType; }
};

// Reads the container: header (reserved 0, type 1 or 2, at least one entry), the whole
// directory, and for every entry its bytes and its picture's header. An entry whose length
// runs past the end of the file keeps the bytes the file has (its picture decodes only when
// they hold it). False when the directory is cut short, an entry starts past the end of the
// file or its picture has no readable header; `container` is then unchanged.
bool ReadIconContainer(IconFileBytes file, IconContainer& container);

// The bytes of an entry read by ReadIconContainer from the same file.
std::span<const std::uint8_t> ContainerEntryBytes(IconFileBytes file, const ContainerEntry& entry);

}  // namespace brindlex
