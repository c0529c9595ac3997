#include "platform/clipboard.h"

namespace brindlex {

Surface ArgbToSurface(const std::uint32_t* pixels, int width, int height, int stride) {
  if (pixels == nullptr || !ClipboardPictureFits(width, height) || stride < width) return Surface();
  Surface result(width, height, kWhite);
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* from = pixels + static_cast<std::size_t>(y) * stride;
    Color* to = result.Row(y);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = from[x];
      to[x] = ((255 - (p >> 24)) << 24) | ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
    }
  }
  return result;
}

void SurfaceToArgb(const Surface& surface, std::uint32_t* pixels) {
  for (int y = 0; y < surface.Height(); ++y) {
    const Color* from = surface.Row(y);
    std::uint32_t* to = pixels + static_cast<std::size_t>(y) * surface.Width();
    for (int x = 0; x < surface.Width(); ++x) {
      const Color c = from[x];
      to[x] = ((255 - (c >> 24)) << 24) | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    }
  }
}

}  // namespace brindlex
