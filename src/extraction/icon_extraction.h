#pragma once

// What the icon extraction takes from a file: how many icons it offers and the icon chosen,
// by the rule that a name ending in ".ani" is shown as the steps of its animation.

#include <optional>
#include <string>

#include "extraction/icon_library.h"
#include "pixels/surface.h"

namespace brindlex {

// True when the path ends in ".ani", letter case ignored: such a file is shown as the steps
// of its animation rather than as a list of icons.
bool IsAnimatedName(const std::string& path);

// The number of icons the extraction offers for a file already opened in `library`: the
// steps of its first icon for a name ending in ".ani", else its icons.
int ExtractableIconCount(const std::string& path, IconLibrary& library);

// Opens `library` on the file and counts its icons as ExtractableIconCount does.
int CountExtractableIcons(const std::string& path, IconLibrary& library);

// Loads cell `index` of an opened library: for a name ending in ".ani" step `index` of icon
// 0, otherwise icon `index`; its large image at 32 x 32, mask and colour planes. False when
// the icon cannot be read; the planes are then untouched.
bool LoadExtractableIcon(const std::string& path, IconLibrary& library, int index, Surface& mask,
                         Surface& color);

// The hot spot of cell `index` of an opened library when it is a cursor, on the picture
// LoadExtractableIcon draws. False for an icon.
bool LoadExtractableHotSpot(const std::string& path, IconLibrary& library, int index,
                            CursorHotSpot& hot_spot);

// Opens the file and loads cell `index` as LoadExtractableIcon does, and when the cell is a
// cursor, its hot spot (`hot_spot` is emptied otherwise). False when the file or the icon
// cannot be read.
bool ExtractIcon(const std::string& path, int index, Surface& mask, Surface& color,
                 std::optional<CursorHotSpot>& hot_spot);

}  // namespace brindlex
