#pragma once

// What the icon extraction takes from a file: how many icons it offers and the icon chosen.
// The file's content decides, whatever its name: an animated cursor offers its frames.

#include <optional>
#include <string>

#include "extraction/icon_library.h"
#include "pixels/surface.h"

namespace brindlex {

// Opens `library` on the file and returns its IconCount.
int CountExtractableIcons(const std::string& path, IconLibrary& library);

// Opens the file and loads icon `index` as IconLibrary::LoadIcon does, and when the icon is a
// cursor (a cursor file, an animated cursor's frame), its hot spot on that picture
// (`hot_spot` is emptied otherwise). False when the file or the icon cannot be read.
bool ExtractIcon(const std::string& path, int index, Surface& mask, Surface& color,
                 std::optional<CursorHotSpot>& hot_spot);

}  // namespace brindlex
