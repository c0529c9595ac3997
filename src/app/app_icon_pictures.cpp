#include "app/app_icon_pictures.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "app/app_icon.h"

namespace brindlex {

namespace {

// One pixel with its colour premultiplied by its alpha, channels 0..1.
using Premultiplied = std::array<double, 4>;  // red, green, blue, alpha

std::vector<Premultiplied> IconPixels(const Surface& icon) {
  std::vector<Premultiplied> pixels;
  pixels.reserve(icon.Pixels().size());
  for (const Color c : icon.Pixels()) {
    if (c == kButtonFace) {
      pixels.push_back({0, 0, 0, 0});
      continue;
    }
    pixels.push_back(
        {(c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, ((c >> 16) & 0xFF) / 255.0, 1.0});
  }
  return pixels;
}

// How much of source cell [s, s + 1) lies inside target cell [t * scale, (t + 1) * scale).
double Overlap(int s, int t, double scale) {
  const double from = std::max<double>(s, t * scale);
  const double to = std::min<double>(s + 1, (t + 1) * scale);
  return std::max(0.0, to - from);
}

std::uint8_t Channel(double value) {
  return static_cast<std::uint8_t>(std::clamp(std::lround(value * 255.0), 0L, 255L));
}

}  // namespace

std::vector<std::uint8_t> AppIconRgba(int edge) {
  if (edge < 1) return {};
  const Surface icon = MakeAppIcon();
  const int source_edge = icon.Width();
  const std::vector<Premultiplied> source = IconPixels(icon);
  const double scale = static_cast<double>(source_edge) / edge;  // source pixels per target pixel

  std::vector<std::uint8_t> rgba;
  rgba.reserve(static_cast<std::size_t>(edge) * edge * 4);
  for (int ty = 0; ty < edge; ++ty) {
    for (int tx = 0; tx < edge; ++tx) {
      Premultiplied sum{};
      const int sy_first = static_cast<int>(ty * scale), sx_first = static_cast<int>(tx * scale);
      for (int sy = sy_first; sy < source_edge && sy < (ty + 1) * scale; ++sy) {
        for (int sx = sx_first; sx < source_edge && sx < (tx + 1) * scale; ++sx) {
          const double weight = Overlap(sy, ty, scale) * Overlap(sx, tx, scale);
          const Premultiplied& p = source[static_cast<std::size_t>(sy) * source_edge + sx];
          for (int k = 0; k < 4; ++k) sum[k] += weight * p[k];
        }
      }
      const double area = scale * scale;
      const double alpha = sum[3] / area;
      const std::uint8_t a = Channel(alpha);
      if (a == 0) {
        rgba.insert(rgba.end(), {0, 0, 0, 0});
        continue;
      }
      // Colour is the alpha-weighted mean, so transparent pixels lend it nothing.
      rgba.insert(rgba.end(), {Channel(sum[0] / sum[3]), Channel(sum[1] / sum[3]),
                               Channel(sum[2] / sum[3]), a});
    }
  }
  return rgba;
}

}  // namespace brindlex
