#include "document/color_palettes.h"

#include <algorithm>
#include <cmath>

namespace brindlex {
namespace {

int ToByte(double share) { return static_cast<int>(std::nearbyint(share * 255.0)); }

}  // namespace

Rgb HslToRgb(double hue, double lightness, double saturation) {
  const double l = lightness, s = saturation;
  if (s == 0) return {ToByte(l), ToByte(l), ToByte(l)};
  const double m = l <= 0.5 ? l * (1 - s) : l - s * (1 - l);
  const double big = 2 * l - m;
  const double d = big - m;
  double r, g, b;
  if (hue < 1) {
    r = big, g = m + hue * d, b = m;
  } else if (hue < 2) {
    r = m + (2 - hue) * d, g = big, b = m;
  } else if (hue < 3) {
    r = m, g = big, b = m + (hue - 2) * d;
  } else if (hue < 4) {
    r = m, g = m + (4 - hue) * d, b = big;
  } else {
    r = m + (hue - 4) * d, g = m, b = big;
  }
  return {ToByte(r), ToByte(g), ToByte(b)};
}

void DrawColorPalette(Surface& palette) {
  palette.Resize(kColorFieldWidth, kColorFieldHeight);
  for (int y = 0; y < kColorFieldHeight; ++y) {
    const double hue = y / 66.8;
    double lightness = 0;
    Color* row = palette.Row(y);
    for (int x = 0; x < kColorFieldWidth; ++x) {
      row[x] = RgbColor(HslToRgb(hue, lightness, 1.0));
      lightness += 0.02;
    }
  }
}

void DrawGreyPalette(Surface& palette) {
  palette.Resize(kGreyRampWidth, kGreyRampHeight);
  for (int k = 0; k < kGreyRampWidth; ++k) {
    const int level = std::min(255, static_cast<int>(std::nearbyint(k * 256.0 / 91.0)));
    palette.Line(k, 0, k, kGreyRampHeight, RgbColor({level, level, level}));
  }
}

void DrawMiniPalette(Surface& palette) {
  palette.Resize(kMiniPaletteWidth, kMiniPaletteHeight);
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      const int left = kMiniCellWidth * c, top = kMiniCellHeight * r;
      palette.Box(left, top, left + kMiniCellWidth - 1, top + kMiniCellHeight - 1, true,
                  kBasicColors[4 * r + c]);
      palette.DrawEdge(left, top, left + kMiniCellWidth, top + kMiniCellHeight, EdgeKind::kEtched);
    }
  }
}

void DrawTransparentSwatch(Surface& swatch) {
  swatch.background = kWhite;
  swatch.Resize(kTransparentSwatchWidth, kTransparentSwatchHeight);
  for (int y = 1; y < kTransparentSwatchHeight - 1; ++y)
    for (int x = 1; x < kTransparentSwatchWidth - 1; ++x)
      if ((x + y) % 4 == 0) swatch.SetPixel(x, y, kBlack);
}

Color BasicColorAt(int x, int y) {
  const int column = std::clamp(x, 0, kMiniPaletteWidth - 1) / kMiniCellWidth;
  const int row = std::clamp(y, 0, kMiniPaletteHeight - 1) / kMiniCellHeight;
  return kBasicColors[column + 4 * row];
}

}  // namespace brindlex
