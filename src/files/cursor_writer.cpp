#include "files/cursor_writer.h"

#include "files/atomic_file.h"
#include "files/icon_format.h"
#include "files/icon_writer.h"

namespace brindlex {

bool BuildCursorFileBytes(const Surface& mask, const Surface& color, int color_count,
                          std::uint16_t hot_spot_x, std::uint16_t hot_spot_y,
                          std::vector<std::uint8_t>& out) {
  // A cursor differs from a one-image icon only in the header's type and in the two entry
  // fields that hold the planes and bit count for an icon.
  if (!BuildIconFileBytes(mask, color, color_count, out)) return false;
  WriteU16(out.data() + kHeaderType, kCursorType);
  std::uint8_t* entry = out.data() + EntryOffset(0);
  WriteU16(entry + kEntryPlanes, hot_spot_x);
  WriteU16(entry + kEntryBitCount, hot_spot_y);
  return true;
}

bool WriteCursorFile(const Surface& mask, const Surface& color, int color_count,
                     std::uint16_t hot_spot_x, std::uint16_t hot_spot_y, const std::string& path) {
  std::vector<std::uint8_t> bytes;
  return BuildCursorFileBytes(mask, color, color_count, hot_spot_x, hot_spot_y, bytes) &&
         WriteFileAtomically(path, bytes);
}

}  // namespace brindlex
