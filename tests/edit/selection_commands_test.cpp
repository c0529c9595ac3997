#include "edit/selection_commands.h"

#include <gtest/gtest.h>

#include "edit/clipboard_commands.h"
#include "picture.h"

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

// A 16 x 16 icon with an opaque, an inverting and a transparent pixel in one row, selected.
class SelectionDropTest : public ::testing::Test {
 protected:
  static const ResourceBitmaps& Loaded() {
    static const ResourceBitmaps resources = LoadedResourceBitmaps();
    return resources;
  }
  void SetUp() override {
    document.MakeBlank(0);  // 16 x 16, zoom 24
    document.PicMask.SetPixel(2, 2, kBlack);
    document.PicImage.SetPixel(2, 2, 0x00FF00);  // opaque
    document.PicImage.SetPixel(3, 2, 0x0000FF);  // inverting
    document.DisplayResults();                   // (4, 2) stays transparent
    history.ClearHistory();
    history.RecordSnapshot(document);
    selection.SelLeft = 48;
    selection.SelTop = 48;
    selection.SelRight = 120;
    selection.SelBottom = 72;  // pixels (2..4, 2)
  }
  IconDocument document{Loaded()};
  UndoHistory history;
  SelectionState selection;
};

TEST_F(SelectionDropTest, DroppingAMarkedSelectionLeavesTheIconAsItIs) {
  CopySelectionArea(document, selection);
  EXPECT_EQ(document.PicSelImage.Width(), 3);
  EXPECT_EQ(document.PicSelImage.Height(), 1);
  selection.SelectionMarked = true;
  DrawSelectionFrame(document, selection);
  document.IconChanged = false;
  DropSelection(document, selection, history);
  EXPECT_EQ(document.PicImage.GetPixel(2, 2), 0x00FF00u);
  EXPECT_EQ(document.PicMask.GetPixel(2, 2), kBlack);
  // The inverting pixel stays inverting: a marked block is never merged over itself.
  EXPECT_EQ(document.PicImage.GetPixel(3, 2), 0x0000FFu);
  EXPECT_EQ(document.PicMask.GetPixel(3, 2), kWhite);
  EXPECT_EQ(document.PicIcon.GetPixel(3, 2), kButtonFace ^ 0x0000FFu);
  EXPECT_EQ(history.UndoList.size(), 1u);
  EXPECT_FALSE(document.IconChanged);
  EXPECT_FALSE(selection.Exists());
  EXPECT_EQ(selection.SelLeft, -1);
  // The frame is gone: the canvas equals the composed view with its grid.
  IconDocument fresh(Loaded());
  fresh.MakeBlank(0);
  fresh.PicMask.BitBlt(0, 0, 16, 16, document.PicMask, 0, 0);
  fresh.PicImage.BitBlt(0, 0, 16, 16, document.PicImage, 0, 0);
  fresh.DisplayResults();
  EXPECT_TRUE(testing::SamePixels(fresh.PicMain, document.PicMain));
  // With nothing selected a drop does nothing at all, so no frame is drawn at −1.
  DropSelection(document, selection, history);
  EXPECT_TRUE(testing::SamePixels(fresh.PicMain, document.PicMain));
  EXPECT_EQ(history.UndoList.size(), 1u);
}

TEST_F(SelectionDropTest, LiftedSelectionMovesAndMergesAsOneUndoStep) {
  CopySelectionArea(document, selection);
  selection.SelectionMarked = true;
  DrawSelectionFrame(document, selection);
  HideSelectionFrame(document, selection);
  selection.SelectionMarked = true;
  LiftSelection(document, selection);
  EXPECT_TRUE(selection.SelectionFloating);
  EXPECT_EQ(document.PicMask.GetPixel(2, 2), kWhite);
  EXPECT_EQ(document.PicImage.GetPixel(3, 2), kBlack);
  // Move one pixel down and show it there.
  selection.SelTop += 24;
  selection.SelBottom += 24;
  ShowFloatingSelection(document, selection);
  EXPECT_EQ(document.PicIcon.GetPixel(2, 3), 0x00FF00u);
  EXPECT_EQ(document.PicIcon.GetPixel(2, 2), kButtonFace);
  EXPECT_EQ(document.PicMask.GetPixel(2, 3), kWhite);  // the icon is not changed yet
  DropSelection(document, selection, history);
  EXPECT_EQ(document.PicMask.GetPixel(2, 3), kBlack);
  EXPECT_EQ(document.PicImage.GetPixel(2, 3), 0x00FF00u);
  EXPECT_EQ(document.PicImage.GetPixel(3, 3), 0x0000FFu);
  EXPECT_EQ(document.PicMask.GetPixel(3, 3), kWhite);
  EXPECT_EQ(document.PicIcon.GetPixel(2, 3), 0x00FF00u);
  ASSERT_EQ(history.UndoList.size(), 2u);
  history.UndoEdit(document);
  EXPECT_EQ(document.PicImage.GetPixel(2, 2), 0x00FF00u);
  EXPECT_EQ(document.PicMask.GetPixel(2, 3), kWhite);
}

TEST_F(SelectionDropTest, StoringInPlaceReplacesTheBlock) {
  CopySelectionArea(document, selection);
  document.PicSelImage.SetPixel(0, 0, 0xFF0000);
  StoreSelectionInPlace(document, selection);
  EXPECT_EQ(document.PicImage.GetPixel(2, 2), 0xFF0000u);
  EXPECT_EQ(document.PicImage.GetPixel(3, 2), 0x0000FFu);
  EXPECT_EQ(document.PicIcon.GetPixel(2, 2), 0xFF0000u);
}

}  // namespace
}  // namespace brindlex
