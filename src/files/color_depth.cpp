#include "files/color_depth.h"

#include "files/alpha_planes.h"
#include "files/color_set.h"
#include "files/palettes.h"

namespace brindlex {

int ChooseColorDepth(const Surface& color_plane, bool black_white_fixed) {
  if (HasTranslucentPixels(color_plane)) return kAlphaColorCount;
  bool black_white_only = true;
  bool standard_only = true;
  for (int y = 0; y < color_plane.Height() && standard_only; ++y) {
    const Color* row = color_plane.Row(y);
    for (int x = 0; x < color_plane.Width(); ++x) {
      const Color c = row[x];
      if (c == kBlack || c == kWhite) continue;
      black_white_only = false;
      if (Palette16Index(c) < 0) {
        standard_only = false;
        break;
      }
    }
  }
  if (black_white_only) return kMonoColorCount;
  if (standard_only) return k16ColorCount;

  const int limit = black_white_fixed ? 254 : 256;
  ColorSet colors;
  int count = 0;
  for (int y = 0; y < color_plane.Height(); ++y) {
    const Color* row = color_plane.Row(y);
    for (int x = 0; x < color_plane.Width(); ++x) {
      const Color c = row[x];
      if (black_white_fixed && (c == kBlack || c == kWhite)) continue;
      if (colors.Insert(c) && ++count > limit) return kTrueColorCount;
    }
  }
  return k256ColorCount;
}

}  // namespace brindlex
