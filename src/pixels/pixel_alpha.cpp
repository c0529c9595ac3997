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

MaskAndColor OverBlackOrWhite(Color mask, Color c) {
  if (!IsTranslucent(c)) return {mask, c};
  const Color over_black = BlendOver(c, kBlack), over_white = BlendOver(c, kWhite);
  return {over_black ^ over_white, over_black};
}

}  // namespace brindlex
