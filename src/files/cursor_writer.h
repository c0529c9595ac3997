#pragma once

// Writing cursor files: the icon container with type 2 and the hot spot in the directory
// entry, one image, written whole through WriteFileAtomically.

#include <cstdint>
#include <string>
#include <vector>

#include "files/icon_format.h"
#include "pixels/surface.h"

namespace brindlex {

// The bytes of a one-image .cur file: the one-image icon file of the same planes and colour
// count (Palette2, Palette16, the icon palette or 24 bits) with type 2 in the header and the
// hot spot (icon pixels from the top-left corner) as two u16 in bytes 4 to 7 of the entry,
// that is, at file offsets 10 to 13. False when the planes cannot be written.
bool BuildCursorFileBytes(const Surface& mask, const Surface& color, int color_count,
                          std::uint16_t hot_spot_x, std::uint16_t hot_spot_y,
                          std::vector<std::uint8_t>& out);

// Writes the cursor file at `path`. Shows nothing; false on any fault, in which case a file
// already at `path` is left as it was.
bool WriteCursorFile(const Surface& mask, const Surface& color, int color_count,
                     std::uint16_t hot_spot_x, std::uint16_t hot_spot_y, const std::string& path);

}  // namespace brindlex
