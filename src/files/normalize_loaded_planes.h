#pragma once

#include "pixels/surface.h"

namespace brindlex {

// Turns every pixel of an opened image whose mask and colour are both white (an inverting
// white pixel) into opaque black: mask and colour black. Other pixels, inverting ones of any
// other colour included, stay as they are. Works over the area both planes share.
void NormalizeLoadedPlanes(Surface& mask, Surface& color);

}  // namespace brindlex
