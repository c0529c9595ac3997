// Flips, quarter turns and half-mirrors as permutations of a plane's pixels.
#include "edit/image_transforms.h"

#include <gtest/gtest.h>

#include "picture.h"

namespace brindlex {
namespace {

using testing::Picture;
using testing::SamePixels;

TEST(ImageTransforms, FlipsReverseColumnsOrRowsAndTwiceRestore) {
  const Surface original = Picture({"#o.", "gb#"});
  Surface plane = original;
  FlipPlane(plane, false);
  EXPECT_TRUE(SamePixels(Picture({".o#", "#bg"}), plane));
  FlipPlane(plane, false);
  EXPECT_TRUE(SamePixels(original, plane));
  FlipPlane(plane, true);
  EXPECT_TRUE(SamePixels(Picture({"gb#", "#o."}), plane));
  const Surface odd_rows = Picture({"#", "o", "g"});
  plane = odd_rows;
  FlipPlane(plane, true);
  EXPECT_TRUE(SamePixels(Picture({"g", "o", "#"}), plane));
}

TEST(ImageTransforms, QuarterTurnsSwapTheSidesAndFourRestore) {
  // A 3 x 2 plane: anticlockwise old (x, y) goes to (y, 2 − x); clockwise to (1 − y, x).
  const Surface original = Picture({"#og", "b.#"});
  Surface left = original;
  RotatePlane(left, false);
  EXPECT_TRUE(SamePixels(Picture({"g#", "o.", "#b"}), left));
  Surface right = original;
  RotatePlane(right, true);
  EXPECT_TRUE(SamePixels(Picture({"b#", ".o", "#g"}), right));
  for (int i = 0; i < 3; ++i) RotatePlane(left, false);
  EXPECT_TRUE(SamePixels(original, left));
  RotatePlane(right, false);
  EXPECT_TRUE(SamePixels(original, right));
  // The plane keeps its drawing state.
  Surface mask(4, 1, kWhite);
  mask.pen = 0x123456;
  RotatePlane(mask, true);
  EXPECT_EQ(mask.Width(), 1);
  EXPECT_EQ(mask.Height(), 4);
  EXPECT_EQ(mask.pen, 0x123456u);
  EXPECT_EQ(mask.background, kWhite);
}

TEST(ImageTransforms, HalfMirrorsCopyOneHalfOverTheOther) {
  const Surface original = Picture({"#o.g", "bgo#"});
  Surface plane = original;
  MirrorPlane(plane, kMirrorLeftHalf);
  EXPECT_TRUE(SamePixels(Picture({"#oo#", "bggb"}), plane));
  plane = original;
  MirrorPlane(plane, kMirrorRightHalf);
  EXPECT_TRUE(SamePixels(Picture({"g..g", "#oo#"}), plane));
  plane = original;
  MirrorPlane(plane, kMirrorTopHalf);
  EXPECT_TRUE(SamePixels(Picture({"#o.g", "#o.g"}), plane));
  plane = original;
  MirrorPlane(plane, kMirrorBottomHalf);
  EXPECT_TRUE(SamePixels(Picture({"bgo#", "bgo#"}), plane));
  // An odd side keeps its middle column; other indexes change nothing.
  plane = Picture({"#o.gb"});
  MirrorPlane(plane, kMirrorLeftHalf);
  EXPECT_TRUE(SamePixels(Picture({"#o.o#"}), plane));
  MirrorPlane(plane, kFlipHorizontal);
  EXPECT_TRUE(SamePixels(Picture({"#o.o#"}), plane));
}

TEST(ImageTransforms, BothPlanesMoveTogetherAndEmptyPlanesAreHarmless) {
  Surface mask = Picture({"#.", ".."});
  Surface image = Picture({"o#", "##"});
  TransformPlanes(mask, image, kRotateRight);
  EXPECT_TRUE(SamePixels(Picture({".#", ".."}), mask));
  EXPECT_TRUE(SamePixels(Picture({"#o", "##"}), image));
  Surface empty_mask, empty_image;
  for (int index : {0, 1, 3, 4, 6, 7, 8, 9}) TransformPlanes(empty_mask, empty_image, index);
  EXPECT_EQ(empty_mask.Width(), 0);
  Surface line_mask = Picture({"#..#."}), line_image = Picture({"o##g#"});
  TransformPlanes(line_mask, line_image, kRotateLeft);
  EXPECT_EQ(line_image.Width(), 1);
  EXPECT_EQ(line_image.Height(), 5);
  EXPECT_EQ(line_image.GetPixel(0, 4), 0x0000FFu);
  EXPECT_EQ(line_image.GetPixel(0, 1), 0x00FF00u);
}

}  // namespace
}  // namespace brindlex
