#include "document/tool_pictures.h"

#include <gtest/gtest.h>

#include "document/tools.h"

namespace brindlex {
namespace {

int OpaqueCount(const ToolPicture& p) {
  int n = 0;
  for (int y = 0; y < p.mask.Height(); ++y)
    for (int x = 0; x < p.mask.Width(); ++x) n += p.Opaque(x, y) ? 1 : 0;
  return n;
}

bool SamePicture(const ToolPicture& a, const ToolPicture& b) {
  return a.mask.SamePixels(b.mask) && a.image.SamePixels(b.image);
}

TEST(ToolPictures, TwelveDistinctButtonPictures) {
  for (int i = 0; i < 12; ++i) {
    const ToolPicture p = ToolButtonPicture(i);
    SCOPED_TRACE(i);
    ASSERT_EQ(p.mask.Width(), kToolPictureSize);
    ASSERT_EQ(p.image.Height(), kToolPictureSize);
    EXPECT_GT(OpaqueCount(p), 12);
    EXPECT_LT(OpaqueCount(p), kToolPictureSize * kToolPictureSize);
    // See-through pixels carry no colour, as in the icon encoding.
    for (int y = 0; y < kToolPictureSize; ++y)
      for (int x = 0; x < kToolPictureSize; ++x)
        if (!p.Opaque(x, y)) {
          ASSERT_EQ(p.image.GetPixel(x, y), kBlack);
        }
    for (int j = 0; j < i; ++j) EXPECT_FALSE(SamePicture(p, ToolButtonPicture(j))) << j;
  }
}

TEST(ToolPictures, SolidAndFilledFormsDifferInTheirInside) {
  // Centre pixel: see-through for the outlines, the outline colour for the solid forms and
  // white (another colour) for the filled forms.
  EXPECT_FALSE(ToolButtonPicture(kToolRectangle).Opaque(8, 8));
  EXPECT_FALSE(ToolButtonPicture(kToolEllipse).Opaque(8, 8));
  const ToolPicture solid = ToolButtonPicture(kToolSolidRectangle);
  EXPECT_EQ(solid.image.GetPixel(8, 8), solid.image.GetPixel(1, 3));
  const ToolPicture filled = ToolButtonPicture(kToolFilledEllipse);
  EXPECT_EQ(filled.image.GetPixel(8, 8), kWhite);
  EXPECT_EQ(filled.image.GetPixel(0, 8), kBlack);
}

TEST(ToolPointers, HotSpotsOnTheWorkingTip) {
  using P = CanvasPointer;
  struct Expected {
    P pointer;
    int x, y;
  };
  for (auto [pointer, x, y] : {Expected{P::kCrossHairs, 7, 7},
                               {P::kPencil, 0, 15},
                               {P::kEraser, 0, 14},
                               {P::kDropper, 0, 15},
                               {P::kBucket, 13, 14},
                               {P::kMove, 7, 7}}) {
    const ToolPicture p = ToolPointerPicture(pointer);
    SCOPED_TRACE(static_cast<int>(pointer));
    EXPECT_EQ(p.hot_x, x);
    EXPECT_EQ(p.hot_y, y);
    if (pointer != P::kCrossHairs) {
      EXPECT_TRUE(p.Opaque(x, y));  // the cross hairs leave a gap
    }
  }
  // Cross hairs: the centre is open so the pointed pixel stays visible.
  EXPECT_FALSE(ToolPointerPicture(P::kCrossHairs).Opaque(7, 7));
  EXPECT_EQ(ToolPointerPicture(P::kCrossHairs).image.GetPixel(7, 0), kBlack);
}

}  // namespace
}  // namespace brindlex
