#include "pixels/pixel_alpha.h"

#include <gtest/gtest.h>

namespace brindlex {
namespace {

TEST(PixelAlpha, TheBlackOrWhitePairComposesEveryAlphaExactlyAsTheBlend) {
  for (int alpha = 1; alpha <= 254; ++alpha)
    for (Color colour : {0x000000u, 0xFFFFFFu, 0x0080FFu, 0x7F017Eu, 0x10E0A5u}) {
      const Color c = WithAlpha(colour, alpha);
      const MaskAndColor pair = OverBlackOrWhite(kBlack, c);
      for (Color background : {kBlack, kWhite}) {
        const Color expected = BlendOver(c, background);
        ASSERT_EQ((background & pair.mask) ^ pair.color, expected) << alpha << " " << colour;
        // Each channel: (c · a + b · (255 − a) + 127) / 255.
        const Color b = background & 0xFF, red = colour & 0xFF, a = static_cast<Color>(alpha);
        ASSERT_EQ(expected & 0xFF, (red * a + b * (255 - a) + 127) / 255);
      }
    }
  // Plain pixels are kept as they are, and compose by AND and XOR.
  EXPECT_EQ(OverBlackOrWhite(kWhite, 0x0000FF).mask, kWhite);
  EXPECT_EQ(ComposePixel(0xC8D0D4, kWhite, 0x0000FF), 0xC8D0D4u ^ 0x0000FFu);
}

TEST(PixelAlpha, LayingAPixelOverAnotherCombinesThemByTheOverRule) {
  const Color half_red = WithAlpha(0x0000FF, 128);
  EXPECT_EQ(LayOver(half_red, kBlack, 0xFF0000), 0x7F0080u);  // over opaque blue: opaque
  EXPECT_EQ(LayOver(half_red, kWhite, kBlack), half_red);     // over transparent: itself
  EXPECT_EQ(LayOver(half_red, kWhite, 0x00FF00), half_red);   // over inverting: itself
  EXPECT_EQ(LayOver(0x00FF00, kBlack, half_red), 0x00FF00u);  // opaque: replaces
  // Half red over half blue: alpha 128 + 128 · 127 / 255 = 191.75 → 192; red
  // 255 · 128 · 255 / (128 · 255 + 128 · 127) = 170.2 → 170, blue 255 · 128 · 127 / ... = 84.8
  // → 85.
  EXPECT_EQ(LayOver(half_red, kBlack, WithAlpha(0xFF0000, 128)), WithAlpha(0x5500AA, 192));
}

}  // namespace
}  // namespace brindlex
