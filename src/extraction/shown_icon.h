#pragma once

// The icon a Windows file browser shows for a file, with all its stored images rather than
// the extraction's 32 x 32 picture: a program's or library's first group in resource order,
// an animated cursor's first step, an icon or cursor file itself, or a PNG picture (a
// favicon often is one, whatever its name).

#include <cstdint>
#include <vector>

#include "extraction/icon_library.h"

namespace brindlex {

// The shown icon: for a program or library the images its first group lists (`group`, in
// the group's order; each image resource is looked up only when read); for an animated cursor
// or an icon file the icon container (`container`: the first step's frame, or the whole
// file), whose directory lists its images; for a PNG picture its stream (`picture`, the whole
// file). One of the three is filled.
struct ShownIcon {
  std::vector<GroupIconEntry> group;
  std::vector<std::uint8_t> container;
  std::vector<std::uint8_t> picture;
};

// Finds the shown icon of a file opened in `library`. False when the file holds no icon and
// is no PNG picture, its first group's directory is damaged, or the bytes cannot be read.
// Never reads more than the file holds: a program's images stay in the file until
// ReadGroupImage.
bool FindShownIcon(IconLibrary& library, ShownIcon& icon);

// Reads the bytes of the image resource a group entry names (a bare bitmap image or PNG
// stream). False when the file has no such resource, or its bytes do not lie in the file or
// are longer than kMaxIconImageBytes.
bool ReadGroupImage(IconLibrary& library, const GroupIconEntry& image,
                    std::vector<std::uint8_t>& bytes);

}  // namespace brindlex
