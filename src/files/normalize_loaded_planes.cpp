#include "files/normalize_loaded_planes.h"

#include <algorithm>

namespace brindlex {

void NormalizeLoadedPlanes(Surface& mask, Surface& color) {
  const int width = std::min(mask.Width(), color.Width());
  const int height = std::min(mask.Height(), color.Height());
  for (int y = 0; y < height; ++y) {
    Color* mask_row = mask.Row(y);
    Color* color_row = color.Row(y);
    for (int x = 0; x < width; ++x)
      if (mask_row[x] == kWhite && color_row[x] == kWhite) mask_row[x] = color_row[x] = kBlack;
  }
}

}  // namespace brindlex
