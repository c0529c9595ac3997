#pragma once

#include <cstdint>

#include "pixels/surface.h"

namespace brindlex {

// Partly transparent pixels.
//
// A colour's top byte is its transparency: 255 − alpha. Every picture the editor composes,
// and every pixel of an icon's colour plane that is opaque, transparent or inverting, holds
// 0 there, so nothing about those changes. An icon pixel that is partly transparent keeps
// its alpha (1 to 254) as a transparency of 254 to 1 in its colour-plane value, with the mask
// black: the pixel is its colour blended over whatever lies behind it. Copying a colour-plane
// value moves its alpha with it; writing a plain colour (top byte 0) makes the pixel fully
// opaque again.

constexpr Color kColorBits = 0xFFFFFF;

// The transparency of a colour: 0 for a plain colour, 1 to 254 for a partly transparent
// pixel (255 only in pictures that carry fully transparent pixels, such as the clipboard's).
constexpr int TransparencyOf(Color c) { return static_cast<int>(c >> 24); }
constexpr bool IsTranslucent(Color c) { return (c >> 24) != 0; }

// The colour alone, its transparency dropped.
constexpr Color ColorPart(Color c) { return c & kColorBits; }

// The colour with the alpha given (0 to 255) kept as its transparency.
constexpr Color WithAlpha(Color c, int alpha) {
  return ColorPart(c) | (static_cast<Color>(255 - alpha) << 24);
}

// The pixel given a new colour, its alpha kept.
constexpr Color Recolored(Color pixel, Color c) { return ColorPart(c) | (pixel & ~kColorBits); }

// The alpha of a colour taken as a whole pixel: 255 for a plain colour.
constexpr int AlphaOf(Color c) { return 255 - TransparencyOf(c); }

// The colour painted over the background by its alpha: each channel
// (c · a + b · (255 − a) + 127) / 255, rounded to nearest. A plain colour gives itself.
Color BlendOver(Color c, Color background);

// An icon pixel (mask m, colour-plane value c) shown over background b: (b AND m) XOR c for
// an opaque, transparent or inverting pixel, c blended over b for a partly transparent one.
inline Color ComposePixel(Color background, Color mask, Color c) {
  return IsTranslucent(c) ? BlendOver(c, background) : (background & mask) ^ c;
}

// A partly transparent pixel c laid over the icon pixel (under_mask, under): over an opaque
// pixel it gives c blended over it, an opaque colour; over a partly transparent one the two
// combined by the usual "over" rule (alpha a + b · (255 − a) / 255, colour weighted by
// each one's share, both rounded to nearest); over a transparent or inverting pixel, c
// itself. The mask of the result is black.
Color LayOver(Color c, Color under_mask, Color under);

// The (mask, colour) pair that composes like the pixel over a background that is exactly
// black or exactly white: (b AND mask) XOR colour gives the pixel over white when b is
// white and over black when b is black. Plain pixels are returned as they are, so a
// composition by AND and XOR alone shows partly transparent pixels blended.
struct MaskAndColor {
  Color mask, color;
};
MaskAndColor OverBlackOrWhite(Color mask, Color c);

}  // namespace brindlex
