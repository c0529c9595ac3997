#include "app/app_icon_pictures.h"

#include <gtest/gtest.h>

#include "app/app_icon.h"

namespace brindlex {
namespace {

struct Rgba {
  int r, g, b, a;
  bool operator==(const Rgba&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Rgba& p) {
  return out << "(" << p.r << ", " << p.g << ", " << p.b << ", " << p.a << ")";
}

Rgba At(const std::vector<std::uint8_t>& rgba, int edge, int x, int y) {
  const std::uint8_t* p = rgba.data() + (static_cast<std::size_t>(y) * edge + x) * 4;
  return {p[0], p[1], p[2], p[3]};
}

Rgba Opaque(Color c) {
  return {static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
          static_cast<int>((c >> 16) & 0xFF), 255};
}

TEST(AppIconPicturesTest, ThirtyTwoPixelsAreTheWindowIconWithButtonFaceTransparent) {
  const Surface icon = MakeAppIcon();
  const std::vector<std::uint8_t> rgba = AppIconRgba(32);
  ASSERT_EQ(rgba.size(), 32u * 32 * 4);
  int transparent = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const Color c = icon.GetPixel(x, y);
      const Rgba expected = c == kButtonFace ? Rgba{0, 0, 0, 0} : Opaque(c);
      ASSERT_EQ(At(rgba, 32, x, y), expected) << x << ", " << y;
      transparent += c == kButtonFace;
    }
  EXPECT_GT(transparent, 0);
  EXPECT_LT(transparent, 32 * 32 / 2);
  EXPECT_TRUE(AppIconRgba(0).empty());
}

TEST(AppIconPicturesTest, SmallerAndLargerIconsAreAreaMeans) {
  const Surface icon = MakeAppIcon();
  const std::vector<std::uint8_t> small = AppIconRgba(16);
  ASSERT_EQ(small.size(), 16u * 16 * 4);
  // Each 16-pixel is the mean of a 2 x 2 block: check every block against that rule.
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      int opaque = 0, r = 0, g = 0, b = 0;
      for (int k = 0; k < 4; ++k) {
        const Color c = icon.GetPixel(2 * x + k % 2, 2 * y + k / 2);
        if (c == kButtonFace) continue;
        ++opaque;
        r += c & 0xFF, g += (c >> 8) & 0xFF, b += (c >> 16) & 0xFF;
      }
      const Rgba got = At(small, 16, x, y);
      ASSERT_NEAR(got.a, opaque * 255 / 4.0, 0.5) << x << ", " << y;
      if (opaque == 0) {
        EXPECT_EQ(got, (Rgba{0, 0, 0, 0}));
        continue;
      }
      EXPECT_NEAR(got.r, static_cast<double>(r) / opaque, 0.5) << x << ", " << y;
      EXPECT_NEAR(got.g, static_cast<double>(g) / opaque, 0.5) << x << ", " << y;
      EXPECT_NEAR(got.b, static_cast<double>(b) / opaque, 0.5) << x << ", " << y;
    }

  // At 48 pixels the covered area is kept: the alpha adds up to 9 / 4 of the 32-pixel one.
  const std::vector<std::uint8_t> large = AppIconRgba(48);
  ASSERT_EQ(large.size(), 48u * 48 * 4);
  double alpha32 = 0, alpha48 = 0;
  const std::vector<std::uint8_t> exact = AppIconRgba(32);
  for (std::size_t i = 3; i < exact.size(); i += 4) alpha32 += exact[i];
  for (std::size_t i = 3; i < large.size(); i += 4) alpha48 += large[i];
  EXPECT_NEAR(alpha48, alpha32 * 9 / 4, 48 * 48 * 0.5);
  // Pixel (0, 0) lies in the transparent margin; (28, 28) covers only pixels 18 and 19 of
  // the 32-pixel icon, inside a white grid cell; (9, 9) only the red cell's corner (6, 6).
  EXPECT_EQ(At(large, 48, 0, 0), (Rgba{0, 0, 0, 0}));
  for (int k = 0; k < 4; ++k) ASSERT_EQ(icon.GetPixel(18 + k % 2, 18 + k / 2), kWhite);
  EXPECT_EQ(At(large, 48, 28, 28), Opaque(kWhite));
  EXPECT_EQ(At(large, 48, 9, 9), Opaque(icon.GetPixel(6, 6)));
}

}  // namespace
}  // namespace brindlex
