#pragma once

#include "pixels/surface.h"

namespace brindlex {

// The two pictures the icon decoder fills: `MaskSurface` (white transparent, black opaque)
// and `ColorSurface`, both of the image's size. They hold a decoded image from a successful
// `DecodeIconImage` until `ReleaseDecodeSurfaces`; both are empty (0 x 0) otherwise.
struct DecodeSurfaces {
  Surface MaskSurface;
  Surface ColorSurface;
};

// Empties both surfaces. Safe to call on surfaces that are already empty.
void ReleaseDecodeSurfaces(DecodeSurfaces& surfaces);

}  // namespace brindlex
