#include "document/drawing_tools.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "document/tools.h"
#include "expected_views.h"
#include "picture.h"

namespace brindlex {
namespace {

using testing::ExpectedCanvas;
using testing::ExpectedPreview;
using testing::SamePixels;

TEST(RoundCoordinate, NearestWithHalvesToEvenAndLimited) {
  EXPECT_EQ(RoundCoordinate(2.5), 2);
  EXPECT_EQ(RoundCoordinate(3.5), 4);
  EXPECT_EQ(RoundCoordinate(-0.5), 0);
  EXPECT_EQ(RoundCoordinate(-1.5), -2);
  EXPECT_EQ(RoundCoordinate(7.49), 7);
  EXPECT_EQ(RoundCoordinate(1e12), 32767);
  EXPECT_EQ(RoundCoordinate(-1e12), -32768);
  EXPECT_EQ(RoundCoordinate(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(RoundCoordinate(std::numeric_limits<double>::infinity()), 0);
}

TEST(CellSnapping, CornersAndCentresTruncateTowardZero) {
  int x = 37, y = 8;
  SnapToCell(x, y, 12);
  EXPECT_EQ(x, 36);
  EXPECT_EQ(y, 0);
  x = 37, y = 8;
  SnapToCellCentre(x, y, 12);
  EXPECT_EQ(x, 42);
  EXPECT_EQ(y, 6);
  x = -5, y = -20;  // -5 \ 8 = 0 and -20 \ 8 = -2
  SnapToCellCentre(x, y, 8);
  EXPECT_EQ(x, 4);
  EXPECT_EQ(y, -12);
  x = -1, y = 400;
  ClampToCanvas(x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 384);
  int a = 1, b = 2;
  SwapInts(a, b);
  EXPECT_EQ(a, 2);
  EXPECT_EQ(b, 1);
}

TEST(PlanePixelOf, OpaqueOrTransparent) {
  EXPECT_EQ(PlanePixelOf(0x123456).mask, kBlack);
  EXPECT_EQ(PlanePixelOf(0x123456).image, 0x123456u);
  EXPECT_EQ(PlanePixelOf(kTransparentColor).mask, kWhite);
  EXPECT_EQ(PlanePixelOf(kTransparentColor).image, kBlack);
}

class PaintPixelTest : public ::testing::TestWithParam<int> {
 protected:
  PaintPixelTest() : document(Resources()) { document.MakeBlank(GetParam()); }
  static const ResourceBitmaps& Resources() {
    static const ResourceBitmaps resources = LoadedResourceBitmaps();
    return resources;
  }
  // The views after a full recomposition of the current planes.
  void ExpectViewsMatchPlanes() {
    EXPECT_TRUE(SamePixels(ExpectedCanvas(document.PicMask, document.PicImage, document.ZoomFactor),
                           document.PicMain));
    EXPECT_TRUE(SamePixels(ExpectedPreview(document.PicMask, document.PicImage), document.PicIcon));
    Surface back = document.PicMainCopy;
    document.RebuildMainCopy();
    EXPECT_TRUE(SamePixels(document.PicMainCopy, back));
  }
  IconDocument document;
};

TEST_P(PaintPixelTest, OpaqueThenTransparentCellsKeepTheGrid) {
  const int zoom = document.ZoomFactor, last = document.IconLastIndex;
  const Surface canvas = document.PicMain;
  // The first and last pixel and one in the middle, from points inside each cell: each
  // changes its own pixel and nothing else, not even a view, until it is recomposed.
  EXPECT_EQ(PaintPixelAt(document, 1, 1, 0x00FF00), (PixelRect{0, 0, 1, 1}));
  EXPECT_EQ(PaintPixelAt(document, 383, 383, 0x00FF00),
            (PixelRect{last, last, last + 1, last + 1}));
  const PixelRect middle = PaintPixelAt(document, 5 * zoom + zoom - 1, 2 * zoom, 0x00FF00);
  EXPECT_EQ(middle, (PixelRect{5, 2, 6, 3}));
  EXPECT_TRUE(SamePixels(canvas, document.PicMain));
  EXPECT_EQ(document.PicImage.GetPixel(0, 0), 0x00FF00u);
  EXPECT_EQ(document.PicMask.GetPixel(last, last), kBlack);
  EXPECT_EQ(document.PicImage.GetPixel(5, 2), 0x00FF00u);
  for (const PixelRect& cell :
       {PixelRect{0, 0, 1, 1}, PixelRect{last, last, last + 1, last + 1}, middle})
    document.Recompose(cell);
  ExpectViewsMatchPlanes();
  // Paint the middle one transparent again, as the eraser does; no pen is left set.
  const Surface pens = document.PicImage;
  document.Recompose(PaintPixelAt(document, 5 * zoom + 1, 2 * zoom + 1, kTransparentColor));
  EXPECT_EQ(document.PicMask.GetPixel(5, 2), kWhite);
  EXPECT_EQ(document.PicImage.GetPixel(5, 2), kBlack);
  EXPECT_EQ(document.PicImage.pen, pens.pen);
  EXPECT_EQ(document.PicImage.fill, pens.fill);
  ExpectViewsMatchPlanes();
}

TEST_P(PaintPixelTest, NothingOnTheOuterRowsColumnsOrOutside) {
  const Surface canvas = document.PicMain;
  for (auto [x, y] : {std::pair{0, 10}, {10, 0}, {384, 10}, {10, 384}, {-3, 50}, {50, 999}})
    EXPECT_TRUE(PaintPixelAt(document, x, y, 0x0000FF).Empty()) << x << "," << y;
  EXPECT_TRUE(SamePixels(canvas, document.PicMain));
  EXPECT_TRUE(SamePixels(Surface(document.Edge(), document.Edge(), kWhite), document.PicMask));
}

INSTANTIATE_TEST_SUITE_P(EachSize, PaintPixelTest, ::testing::Values(0, 1, 2));

TEST(DrawRubberBand, InvertingTwiceRestoresTheCanvasAndLeavesItsDrawMode) {
  for (int index = kToolLine; index <= kToolFilledEllipse; ++index) {
    const Tool tool = static_cast<Tool>(index);
    Surface canvas = testing::Picture({"#o..#.", "..g...", "b....#", "......", ".#..#."});
    const Surface before = canvas;
    DrawRubberBand(canvas, tool, 1, 1, 4, 3);
    EXPECT_FALSE(canvas.SamePixels(before)) << tool;
    EXPECT_EQ(canvas.draw_mode, DrawMode::kCopy) << tool;
    DrawRubberBand(canvas, tool, 1, 1, 4, 3);
    EXPECT_TRUE(canvas.SamePixels(before)) << tool;
  }
}

TEST(DrawRubberBand, OutlinesOnly) {
  Surface canvas(8, 6, kWhite);
  DrawRubberBand(canvas, kToolSolidRectangle, 1, 1, 5, 4);
  EXPECT_EQ(testing::Rows(canvas), (std::vector<std::string>{"........", ".#####..", ".#...#..",
                                                             ".#...#..", ".#####..", "........"}));
  canvas.Clear();
  canvas.filling = true;
  DrawRubberBand(canvas, kToolSolidEllipse, 0, 0, 8, 6);
  EXPECT_EQ(canvas.GetPixel(4, 3), kWhite);  // inside stays: the band has no fill
  EXPECT_TRUE(canvas.filling);
}

}  // namespace
}  // namespace brindlex
