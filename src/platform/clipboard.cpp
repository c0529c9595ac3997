#include "platform/clipboard.h"

namespace brindlex {
namespace {

// One channel of a straight-alpha colour painted over white, rounded to nearest.
inline std::uint32_t OverWhite(std::uint32_t c, std::uint32_t a) {
  return (c * a + 255 * (255 - a) + 127) / 255;
}

}  // namespace

Surface ArgbOverWhite(const std::uint32_t* pixels, int width, int height, int stride) {
  if (pixels == nullptr || !ClipboardPictureFits(width, height) || stride < width) return Surface();
  Surface result(width, height, kWhite);
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* from = pixels + static_cast<std::size_t>(y) * stride;
    Color* to = result.Row(y);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = from[x];
      const std::uint32_t a = p >> 24;
      std::uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      if (a != 255) {
        r = OverWhite(r, a);
        g = OverWhite(g, a);
        b = OverWhite(b, a);
      }
      to[x] = r | (g << 8) | (b << 16);
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
      to[x] = 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    }
  }
}

}  // namespace brindlex
