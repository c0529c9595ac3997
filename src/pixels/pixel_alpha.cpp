#include "pixels/pixel_alpha.h"

namespace brindlex {
namespace {

Color BlendChannel(Color c, Color b, Color alpha, int shift) {
  const Color cc = (c >> shift) & 0xFF, bb = (b >> shift) & 0xFF;
  return ((cc * alpha + bb * (255 - alpha) + 127) / 255) << shift;
}

}  // namespace

Color BlendOver(Color c, Color background) {
  if (!IsTranslucent(c)) return c;
  const auto alpha = static_cast<Color>(AlphaOf(c));
  return BlendChannel(c, background, alpha, 0) | BlendChannel(c, background, alpha, 8) |
         BlendChannel(c, background, alpha, 16);
}

Color LayOver(Color c, Color under_mask, Color under) {
  if (!IsTranslucent(c) || under_mask == kWhite) return c;
  if (!IsTranslucent(under)) return BlendOver(c, under);
  const Color top = static_cast<Color>(AlphaOf(c)), bottom = static_cast<Color>(AlphaOf(under));
  const Color bottom_share = bottom * (255 - top);  // out of 255 · 255
  const Color total = top * 255 + bottom_share;     // the result's alpha, out of 255 · 255
  Color result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const Color channel =
        (((c >> shift) & 0xFF) * top * 255 + ((under >> shift) & 0xFF) * bottom_share + total / 2) /
        total;
    result |= channel << shift;
  }
  const auto alpha = static_cast<int>((total + 127) / 255);
  return alpha >= 255 ? result : WithAlpha(result, alpha);
}

MaskAndColor OverBlackOrWhite(Color mask, Color c) {
  if (!IsTranslucent(c)) return {mask, c};
  const Color over_black = BlendOver(c, kBlack), over_white = BlendOver(c, kWhite);
  return {over_black ^ over_white, over_black};
}

}  // namespace brindlex
