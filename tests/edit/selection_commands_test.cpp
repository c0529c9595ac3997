#include "edit/selection_commands.h"

#include <gtest/gtest.h>

#include "edit/clipboard_commands.h"

namespace brindlex {
namespace {

class SelectionCommandsTest : public ::testing::Test {
 protected:
  SelectionCommandsTest() : document(resources) {
    CreatePatternDC(resources);
    CreateGridDCs(resources);
    document.MakeBlank(0);
    document.PicMask.SetPixel(1, 1, kBlack);
    document.PicImage.SetPixel(1, 1, 0x0000FF);
    document.PicImage.SetPixel(2, 1, 0x00FF00);  // inverting
    document.DisplayResults();
    history.RecordSnapshot(document);
    selection.SelLeft = 24;
    selection.SelTop = 24;
    selection.SelRight = 72;
    selection.SelBottom = 48;  // pixels (1..2, 1)
    CopySelectionArea(document, selection);
    DrawSelectionFrame(document, selection);
    selection.SelectionMarked = true;
  }
  ResourceBitmaps resources;
  IconDocument document;
  UndoHistory history;
  SelectionState selection;
};

TEST_F(SelectionCommandsTest, AnInPlaceEditOfAMarkedBlockIsOneStepAtOnceAndStaysMarked) {
  // A second state to undo to, then an undo, so that there is a redo list to discard.
  history.ClearRedo();
  history.RecordSnapshot(document);
  history.UndoEdit(document);
  ASSERT_TRUE(history.CanRedo());
  // The block mirrored in place, as a transform on a marked selection does it.
  std::swap(document.PicSelImage.Row(0)[0], document.PicSelImage.Row(0)[1]);
  std::swap(document.PicSelMask.Row(0)[0], document.PicSelMask.Row(0)[1]);
  StoreSelectionInPlace(document, selection);
  history.CommitEdit(document);
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.UndoList.size(), 2u);
  EXPECT_TRUE(selection.SelectionMarked);
  EXPECT_EQ(document.PicImage.GetPixel(1, 1), 0x00FF00u);
  EXPECT_EQ(document.PicMask.GetPixel(1, 1), kWhite);
  EXPECT_EQ(document.PicImage.GetPixel(2, 1), 0x0000FFu);
  // Dropping the marked selection keeps the edit and adds nothing; undo takes the edit back.
  DropSelection(document, selection, history);
  EXPECT_EQ(history.UndoList.size(), 2u);
  EXPECT_EQ(document.PicImage.GetPixel(1, 1), 0x00FF00u);
  EXPECT_EQ(document.PicMask.GetPixel(2, 1), kBlack);
  history.UndoEdit(document);
  EXPECT_EQ(document.PicImage.GetPixel(1, 1), 0x0000FFu);
  EXPECT_EQ(document.PicMask.GetPixel(1, 1), kBlack);
}

TEST_F(SelectionCommandsTest, DeletingAMarkedBlockKeepsTheFloatingPlanes) {
  DeleteSelectionArea(document, selection, history, true);
  EXPECT_EQ(document.PicMask.GetPixel(1, 1), kWhite);
  EXPECT_EQ(document.PicImage.GetPixel(1, 1), kBlack);
  EXPECT_EQ(document.PicImage.GetPixel(2, 1), kBlack);
  EXPECT_EQ(history.UndoList.size(), 2u);
  EXPECT_FALSE(selection.Exists());
  EXPECT_EQ(selection.SelRight, -1);
  EXPECT_EQ(document.PicSelImage.GetPixel(0, 0), 0x0000FFu);
  EXPECT_EQ(document.PicSelImage.GetPixel(1, 0), 0x00FF00u);
  // Copying afterwards (the second half of a cut) still finds the pixels.
  MemoryClipboard clipboard;
  CopySelectionToClipboard(document, clipboard);
  const Surface copied = clipboard.GetImage();
  EXPECT_EQ(copied.GetPixel(0, 0), 0x0000FFu);
  EXPECT_EQ(copied.GetPixel(1, 0), 0xFF00FFu);  // white XOR green
}

}  // namespace
}  // namespace brindlex
