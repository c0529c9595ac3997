#include "cli/thumbnail_scale.h"

#include <algorithm>
#include <cstring>

#include "files/rgba_resample.h"

namespace brindlex {
namespace {

RgbaImage EnlargeByWholeFactor(const RgbaImage& image, int factor) {
  RgbaImage out(image.width * factor, image.height * factor);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x)
      std::memcpy(out.At(x, y), image.At(x / factor, y / factor), 4);
  return out;
}

}  // namespace

ThumbnailScale ThumbnailSizeFor(int width, int height, int size) {
  const int edge = std::max(width, height);
  if (width <= 0 || height <= 0 || size <= 0) return {};
  if (edge > size) {
    auto side = [&](int length) {
      return std::max(1, static_cast<int>((2LL * length * size + edge) / (2LL * edge)));
    };
    return {side(width), side(height), false};
  }
  const int factor = size / edge;
  if (factor < 2) return {width, height, false};
  return {width * factor, height * factor, true};
}

RgbaImage ScaleForThumbnail(const RgbaImage& image, int size) {
  if (!IsWellFormed(image)) return {};
  const ThumbnailScale scale = ThumbnailSizeFor(image.width, image.height, size);
  if (scale.width == 0) return {};
  if (scale.enlarged) return EnlargeByWholeFactor(image, scale.width / image.width);
  return ResampleRgba(image, scale.width, scale.height);
}

}  // namespace brindlex
