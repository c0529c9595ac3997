#include "files/normalize_loaded_planes.h"

#include <gtest/gtest.h>

#include "picture.h"

namespace brindlex {
namespace {

using testing::Picture;
using testing::SamePixels;

TEST(NormalizeLoadedPlanesTest, OnlyWhiteOnWhiteBecomesOpaqueBlack) {
  // Columns: white on white, inverting red, opaque white, transparent, opaque red.
  Surface mask = Picture({"..#.#"});
  Surface color = Picture({".o.#o"});
  NormalizeLoadedPlanes(mask, color);
  EXPECT_TRUE(SamePixels(Picture({"#.#.#"}), mask));
  EXPECT_TRUE(SamePixels(Picture({"#o.#o"}), color));
}

TEST(NormalizeLoadedPlanesTest, PlanesOfDifferentSizesChangeOnlyTheSharedArea) {
  Surface mask(2, 1, kWhite);
  Surface color(1, 1, kWhite);
  NormalizeLoadedPlanes(mask, color);
  EXPECT_EQ(mask.GetPixel(0, 0), kBlack);
  EXPECT_EQ(mask.GetPixel(1, 0), kWhite);
  EXPECT_EQ(color.GetPixel(0, 0), kBlack);
}

}  // namespace
}  // namespace brindlex
