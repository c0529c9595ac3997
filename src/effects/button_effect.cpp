#include "effects/button_effect.h"

#include <algorithm>

#include "pixels/pixel_alpha.h"

namespace brindlex {
namespace {

// Shifts the colour pixel at (x, y) when its mask pixel is opaque; its alpha is kept.
void ShiftOpaque(const Surface& mask, Surface& image, int x, int y, bool darken, int amount) {
  if (mask.GetPixel(x, y) != kBlack || !image.Contains(x, y)) return;
  Color& pixel = image.Row(y)[x];
  pixel = Recolored(pixel, ShiftBrightness(ColorPart(pixel), darken, amount));
}

}  // namespace

Color ShiftBrightness(Color color, bool darken, int amount) {
  Color result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int channel = static_cast<int>((color >> shift) & 0xFF);
    const int moved = darken ? std::max(channel - amount, 0) : std::min(channel + amount, 255);
    result |= static_cast<Color>(moved) << shift;
  }
  return result;
}

BevelRings BevelRingsOf(int edge) {
  switch (edge) {
    case 16:
      return {1, 60};
    case 32:
      return {2, 30};
    case 48:
      return {3, 10};
    default:
      return {-1, 0};
  }
}

void MakeButton(const Surface& mask, Surface& image, const std::function<void()>& between_rings) {
  const int last = image.Width() - 1;  // W = H = S − 1
  const BevelRings rings = BevelRingsOf(image.Width());
  int amount = rings.shift;
  for (int d = rings.innermost; d >= 0; --d) {
    if (between_rings) between_rings();
    for (int x = d; x <= last - d; ++x) {
      ShiftOpaque(mask, image, x, d, false, amount);
      ShiftOpaque(mask, image, x, last - d, true, amount);
    }
    for (int y = d + 1; y <= last - d - 1; ++y) {
      ShiftOpaque(mask, image, last - d, y, true, amount);
      ShiftOpaque(mask, image, d, y, false, amount);
    }
    amount *= 2;
  }
}

}  // namespace brindlex
