#pragma once

// Resizing an RGBA picture with a proper filter (Mitchell when shrinking, Catmull-Rom when
// enlarging) on premultiplied alpha, so that the colour of transparent pixels does not bleed
// into the visible ones.

#include "files/rgba_image.h"

namespace brindlex {

// The picture resampled to width x height (each side 1..4096). A picture of that size already
// is returned as it is. Empty (0 x 0) when the source is malformed or a size out of range.
// Throws std::bad_alloc when there is not enough memory for the work.
RgbaImage ResampleRgba(const RgbaImage& source, int width, int height);

}  // namespace brindlex
