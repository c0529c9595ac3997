#include "files/palettes.h"

#include "files/color_set.h"

namespace brindlex {

int Palette16Index(Color c) {
  for (int i = 0; i < 16; ++i)
    if (Palette16[i] == c) return i;
  return -1;
}

ColorTable256 BuildIconPalette(const Surface& color_plane) {
  ColorTable256 palette{};
  palette[0] = kBlack;
  palette[255] = kWhite;
  ColorSet seen;
  int next = 1;
  for (int y = 0; y < color_plane.Height() && next <= 254; ++y) {
    const Color* row = color_plane.Row(y);
    for (int x = 0; x < color_plane.Width() && next <= 254; ++x) {
      const Color c = row[x];
      if (c == kBlack || c == kWhite) continue;
      if (seen.Insert(c)) palette[next++] = c;
    }
  }
  return palette;
}

}  // namespace brindlex
