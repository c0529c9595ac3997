#include "edit/paste_size.h"

#include <cmath>

namespace brindlex {

PasteSize FitPasteSize(int w, int h, int cw, int ch) {
  if (cw <= 0 || ch <= 0) return {};
  PasteSize size{static_cast<float>(cw), static_cast<float>(ch)};
  const float dw = static_cast<float>(cw) / 10000.0f;
  const float dh = static_cast<float>(ch) / 10000.0f;
  const bool by_width = size.PasteWidth >= size.PasteHeight;
  const float edge = static_cast<float>(by_width ? w : h);
  // Every step takes at least one unit of the last place off the longer side, so it reaches
  // the edge within a little over 10000 steps; the bound only guards against the impossible.
  for (long steps = 0; steps < 1000000; ++steps) {
    volatile float width = size.PasteWidth - dw;
    volatile float height = size.PasteHeight - dh;
    size.PasteWidth = width;
    size.PasteHeight = height;
    if ((by_width ? size.PasteWidth : size.PasteHeight) <= edge) break;
  }
  if (size.PasteHeight < 1) size.PasteHeight = 1;
  if (size.PasteWidth < 1) size.PasteWidth = 1;
  size.PasteHeight = std::nearbyint(size.PasteHeight);
  size.PasteWidth = std::nearbyint(size.PasteWidth);
  return size;
}

}  // namespace brindlex
