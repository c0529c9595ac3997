// The Select tool on the canvas: marking, moving, dropping, its readout and pointer, and the
// history around it, driven through the main form's mouse events.
#include <gtest/gtest.h>

#include "edit/image_transforms.h"
#include "editor_test_support.h"

namespace brindlex {
namespace {

using testing::kRedColor;
using testing::SamePixels;
using testing::Strings;
constexpr int L = kLeftButton, R = kRightButton;

class SelectTool : public testing::EditorTest {
 protected:
  SelectTool() {
    form.MnuIconSize_Click(0);  // 16 x 16, 24 canvas pixels per icon pixel
    SetPixels(2, 2, {"og.", "i.k"});
    form.OptTool_Click(kToolSelect);
  }
  void ExpectSelection(int left, int top, int right, int bottom) {
    EXPECT_EQ(form.Selection.SelLeft, left);
    EXPECT_EQ(form.Selection.SelTop, top);
    EXPECT_EQ(form.Selection.SelRight, right);
    EXPECT_EQ(form.Selection.SelBottom, bottom);
  }
};

TEST_F(SelectTool, MarkingSnapsToCellsStopsAtTheCanvasAndReadsItsSize) {
  Move(0, 50, 75);
  Press(L, 50, 75);  // cell (2, 3): corner (48, 72)
  EXPECT_EQ(form.SizeReadout, "");
  Move(L, 430, -30);  // beyond the right edge and above the top
  // Width from pixel 2 past the right edge: 14; height from corner 3 to above: 3.
  EXPECT_EQ(form.SizeReadout, "14 x 03");
  ExpectSelection(48, 72, 384, 0);
  EXPECT_TRUE(SamePixels(WithFrame(PlainCanvas(), 48, 72, 384, 0), form.Document.PicMain));
  Move(L, 100, 130);  // corner (4, 5): the old frame goes, the new one shows
  EXPECT_EQ(form.SizeReadout, "02 x 02");
  EXPECT_TRUE(SamePixels(WithFrame(PlainCanvas(), 48, 72, 96, 120), form.Document.PicMain));
  Release(L, 100, 130);
  EXPECT_TRUE(form.Selection.SelectionMarked);
  EXPECT_FALSE(form.Selection.SelectionFloating);
  EXPECT_EQ(form.SizeReadout, "");
  EXPECT_EQ(Floating(), (Strings{"i.", ".."}));
  EXPECT_TRUE(SamePixels(WithFrame(PlainCanvas(), 48, 72, 96, 120), form.Document.PicMain));
  // Marking changes nothing in the icon or its history.
  EXPECT_EQ(Pixels(2, 2, 3, 2), (Strings{"og.", "i.k"}));
  EXPECT_EQ(Steps(), 2u);
}

TEST_F(SelectTool, ADragBackwardsGivesTheSameSelectionAsForwards) {
  Drag(Corner(5) + 3, Corner(4) + 3, Corner(2) + 3, Corner(2) + 3);
  ExpectSelection(48, 48, 120, 96);
  EXPECT_EQ(Floating(), (Strings{"og.", "i.k"}));
  const Surface backwards = form.Document.PicMain;
  form.OptTool_Click(kToolSelect);
  Drag(Corner(2) + 3, Corner(2) + 3, Corner(5) + 3, Corner(4) + 3);
  ExpectSelection(48, 48, 120, 96);
  EXPECT_TRUE(SamePixels(backwards, form.Document.PicMain));
  // Beyond the left and top edges the corner stops at 0.
  form.OptTool_Click(kToolSelect);
  Drag(Corner(3), Corner(3), -50, -50);
  ExpectSelection(0, 0, 72, 72);
  EXPECT_TRUE(form.Selection.SelectionMarked);
}

TEST_F(SelectTool, AClickWithoutDraggingDropsTheSelectionAndMarksNothing) {
  Mark(2, 2, 4, 3);
  ASSERT_TRUE(form.Selection.SelectionMarked);
  Press(L, At(10), At(10));
  Release(L, At(10), At(10));
  EXPECT_FALSE(form.Selection.Exists());
  ExpectSelection(-1, -1, -1, -1);
  // The only-marked selection left the icon as it was, with no undo step; no frame is left.
  EXPECT_EQ(Pixels(2, 2, 3, 2), (Strings{"og.", "i.k"}));
  EXPECT_EQ(Steps(), 2u);
  ExpectViewsShowPlanes();
  // A drag along one axis only has no height: no selection either.
  Drag(Corner(1), Corner(1), Corner(6), Corner(1) + 5);
  EXPECT_FALSE(form.Selection.Exists());
  ExpectViewsShowPlanes();
}

TEST_F(SelectTool, MovingLiftsTheBlockShowsItWithoutFrameAndDroppingRecordsOneStep) {
  SetPixels(6, 2, {"kkk", "kkk"});
  Mark(2, 2, 4, 3);
  const std::size_t steps = Steps();
  Move(0, At(3), At(2));
  EXPECT_EQ(form.CanvasPointerShown, CanvasPointer::kMove);
  Press(L, At(3), At(2));
  EXPECT_TRUE(form.Selection.SelectionFloating);
  EXPECT_TRUE(form.Selection.MovingSelection);
  // Its place in the icon is transparent for now.
  EXPECT_EQ(Pixels(2, 2, 3, 2), (Strings{"...", "..."}));
  Move(L, At(7), At(2));  // four pixels right, over the black block
  ExpectSelection(144, 48, 216, 96);
  EXPECT_EQ(form.SizeReadout, "");  // no size while moving
  auto [mask, image] = PlanesWithFloating(6, 2);
  EXPECT_TRUE(SamePixels(testing::ExpectedCanvas(mask, image, Zoom()), form.Document.PicMain));
  EXPECT_TRUE(SamePixels(testing::ExpectedPreview(mask, image), form.Document.PicIcon));
  EXPECT_EQ(Steps(), steps);
  Release(L, At(7), At(2));
  EXPECT_FALSE(form.Selection.MovingSelection);
  EXPECT_TRUE(SamePixels(WithFrame(testing::ExpectedCanvas(mask, image, Zoom()), 144, 48, 216, 96),
                         form.Document.PicMain));
  EXPECT_EQ(Steps(), steps);  // a Select stroke records nothing
  form.OptTool_Click(kToolPencil);
  // Transparent selection pixels keep the black under them; the inverting one XORs it.
  EXPECT_EQ(Pixels(2, 2, 7, 2), (Strings{"....ogk", "....okk"}));
  EXPECT_EQ(form.Document.PicMask.GetPixel(6, 3), kBlack);
  EXPECT_EQ(form.Document.PicImage.GetPixel(6, 3), kRedColor);
  EXPECT_EQ(Steps(), steps + 1);
  ExpectViewsShowPlanes();
  form.History.UndoEdit(form.Document);
  EXPECT_EQ(Pixels(2, 2, 7, 2), (Strings{"og..kkk", "i.k.kkk"}));
}

TEST_F(SelectTool, ABlockMovedPartlyOffTheCanvasKeepsOnlyWhatLiesOnIt) {
  Mark(2, 2, 4, 3);
  Press(L, At(2), At(2));
  Move(L, -30, At(15));  // grab pixel to column −1, row 15: the block hangs off two edges
  ExpectSelection(-24, 360, 48, 408);
  auto [mask, image] = PlanesWithFloating(-1, 15);
  EXPECT_TRUE(SamePixels(testing::ExpectedCanvas(mask, image, Zoom()), form.Document.PicMain));
  Release(L, -30, At(15));
  form.MnuEditAction_Click(9);  // Deseleccionar
  Strings expected = Blank();
  expected[15][0] = 'g';
  expected[15][1] = '.';
  EXPECT_EQ(All(), expected);
  ExpectViewsShowPlanes();
  // Wholly off the canvas: dropping it leaves nothing, its old place stays transparent.
  Mark(0, 15, 1, 15);
  Press(L, At(0), At(15));
  Move(L, 2000, 2000);
  Release(L, 2000, 2000);
  form.MnuEditAction_Click(9);
  EXPECT_EQ(All(), Blank());
}

TEST_F(SelectTool, APressInsideEdgesIncludedMovesAndTheUnroundedPointIsCompared) {
  Mark(2, 2, 4, 3);  // canvas (48, 48)-(120, 96)
  Move(0, 120.4, 60);
  EXPECT_EQ(form.CanvasPointerShown, CanvasPointer::kCrossHairs);  // 120.4 is beyond the right edge
  Move(0, 120.0, 96.0);
  EXPECT_EQ(form.CanvasPointerShown, CanvasPointer::kMove);
  // Rounded, 120.4 would be on the edge; unrounded it lies outside: a new rectangle begins
  // and the marked selection is dropped.
  Press(L, 120.4, 60);
  EXPECT_FALSE(form.Selection.MovingSelection);
  EXPECT_FALSE(form.Selection.Exists());
  Release(L, 120.4, 60);
  Mark(2, 2, 4, 3);
  Press(L, 120.0, 96.0);  // the bottom-right corner itself
  EXPECT_TRUE(form.Selection.MovingSelection);
  Release(L, 120.0, 96.0);
  EXPECT_TRUE(form.Selection.SelectionFloating);
}

TEST_F(SelectTool, APressThatStartsAMoveTakesItsOwnPointSoTheBlockDoesNotJump) {
  Mark(2, 2, 4, 3);
  // The last pointer move was reported far away (the pointer came back between events).
  Move(0, At(12), At(12));
  Press(L, At(3), At(3));
  ExpectSelection(48, 48, 120, 96);
  auto [mask, image] = PlanesWithFloating(2, 2);
  EXPECT_TRUE(SamePixels(testing::ExpectedCanvas(mask, image, Zoom()), form.Document.PicMain));
  // Pressing inside and releasing at once lifts the block and frames it at its place; the
  // drop puts the same pixels back (the inverting one too) as one undo step.
  Release(L, At(3), At(3));
  EXPECT_TRUE(SamePixels(WithFrame(testing::ExpectedCanvas(mask, image, Zoom()), 48, 48, 120, 96),
                         form.Document.PicMain));
  EXPECT_EQ(Pixels(2, 2, 3, 2), (Strings{"...", "..."}));
  const std::size_t steps = Steps();
  form.MnuEditAction_Click(9);
  EXPECT_EQ(Pixels(2, 2, 3, 2), (Strings{"og.", "i.k"}));
  EXPECT_EQ(Steps(), steps + 1);
}

TEST_F(SelectTool, TheOtherButtonDuringADragIsIgnored) {
  Move(0, At(1), At(1));
  Press(L, At(1), At(1));
  Move(L, At(4), At(4));
  Press(R, At(9), At(9));  // ignored: the frame stays, no new rectangle
  ExpectSelection(24, 24, 96, 96);
  Move(L | R, At(9), At(9));  // both buttons: nothing moves
  ExpectSelection(24, 24, 96, 96);
  Release(R, At(9), At(9));  // not the stroke's button
  EXPECT_FALSE(form.Selection.Exists());
  Move(L, At(5), At(5));
  Release(L, At(5), At(5));
  ExpectSelection(24, 24, 120, 120);
  EXPECT_TRUE(form.Selection.SelectionMarked);
  EXPECT_TRUE(SamePixels(WithFrame(PlainCanvas(), 24, 24, 120, 120), form.Document.PicMain));
  // The right button alone works the same way as the left.
  form.OptTool_Click(kToolSelect);
  Press(R, At(0), At(0));
  Move(R, At(2), At(2));
  Release(R, At(2), At(2));
  ExpectSelection(0, 0, 48, 48);
}

TEST_F(SelectTool, EveryMoveStepRepaintsWithoutRunningOtherEvents) {
  Mark(2, 2, 4, 3);
  const int pumps = ui.pumps, repaints = ui.repaints;
  Press(L, At(2), At(2));
  for (int i = 3; i < 8; ++i) Move(L, At(i), At(2));
  Release(L, At(7), At(2));
  EXPECT_EQ(ui.repaints - repaints, 6);  // the press's own step and five moves
  EXPECT_EQ(ui.pumps, pumps);
}

TEST_F(SelectTool, UndoAndRedoAreIgnoredWhileAStrokeIsHeld) {
  form.OptTool_Click(kToolPencil);
  Press(L, At(8), At(8));
  Release(L, At(8), At(8));
  form.MnuEditAction_Click(0);  // undo the dot
  ASSERT_TRUE(form.History.CanRedo());
  Press(L, At(9), At(9));  // a new stroke discards the redo list
  form.MnuEdit_Click();
  EXPECT_FALSE(FindMenuEntry(form.Menus, "MnuEditAction", 0)->enabled);
  EXPECT_FALSE(FindMenuEntry(form.Menus, "MnuEditAction", 1)->enabled);
  form.MenuClick("MnuEditAction", 0);
  form.MnuEditAction_Click(0);  // a shortcut that skipped the refresh: still nothing
  EXPECT_EQ(form.Document.PicMask.GetPixel(9, 9), kBlack);
  Release(L, At(9), At(9));
  EXPECT_FALSE(form.History.CanRedo());
  form.MnuEdit_Click();
  EXPECT_TRUE(FindMenuEntry(form.Menus, "MnuEditAction", 0)->enabled);
  EXPECT_FALSE(FindMenuEntry(form.Menus, "MnuEditAction", 1)->enabled);
  // One line of history: undo takes the stroke off, redo brings it back.
  form.MnuEditAction_Click(0);
  EXPECT_EQ(form.Document.PicMask.GetPixel(9, 9), kWhite);
  form.MnuEditAction_Click(1);
  EXPECT_EQ(form.Document.PicMask.GetPixel(9, 9), kBlack);
  // A Select move held down blocks them too; a stroke whose release went elsewhere ends
  // when the buttons are found up.
  Mark(2, 2, 4, 3);
  Press(L, At(2), At(2));
  Move(L, At(5), At(5));
  form.MnuEditAction_Click(0);
  EXPECT_TRUE(form.Selection.MovingSelection);
  form.EndLostStroke(0);
  EXPECT_FALSE(form.Selection.MovingSelection);
  EXPECT_TRUE(form.Selection.SelectionFloating);
  form.MnuEdit_Click();
  EXPECT_TRUE(FindMenuEntry(form.Menus, "MnuEditAction", 0)->enabled);
}

TEST_F(SelectTool, ACommandByShortcutDuringAMoveEndsTheMoveFirst) {
  // A quarter turn: the moved block stops where the pointer was and turns there.
  Mark(2, 2, 4, 3);
  Press(L, At(3), At(2));
  Move(L, At(7), At(2));
  form.MenuOpening("MnuImage");
  form.MenuClick("MnuImageAction", kRotateRight);
  EXPECT_FALSE(form.Selection.MovingSelection);
  EXPECT_TRUE(form.Selection.SelectionFloating);
  ExpectSelection(144, 48, 192, 120);
  EXPECT_EQ(Floating(), (Strings{"io", ".g", "k."}));
  // The held button's further moves and its release move nothing.
  Move(L, At(11), At(9));
  Release(L, At(11), At(9));
  ExpectSelection(144, 48, 192, 120);
  auto [mask, image] = PlanesWithFloating(6, 2);
  EXPECT_TRUE(SamePixels(WithFrame(testing::ExpectedCanvas(mask, image, Zoom()), 144, 48, 192, 120),
                         form.Document.PicMain));
  // A command that drops the selection: the block is merged where it was let go, and the
  // pointer no longer drags a copy of it over the canvas.
  Press(L, At(6), At(2));
  Move(L, At(9), At(6));
  form.MenuClick("MnuFxAction", 1);  // the button bevel, on the whole icon
  EXPECT_FALSE(form.Selection.Exists());
  Move(L, At(12), At(12));
  Release(L, At(12), At(12));
  ExpectViewsShowPlanes();
  form.History.UndoEdit(form.Document);  // the bevel off: the block lies where it was let go
  EXPECT_EQ(Pixels(9, 6, 2, 3), (Strings{"io", ".g", "k."}));
}

}  // namespace
}  // namespace brindlex
