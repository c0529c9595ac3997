#include "effects/gradient.h"

#include <algorithm>
#include <vector>

#include "edit/image_transforms.h"

namespace brindlex {
namespace {

// The nearest whole pixel of a coordinate, kept within a range that no surface reaches.
int Nearest(double v) {
  if (!(v > -1e6)) return -1000000;
  if (!(v < 1e6)) return 1000000;
  return static_cast<int>(std::nearbyint(v));
}

int Channel(int c0, int c1, float step, int n) {
  const double offset = static_cast<double>(n) * static_cast<double>(step);
  const double value = c1 < c0 ? c0 - offset : c0 + offset;
  return std::clamp(static_cast<int>(std::nearbyint(value)), 0, 255);
}

// The anti-diagonal x + y = sum from (−1, sum + 1) to (sum, −1), clipped to the surface.
void AntiDiagonal(Surface& surface, int sum, Color c) {
  for (int x = std::max(0, sum - surface.Height() + 1); x <= sum && x < surface.Width(); ++x)
    surface.Row(sum - x)[x] = c;
}

void DrawBoxes(Surface& linear, const GradientColors& colors, bool vertical, bool reversed) {
  const int size = linear.Width();
  const float step = static_cast<float>(size / 255.0);
  RunGradientSteps(static_cast<float>(size), step, [&](float t, int k) {
    const int from = Nearest(t), to = Nearest(t + step);
    const Color c = LevelColor(colors, reversed ? 255 - k : k);
    if (vertical) {
      linear.Box(0, from, size, to, true, c);
    } else {
      linear.Box(from, 0, to, size, true, c);
    }
    return true;
  });
}

void DrawDiagonal(Surface& temp, const GradientColors& colors) {
  const int size = temp.Width();
  const float step = static_cast<float>(2.0 * size / 255.0);
  RunGradientSteps(static_cast<float>(2 * size), step, [&](float t, int k) {
    AntiDiagonal(temp, Nearest(t) - 1, LevelColor(colors, k));
    return true;
  });
}

}  // namespace

GradientColors SplitGradientColors(Color start, Color end) {
  GradientColors g;
  g.StartColor = start & 0xFFFFFF;
  g.EndColor = end & 0xFFFFFF;
  g.start_red = start & 0xFF;
  g.start_green = (start >> 8) & 0xFF;
  g.start_blue = (start >> 16) & 0xFF;
  g.end_red = end & 0xFF;
  g.end_green = (end >> 8) & 0xFF;
  g.end_blue = (end >> 16) & 0xFF;
  g.red_step = static_cast<float>(std::abs(g.start_red - g.end_red) / 255.0);
  g.green_step = static_cast<float>(std::abs(g.start_green - g.end_green) / 255.0);
  g.blue_step = static_cast<float>(std::abs(g.start_blue - g.end_blue) / 255.0);
  return g;
}

Color LevelColor(const GradientColors& g, int n) {
  const int red = Channel(g.start_red, g.end_red, g.red_step, n);
  const int green = Channel(g.start_green, g.end_green, g.green_step, n);
  const int blue = Channel(g.start_blue, g.end_blue, g.blue_step, n);
  return static_cast<Color>(red | (green << 8) | (blue << 16));
}

int RunGradientSteps(float end, float step, const std::function<bool(float, int)>& body) {
  if (!(step > 0.0f) || !std::isfinite(step) || !std::isfinite(end)) return 0;
  int count = 0;
  for (float t = 0.0f; t <= end;) {
    const bool go_on = body(t, count);
    ++count;
    if (!go_on) break;
    const float next = t + step;
    if (next == t) break;
    t = next;
  }
  return count;
}

void DrawLinearGradient(int angle, const GradientColors& colors, Surface& linear, Surface& temp) {
  switch (angle) {
    case 0:
    case 360:
      DrawBoxes(linear, colors, false, false);
      return;
    case 90:
      DrawBoxes(linear, colors, true, false);
      return;
    case 180:
      DrawBoxes(linear, colors, false, true);
      return;
    case 270:
      DrawBoxes(linear, colors, true, true);
      return;
    case 45:
    case 135:
    case 225:
    case 315:
      break;
    default:
      return;
  }
  DrawDiagonal(temp, colors);
  if (angle == 135 || angle == 225) FlipPlane(temp, false);
  if (angle == 225 || angle == 315) FlipPlane(temp, true);
  linear.BitBlt(0, 0, temp.Width(), temp.Height(), temp, 0, 0);
}

float FarthestCornerDistance(double x, double y, int size) {
  const double s = size;
  double farthest = 0.0;
  for (auto [cx, cy] : {std::pair{-1.0, -1.0}, {s, -1.0}, {s, s}, {-1.0, s}})
    farthest = std::max(farthest, std::hypot(x - cx, y - cy));
  return static_cast<float>(farthest);
}

int DrawSphericalGradient(Surface& preview, const GradientColors& colors, double x, double y,
                          const std::function<bool()>& after_circle) {
  const float radius = FarthestCornerDistance(x, y, preview.Width());
  const float step = static_cast<float>(static_cast<double>(radius) / 255.0);
  // The distance of every pixel from the centre pixel, computed once for all circles.
  const double cx = std::isfinite(x) ? std::nearbyint(x) : 0.0;
  const double cy = std::isfinite(y) ? std::nearbyint(y) : 0.0;
  const int w = preview.Width(), h = preview.Height();
  std::vector<float> distance(static_cast<std::size_t>(w) * h);
  for (int py = 0; py < h; ++py)
    for (int px = 0; px < w; ++px)
      distance[static_cast<std::size_t>(py) * w + px] =
          static_cast<float>(std::hypot(px - cx, py - cy));
  return RunGradientSteps(radius, step, [&](float r, int k) {
    const Color c = LevelColor(colors, k);
    Color* pixels = w > 0 && h > 0 ? preview.Row(0) : nullptr;
    for (std::size_t i = 0; i < distance.size(); ++i)
      if (std::fabs(distance[i] - r) <= 0.5f) pixels[i] = c;
    return after_circle ? after_circle() : true;
  });
}

}  // namespace brindlex
