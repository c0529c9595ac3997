#pragma once

// Writing an icon (.ico) or cursor (.cur) container of RGBA pictures of any size up to 256,
// each stored as its smallest lossless entry.

#include <cstdint>
#include <utility>
#include <vector>

#include "files/entry_encoder.h"
#include "files/icon_format.h"
#include "files/rgba_image.h"

namespace brindlex {

struct ContainerPicture {
  ContainerPicture(RgbaImage picture, int x = 0, int y = 0, std::vector<std::uint8_t> png = {})
      : image(std::move(picture)), hot_spot_x(x), hot_spot_y(y), png_source(std::move(png)) {}

  RgbaImage image;
  int hot_spot_x, hot_spot_y;             // cursors only
  std::vector<std::uint8_t> png_source;   // a PNG stream `image` was read from, if any
  std::vector<InvertingPixel> inverting;  // pixels of `image` that invert, kept where they can
  // When not empty, the picture's entry as EncodeSmallestEntry made it already (with the same
  // `png` choice as the container's), so that a caller can encode one picture while it makes
  // the next.
  EncodedEntry encoded;
};

// The bytes of a container of `type` (kIconType or kCursorType): the 6-byte header, one
// directory entry per picture, largest picture first (by pixel count, then width; pictures
// of one size keep their order), and the entries' data in the same order without gaps. Each
// picture becomes EncodeSmallestEntry(picture, png, its PNG source, its inverting pixels), or
// its `encoded` entry. A directory entry holds the
// size (256 as 0), colour count 0, and for icons planes 1 and the entry's bit count, for cursors
// the hot spot. False, with `out` empty, when there is no picture or more than 65535, or a picture
// cannot be encoded (empty, malformed, larger than 256 on a side).
bool BuildContainerFileBytes(std::uint16_t type, const std::vector<ContainerPicture>& pictures,
                             bool png, std::vector<std::uint8_t>& out);

// The bytes of the icon or cursor container `source` with its entry `index` replaced by the
// picture's entry (as BuildContainerFileBytes makes it) and moved first: the source's header,
// the picture's directory entry, the other directory entries in their order, each as stored
// but for where its data lies, then the data in the same order without gaps, every other
// entry's bytes as stored. False, with `out` empty, when the source's directory cannot be
// read, `index` names no entry, another entry's data runs past the end of the source, or the
// picture cannot be encoded.
bool BuildContainerWithPictureFirst(IconFileBytes source, std::size_t index,
                                    const ContainerPicture& picture, bool png,
                                    std::vector<std::uint8_t>& out);

}  // namespace brindlex
