#include "document/selection_tool.h"

#include <gtest/gtest.h>

#include "document/expected_views.h"
#include "picture.h"

namespace brindlex {
namespace {

const ResourceBitmaps& Loaded() {
  static const ResourceBitmaps resources = LoadedResourceBitmaps();
  return resources;
}

// An icon of the size index with a pattern of opaque, transparent and inverting pixels.
void FillPattern(IconDocument& document) {
  const int edge = document.Edge();
  for (int y = 0; y < edge; ++y)
    for (int x = 0; x < edge; ++x) {
      const int k = (x * 7 + y * 3) % 5;
      document.PicMask.SetPixel(x, y, k < 2 ? kWhite : kBlack);
      document.PicImage.SetPixel(x, y, k == 0 ? 0 : 0x0102F3u * (x + 1) + (y << 4));
    }
  document.DisplayResults();
}

TEST(SelectionTool, AMovingBlockShowsAsTheCopyTheStretchesAndTheGridWouldShowIt) {
  for (int size = 0; size < 3; ++size) {
    IconDocument document(Loaded());
    document.MakeBlank(size);
    FillPattern(document);
    const int z = document.ZoomFactor, edge = document.Edge();
    SelectionState selection;
    selection.SelLeft = 2 * z;
    selection.SelTop = z;
    selection.SelRight = 9 * z;
    selection.SelBottom = 6 * z;  // 7 x 5 pixels
    CopySelectionArea(document, selection);
    selection.SelectionMarked = true;
    StartSelectionMove(document, selection, 3 * z, 2 * z);
    EXPECT_TRUE(selection.SelectionFloating);
    // Places on the canvas, across each edge, in a corner and wholly off it.
    const int places[][2] = {{3, 2},        {0, 0},   {-4, 7},      {edge - 2, edge - 1},
                             {edge + 3, 0}, {5, -10}, {edge - 6, 3}};
    for (const auto& place : places) {
      MoveSelectionTo(document, selection, place[0] * z, place[1] * z);
      const SelectionState& s = selection;
      Surface canvas(kCanvasSize, kCanvasSize);
      canvas.BitBlt(0, 0, kCanvasImageSize, kCanvasImageSize, document.PicMainCopy, 0, 0);
      const Surface& mask = document.PicSelMask;
      const Surface& image = document.PicSelImage;
      canvas.StretchBlt(s.SelLeft, s.SelTop, s.SelRight - s.SelLeft, s.SelBottom - s.SelTop, mask,
                        0, 0, 7, 5, RasterOp::kAnd);
      canvas.StretchBlt(s.SelLeft, s.SelTop, s.SelRight - s.SelLeft, s.SelBottom - s.SelTop, image,
                        0, 0, 7, 5, RasterOp::kInvert);
      for (int k = 0; k <= kCanvasSize; k += z) {
        canvas.BitBlt(0, k, kGridLineLength, 1, Loaded().GridLineH, 0, 0);
        canvas.BitBlt(k, 0, 1, kGridLineLength, Loaded().GridLineV, 0, 0);
      }
      ASSERT_TRUE(testing::SamePixels(canvas, document.PicMain))
          << "size " << edge << " at " << place[0] << ", " << place[1];
      // The preview: the planes over the button face, the block on top at its pixel place.
      Surface preview = testing::ExpectedPreview(document.PicMask, document.PicImage);
      preview.BitBlt(s.SelLeft / z, s.SelTop / z, 7, 5, mask, 0, 0, RasterOp::kAnd);
      preview.BitBlt(s.SelLeft / z, s.SelTop / z, 7, 5, image, 0, 0, RasterOp::kInvert);
      ASSERT_TRUE(testing::SamePixels(preview, document.PicIcon));
    }
    FinishSelectionMove(document, selection);
    EXPECT_FALSE(selection.MovingSelection);
    EXPECT_TRUE(document.IconChanged);
  }
}

TEST(SelectionTool, MarkingClampsOrdersAndForgetsAnEmptyRectangle) {
  IconDocument document(Loaded());
  document.MakeBlank(1);
  const Surface plain = document.PicMain;
  SelectionState selection;
  StartMarking(document, selection, 120, 60);
  ExtendMarking(document, selection, -36, 600);
  EXPECT_EQ(selection.SelRight, 0);
  EXPECT_EQ(selection.SelBottom, 384);
  EXPECT_FALSE(InsideSelection(selection, 50, 100));  // nothing is selected while marking
  ASSERT_TRUE(FinishMarking(document, selection));
  EXPECT_EQ(selection.SelLeft, 0);
  EXPECT_EQ(selection.SelTop, 60);
  EXPECT_EQ(selection.SelRight, 120);
  EXPECT_EQ(selection.SelBottom, 384);
  EXPECT_EQ(document.PicSelMask.Width(), 10);
  EXPECT_EQ(document.PicSelMask.Height(), 27);
  EXPECT_TRUE(InsideSelection(selection, 0, 384));
  EXPECT_TRUE(InsideSelection(selection, 120, 60));
  EXPECT_FALSE(InsideSelection(selection, 120.01, 60));
  EXPECT_FALSE(InsideSelection(selection, -0.5, 100));
  HideSelectionFrame(document, selection);
  EXPECT_TRUE(testing::SamePixels(plain, document.PicMain));
  // A rectangle without height leaves nothing, not even its frame.
  StartMarking(document, selection, 24, 24);
  ExtendMarking(document, selection, 96, 24);
  EXPECT_FALSE(FinishMarking(document, selection));
  EXPECT_EQ(selection.SelLeft, -1);
  EXPECT_FALSE(selection.Exists());
  EXPECT_TRUE(testing::SamePixels(plain, document.PicMain));
}

}  // namespace
}  // namespace brindlex
