#include "files/rgba_image.h"

namespace brindlex {

RgbaImage::RgbaImage(int w, int h)
    : width(w > 0 ? w : 0), height(h > 0 ? h : 0), pixels(PixelCount() * 4, 0) {}

bool HasPartialAlpha(const RgbaImage& image) {
  for (std::size_t i = 3; i < image.pixels.size(); i += 4)
    if (image.pixels[i] != 0 && image.pixels[i] != 0xFF) return true;
  return false;
}

bool IsWellFormed(const RgbaImage& image) {
  return image.width > 0 && image.height > 0 && image.pixels.size() == image.PixelCount() * 4;
}

}  // namespace brindlex
