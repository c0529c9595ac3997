#pragma once

// The size a thumbnail is drawn at, and the drawing: reduced with a proper
// filter, enlarged only by whole factors, pixel for pixel, so that pixel icons
// stay crisp.

#include "files/rgba_image.h"

namespace brindlex {

// The largest thumbnail drawn: a larger request is drawn at this size.
constexpr int kMaxThumbnailSize = 1024;

// The size at which an image of width x height is drawn for a thumbnail of
// `size` pixels, by the larger of its two sides (its edge), and whether it is
// enlarged rather than reduced:
//  - an edge above `size` is reduced to `size`, the other side in proportion
//  (rounded, at
//    least 1);
//  - otherwise the image is enlarged by floor(size / edge) when that factor is
//  2 or more,
//    and else drawn as it is.
// The result never exceeds `size` on either side.
struct ThumbnailScale {
  int width = 0;
  int height = 0;
  bool enlarged = false;
};
ThumbnailScale ThumbnailSizeFor(int width, int height, int size);

// The image drawn at its ThumbnailSizeFor size: enlarged by repeating each
// pixel into a factor x factor block, reduced by the premultiplied-alpha
// resampler. Empty (0 x 0) when the image is malformed.
RgbaImage ScaleForThumbnail(const RgbaImage& image, int size);

}  // namespace brindlex
