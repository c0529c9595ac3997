#include "document/flood_fill.h"

#include <cmath>
#include <utility>

#include "document/color_palettes.h"
#include "document/drawing_tools.h"

namespace brindlex {

std::vector<bool> ConnectedRegion(const Surface& plane, int x, int y) {
  const int w = plane.Width(), h = plane.Height();
  std::vector<bool> inside(static_cast<std::size_t>(w) * h, false);
  if (!plane.Contains(x, y)) return inside;
  const Color seed = plane.GetPixel(x, y);
  std::vector<std::pair<int, int>> pending{{x, y}};
  inside[static_cast<std::size_t>(y) * w + x] = true;
  while (!pending.empty()) {
    const auto [px, py] = pending.back();
    pending.pop_back();
    const std::pair<int, int> neighbours[] = {
        {px - 1, py}, {px + 1, py}, {px, py - 1}, {px, py + 1}};
    for (const auto& [nx, ny] : neighbours) {
      if (!plane.Contains(nx, ny)) continue;
      const std::size_t i = static_cast<std::size_t>(ny) * w + nx;
      if (inside[i] || plane.Row(ny)[nx] != seed) continue;
      inside[i] = true;
      pending.push_back({nx, ny});
    }
  }
  return inside;
}

PixelRect FloodFillPlanes(Surface& mask, Surface& image, int x, int y, Color mask_value,
                          Color image_value) {
  if (mask.Width() != image.Width() || mask.Height() != image.Height()) return {};
  const std::vector<bool> in_mask = ConnectedRegion(mask, x, y);
  const std::vector<bool> in_image = ConnectedRegion(image, x, y);
  const int w = mask.Width();
  PixelRect filled;
  for (int py = 0; py < mask.Height(); ++py) {
    for (int px = 0; px < w; ++px) {
      const std::size_t i = static_cast<std::size_t>(py) * w + px;
      if (!in_mask[i] || !in_image[i]) continue;
      mask.SetPixel(px, py, mask_value);
      image.SetPixel(px, py, image_value);
      filled = filled.United(PixelRect::Spanning(px, py, px, py));
    }
  }
  return filled;
}

PixelRect FloodFillAt(IconDocument& document, int down_x, int down_y, DrawColorValue color) {
  const int zoom = document.ZoomFactor;
  const PlanePixel pixel = PlanePixelOf(color);
  return FloodFillPlanes(document.PicMask, document.PicImage, down_x / zoom, down_y / zoom,
                         pixel.mask, pixel.image);
}

std::optional<Color> FindUnusedColor(const Surface& color_field, const Surface& preview,
                                     int last_index, std::mt19937& random, int max_tries) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int attempt = 0; attempt < max_tries; ++attempt) {
    const int x = static_cast<int>(std::nearbyint(unit(random) * kColorFieldWidth));
    const int y = static_cast<int>(std::nearbyint(unit(random) * kColorFieldHeight));
    const Color c = color_field.GetPixel(x, y);
    if (c < 1 || c > 0xFFFFFE) continue;
    bool used = false;
    for (int py = 0; py <= last_index && !used; ++py)
      for (int px = 0; px <= last_index && !used; ++px) used = preview.GetPixel(px, py) == c;
    if (!used) return c;
  }
  return std::nullopt;
}

}  // namespace brindlex
