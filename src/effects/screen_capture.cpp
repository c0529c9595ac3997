#include "effects/screen_capture.h"

#include <algorithm>
#include <cmath>

namespace brindlex {
namespace {

// The (x, y) of step k along the one-pixel ring of an n x n square, clockwise from the
// top-left corner: top row, right column, bottom row, left column.
void RingPoint(int n, int k, int& x, int& y) {
  const int side = n - 1;
  if (k < side) {
    x = k, y = 0;
  } else if (k < 2 * side) {
    x = side, y = k - side;
  } else if (k < 3 * side) {
    x = side - (k - 2 * side), y = side;
  } else {
    x = 0, y = side - (k - 3 * side);
  }
}

// Every pixel of the surface becomes c, whatever its drawing state.
void Fill(Surface& surface, Color c) {
  for (int y = 0; y < surface.Height(); ++y) std::fill_n(surface.Row(y), surface.Width(), c);
}

}  // namespace

Surface MakeFrameSheet(int icon_edge) {
  const int n = icon_edge + 2;
  Surface sheet(2 * n, kFramePhases * n, kBlack);
  const int ring = 4 * (n - 1);
  for (int phase = 0; phase < kFramePhases; ++phase) {
    const int top = n * phase;
    sheet.Box(1, top + 1, n - 2, top + n - 2, true, kWhite);  // inside of the mask
    for (int k = 0; k < ring; ++k) {
      int x, y;
      RingPoint(n, k, x, y);
      // The dashes move on by one pixel per phase: k − phase runs along the ring.
      const bool white = ((k - phase + kFramePhases * ring) % 4) >= 2;
      sheet.SetPixel(n + x, top + y, white ? kWhite : kBlack);
    }
  }
  return sheet;
}

PointerArea CapturePointerArea(int screen_width, int screen_height, int icon_edge) {
  return {0, 0, screen_width - icon_edge - 1, screen_height - icon_edge - 1};
}

int KeepInArea(double value, int low, int high_exclusive) {
  if (!std::isfinite(value) || high_exclusive - 1 < low) return low;
  const double rounded = std::nearbyint(value);
  return static_cast<int>(
      std::clamp(rounded, static_cast<double>(low), static_cast<double>(high_exclusive - 1)));
}

void CaptureSquare(const Surface& screen, int x, int y, Surface& mask, Surface& image) {
  Fill(mask, kBlack);
  Fill(image, kBlack);
  image.BitBlt(0, 0, image.Width(), image.Height(), screen, x + 1, y + 1);
}

}  // namespace brindlex
