#pragma once

// The thumbnail of a file, drawn from its shown icon: the image best suited to the size,
// decoded with every alpha value, then scaled.

#include "extraction/icon_library.h"
#include "files/rgba_image.h"

namespace brindlex {

enum class ThumbnailResult {
  kDrawn,
  kNoIcon,       // the file holds no icon, or its shown icon lists no image
  kUndecodable,  // no image of the shown icon decodes
};

// Draws the thumbnail of the file opened in `library`, `size` pixels at most (1 to
// kMaxThumbnailSize): the images of its shown icon are tried in the order of
// ThumbnailPreference (the first 16 of them at most), the first that decodes is scaled by
// ScaleForThumbnail. `thumbnail` is
// set only when the result is kDrawn.
ThumbnailResult DrawThumbnail(IconLibrary& library, int size, RgbaImage& thumbnail);

}  // namespace brindlex
