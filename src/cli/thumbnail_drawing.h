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

// The largest side of an image decoded for a thumbnail (a 2048 x 2048 picture takes 16 MiB):
// an image whose own header claims more is passed over before it is read.
constexpr int kMaxThumbnailSourceEdge = 2048;

// Draws the thumbnail of the file opened in `library`, `size` pixels at most (1 to
// kMaxThumbnailSize): the images of its shown icon, of any size up to
// kMaxThumbnailSourceEdge, are tried in the order of ThumbnailPreference, the first that
// decodes is scaled by ScaleForThumbnail. Each stored image is decoded once at most, however
// many entries name it; 16 of them at most are tried, and an image is passed over when,
// with those tried before it, it would come to more than four 2048 x 2048 pictures.
// `thumbnail` is set only when the result is kDrawn.
ThumbnailResult DrawThumbnail(IconLibrary& library, int size, RgbaImage& thumbnail);

}  // namespace brindlex
