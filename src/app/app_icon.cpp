#include "app/app_icon.h"

namespace brindlex {

Surface MakeAppIcon() {
  Surface icon(32, 32, kButtonFace);
  icon.Box(2, 2, 27, 27, true, kWhite);
  for (int k = 2; k <= 27; k += 5) {
    icon.Line(2, k, 28, k, kGrey);
    icon.Line(k, 2, k, 28, kGrey);
  }
  icon.Box(3, 3, 6, 6, true, 0x0000FF);
  icon.Box(8, 8, 11, 11, true, 0x00C000);
  icon.Box(13, 3, 16, 6, true, 0xFF0000);
  // The pencil: a yellow body from the lower left to the upper right, a dark tip.
  for (int i = 0; i < 3; ++i) icon.Line(12 + i, 30, 30, 12 + i, 0x00D0FF);
  icon.Line(11, 29, 14, 29, kBlack);
  icon.Line(11, 29, 11, 26, kBlack);
  return icon;
}

}  // namespace brindlex
