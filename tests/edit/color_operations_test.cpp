// Inversion and grey scale of opaque pixels.
#include "edit/color_operations.h"

#include <gtest/gtest.h>

#include "picture.h"

namespace brindlex {
namespace {

Color Grey(int g) { return static_cast<Color>(g * 0x010101); }

TEST(ColorOperations, GreyLevelsRoundAsStated) {
  EXPECT_EQ(GreyOf(0x0000FF, GreyRounding::kNearestEven), Grey(57));  // 56.61
  EXPECT_EQ(GreyOf(0x0000FF, GreyRounding::kTruncate), Grey(56));
  EXPECT_EQ(GreyOf(0x00FF00, GreyRounding::kNearestEven), Grey(180));  // 180.285
  EXPECT_EQ(GreyOf(0xFF0000, GreyRounding::kNearestEven), Grey(18));   // 18.105
  EXPECT_EQ(GreyOf(0xFFFFFF, GreyRounding::kNearestEven), kWhite);
  EXPECT_EQ(GreyOf(0xFFFFFF, GreyRounding::kTruncate), kWhite);
  EXPECT_EQ(GreyOf(0x000000, GreyRounding::kTruncate), kBlack);
}

TEST(ColorOperations, GreyOfHalfwaySumsTiesToEven) {
  // 222·R + 707·G + 71·B = 127500 and 128500.
  const auto find = [](int target) {
    for (int r = 0; r < 256; ++r)
      for (int g = 0; g < 256; ++g) {
        const int rest = target - 222 * r - 707 * g;
        if (rest >= 0 && rest % 71 == 0 && rest / 71 < 256)
          return static_cast<Color>(r | (g << 8) | ((rest / 71) << 16));
      }
    return kInvalidColor;
  };
  const Color low = find(127500), high = find(128500);
  ASSERT_NE(low, kInvalidColor);
  ASSERT_NE(high, kInvalidColor);
  EXPECT_EQ(GreyOf(low, GreyRounding::kNearestEven), Grey(128));
  EXPECT_EQ(GreyOf(high, GreyRounding::kNearestEven), Grey(128));
  EXPECT_EQ(GreyOf(low, GreyRounding::kTruncate), Grey(127));
  EXPECT_EQ(GreyOf(high, GreyRounding::kTruncate), Grey(128));
}

TEST(ColorOperations, OnlyOpaquePixelsChangeAndInvertingTwiceRestores) {
  // Opaque black, opaque (1, 2, 3), transparent, inverting red.
  Surface mask(4, 1, kWhite);
  mask.SetPixel(0, 0, kBlack);
  mask.SetPixel(1, 0, kBlack);
  Surface image(4, 1, kBlack);
  image.SetPixel(1, 0, 0x030201);
  image.SetPixel(3, 0, 0x0000FF);
  const Surface original = image;
  InvertColors(mask, image);
  EXPECT_EQ(image.GetPixel(0, 0), kWhite);
  EXPECT_EQ(image.GetPixel(1, 0), 0xFCFDFEu);
  EXPECT_EQ(image.GetPixel(2, 0), kBlack);
  EXPECT_EQ(image.GetPixel(3, 0), 0x0000FFu);
  InvertColors(mask, image);
  EXPECT_TRUE(testing::SamePixels(original, image));
  GreyScale(mask, image, GreyRounding::kNearestEven);
  EXPECT_EQ(image.GetPixel(1, 0), Grey(2));  // (222 + 1414 + 213) / 1000 = 1.849
  EXPECT_EQ(image.GetPixel(3, 0), 0x0000FFu);
  EXPECT_EQ(image.GetPixel(2, 0), kBlack);
  EXPECT_EQ(mask.GetPixel(2, 0), kWhite);
  // Planes of different sizes work on what they share.
  Surface small_mask(2, 1, kBlack), wide(5, 2, kBlack);
  InvertColors(small_mask, wide);
  EXPECT_EQ(wide.GetPixel(1, 0), kWhite);
  EXPECT_EQ(wide.GetPixel(2, 0), kBlack);
  EXPECT_EQ(wide.GetPixel(0, 1), kBlack);
}

}  // namespace
}  // namespace brindlex
