#include "edit/color_operations.h"

#include <algorithm>
#include <cmath>

#include "pixels/pixel_alpha.h"

namespace brindlex {
namespace {

// Replaces the colour of every opaque (or partly transparent) pixel by change(colour); the
// pixel keeps its alpha.
template <typename Change>
void ForEachOpaque(const Surface& mask, Surface& image, Change change) {
  const int w = std::min(mask.Width(), image.Width());
  const int h = std::min(mask.Height(), image.Height());
  for (int y = 0; y < h; ++y) {
    const Color* m = mask.Row(y);
    Color* c = image.Row(y);
    for (int x = 0; x < w; ++x)
      if (m[x] != kWhite) c[x] = Recolored(c[x], change(ColorPart(c[x])));
  }
}

}  // namespace

Color GreyOf(Color c, GreyRounding rounding) {
  const int red = c & 0xFF, green = (c >> 8) & 0xFF, blue = (c >> 16) & 0xFF;
  const int sum = 222 * red + 707 * green + 71 * blue;
  // The quotient of an integer by 1000 is exact at every half, so rounding the double
  // quotient ties to even exactly as the level is stated.
  const int g = rounding == GreyRounding::kTruncate
                    ? sum / 1000
                    : static_cast<int>(std::nearbyint(static_cast<double>(sum) / 1000.0));
  return static_cast<Color>(g | (g << 8) | (g << 16));
}

void InvertColors(const Surface& mask, Surface& image) {
  ForEachOpaque(mask, image, [](Color c) { return (~c) & 0xFFFFFFu; });
}

void GreyScale(const Surface& mask, Surface& image, GreyRounding rounding) {
  ForEachOpaque(mask, image, [rounding](Color c) { return GreyOf(c, rounding); });
}

}  // namespace brindlex
