#include "files/alpha_planes.h"

#include <algorithm>

#include "pixels/pixel_alpha.h"

namespace brindlex {

void PlanesFromRgbaKeepingAlpha(const RgbaImage& image, Surface& mask, Surface& color) {
  mask.Resize(image.width, image.height);
  color.Resize(image.width, image.height);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* p = image.At(x, y);
      const Color c = p[0] | (Color{p[1]} << 8) | (Color{p[2]} << 16);
      const int alpha = p[3];
      mask.Row(y)[x] = alpha == 0 ? kWhite : kBlack;
      color.Row(y)[x] = alpha == 0 ? kBlack : alpha == 255 ? c : WithAlpha(c, alpha);
    }
}

RgbaImage RgbaFromPlanes(const Surface& mask, const Surface& color) {
  RgbaImage image(std::min(mask.Width(), color.Width()), std::min(mask.Height(), color.Height()));
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const Color c = color.Row(y)[x];
      std::uint8_t* p = image.At(x, y);
      p[0] = static_cast<std::uint8_t>(c);
      p[1] = static_cast<std::uint8_t>(c >> 8);
      p[2] = static_cast<std::uint8_t>(c >> 16);
      p[3] = static_cast<std::uint8_t>(mask.Row(y)[x] == kWhite ? 0 : AlphaOf(c));
    }
  return image;
}

bool HasTranslucentPixels(const Surface& color) {
  return std::any_of(color.Pixels().begin(), color.Pixels().end(), IsTranslucent);
}

}  // namespace brindlex
