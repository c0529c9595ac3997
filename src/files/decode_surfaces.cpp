#include "files/decode_surfaces.h"

namespace brindlex {

void ReleaseDecodeSurfaces(DecodeSurfaces& surfaces) {
  surfaces.MaskSurface = Surface();
  surfaces.ColorSurface = Surface();
}

}  // namespace brindlex
