#include "files/png_export.h"

#include <gtest/gtest.h>

#include "files/icon_png.h"
#include "files/icon_test_files.h"
#include "picture.h"

namespace brindlex {
namespace {

using testing::Bytes;

TEST(PngExportTest, OpaqueTransparentAndInvertingPixels) {
  // Opaque red, opaque black, transparent, inverting blue, inverting white; 16 x 16.
  Surface mask(16, 16, kBlack), color(16, 16, 0x00FF00);
  color.SetPixel(0, 0, 0x0000FF);
  color.SetPixel(1, 0, kBlack);
  mask.SetPixel(2, 0, kWhite), color.SetPixel(2, 0, kBlack);
  mask.SetPixel(3, 0, kWhite), color.SetPixel(3, 0, 0xFF0000);
  mask.SetPixel(15, 15, kWhite), color.SetPixel(15, 15, kWhite);
  Bytes rgba;
  EXPECT_EQ(RgbaFromPlanes(mask, color, rgba), 2);
  ASSERT_EQ(rgba.size(), 16u * 16 * 4);
  EXPECT_EQ(Bytes(rgba.begin(), rgba.begin() + 20),
            (Bytes{0xFF, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0, 0xFF}));
  EXPECT_EQ(Bytes(rgba.end() - 8, rgba.end()), (Bytes{0, 0xFF, 0, 0xFF, 0, 0, 0, 0}));
}

TEST(PngExportTest, EncodesEightBitRgbaThatDecodesToTheSamePixels) {
  Bytes rgba(32 * 32 * 4);
  for (std::size_t i = 0; i < rgba.size(); ++i) rgba[i] = static_cast<std::uint8_t>(i * 31 + 7);
  Bytes png;
  ASSERT_TRUE(EncodePngRgba(32, 32, rgba, png));
  // Signature, then IHDR: 32 x 32, depth 8, colour type 6 (RGBA), no interlacing.
  ASSERT_GT(png.size(), 33u);
  EXPECT_TRUE(StartsWithPng(png));
  EXPECT_EQ(Bytes(png.begin() + 8, png.begin() + 29),
            (Bytes{0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0, 0, 32, 0, 0, 0, 32, 8, 6, 0, 0, 0}));
  Bytes decoded;
  ASSERT_TRUE(DecodePngRgba(png, 32, 32, decoded));
  EXPECT_EQ(decoded, rgba);
  // The same pixels give the same bytes.
  Bytes again;
  ASSERT_TRUE(EncodePngRgba(32, 32, rgba, again));
  EXPECT_EQ(again, png);

  // The fast compression: other bytes, the same pixels, again the same bytes each time.
  Bytes fast, fast_again;
  ASSERT_TRUE(EncodePngRgba(32, 32, rgba, fast, PngCompression::kFast));
  ASSERT_TRUE(EncodePngRgba(32, 32, rgba, fast_again, PngCompression::kFast));
  EXPECT_NE(fast, png);
  EXPECT_EQ(fast, fast_again);
  ASSERT_TRUE(DecodePngRgba(fast, 32, 32, decoded));
  EXPECT_EQ(decoded, rgba);

  Bytes untouched{1, 2, 3};
  EXPECT_FALSE(EncodePngRgba(32, 32, Bytes(32 * 32 * 4 - 1), untouched));
  EXPECT_FALSE(EncodePngRgba(0, 32, Bytes{}, untouched));
  EXPECT_FALSE(EncodePngRgba(-4, -4, Bytes(64), untouched));
  EXPECT_EQ(untouched, (Bytes{1, 2, 3}));
}

}  // namespace
}  // namespace brindlex
