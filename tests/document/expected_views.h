#pragma once

// The canvas and preview as the rules describe them, computed pixel by pixel from the two
// planes, independently of the composition code: grid lines at every multiple of the zoom,
// the empty-cell look inside each cell, and (look AND mask) XOR image, or a partly
// transparent image pixel blended over the look.
#include "document/icon_document.h"
#include "pixels/pixel_alpha.h"
#include "pixels/surface.h"

namespace brindlex::testing {

inline Color HatchAt(int x, int y) {
  return x >= 1 && x <= 21 && y >= 1 && y <= 21 && (x + y) % 4 == 0 ? kBlack : kWhite;
}

inline Surface ExpectedCanvas(const Surface& mask, const Surface& image, int zoom) {
  Surface canvas(kCanvasSize, kCanvasSize);
  for (int y = 0; y < kCanvasSize; ++y)
    for (int x = 0; x < kCanvasSize; ++x) {
      Color c;
      if (y % zoom == 0) {
        c = x % 2 == 0 ? kBlack : kSilver;
      } else if (x % zoom == 0) {
        c = y % 2 == 0 ? kBlack : kSilver;
      } else {
        const int ox = x % zoom, oy = y % zoom;
        const Color look = ox == zoom - 1 || oy == zoom - 1 ? kWhite : HatchAt(ox - 1, oy - 1);
        c = ComposePixel(look, mask.GetPixel(x / zoom, y / zoom),
                         image.GetPixel(x / zoom, y / zoom));
      }
      canvas.SetPixel(x, y, c);
    }
  return canvas;
}

inline Surface ExpectedPreview(const Surface& mask, const Surface& image) {
  Surface preview(mask.Width(), mask.Height());
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x)
      preview.SetPixel(x, y, ComposePixel(kButtonFace, mask.GetPixel(x, y), image.GetPixel(x, y)));
  return preview;
}

// A plane of the icon's size with every pixel set to c.
inline Surface Filled(int edge, Color c) { return Surface(edge, edge, c); }

}  // namespace brindlex::testing
