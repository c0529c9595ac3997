#include "edit/undo_history.h"

#include <gtest/gtest.h>

namespace brindlex {
namespace {

class UndoHistoryTest : public ::testing::Test {
 protected:
  UndoHistoryTest() : document(resources) {
    CreatePatternDC(resources);
    CreateGridDCs(resources);
    document.MakeBlank(1);
    history.RecordSnapshot(document);
  }
  // One "stroke": a pixel set, then the snapshot, as the tools record it.
  void Stroke(int x, Color c) {
    history.ClearRedo();
    document.PicMask.SetPixel(x, 0, kBlack);
    document.PicImage.SetPixel(x, 0, c);
    document.DisplayResults();
    history.RecordSnapshot(document);
  }
  ResourceBitmaps resources;
  IconDocument document;
  UndoHistory history;
};

TEST_F(UndoHistoryTest, UndoAndRedoWalkTheLineOfSnapshots) {
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.CanRedo());
  Stroke(0, 0x0000FF);
  EXPECT_TRUE(history.CanUndo());
  document.IconChanged = false;
  history.UndoEdit(document);
  EXPECT_EQ(document.PicMask.GetPixel(0, 0), kWhite);
  EXPECT_EQ(document.PicIcon.GetPixel(0, 0), kButtonFace);
  EXPECT_TRUE(document.IconChanged);
  EXPECT_TRUE(history.CanRedo());
  history.RedoEdit(document);
  EXPECT_EQ(document.PicImage.GetPixel(0, 0), 0x0000FFu);
  EXPECT_EQ(document.PicIcon.GetPixel(0, 0), 0x0000FFu);
  EXPECT_FALSE(history.CanRedo());
  // Nothing to redo and, at the first state, nothing to undo: the planes stay.
  history.RedoEdit(document);
  history.UndoEdit(document);
  history.UndoEdit(document);
  EXPECT_EQ(document.PicMask.GetPixel(0, 0), kWhite);
  EXPECT_EQ(history.UndoList.size(), 1u);
}

TEST_F(UndoHistoryTest, ANewEditAfterUndoDiscardsTheUndoneStrokes) {
  Stroke(0, 0x0000FF);
  Stroke(1, 0x00FF00);
  Stroke(2, 0xFF0000);
  history.UndoEdit(document);
  history.UndoEdit(document);
  Stroke(3, 0x00FFFF);
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(document.PicMask.GetPixel(1, 0), kWhite);
  history.UndoEdit(document);
  EXPECT_EQ(document.PicImage.GetPixel(0, 0), 0x0000FFu);
  EXPECT_EQ(document.PicMask.GetPixel(3, 0), kWhite);
}

TEST_F(UndoHistoryTest, SnapshotsKeepInvertingPixelsAndUseTheStagingPicture) {
  document.PicImage.SetPixel(5, 5, 0x808080);  // inverting: mask stays white
  document.DisplayResults();
  history.ClearRedo();
  history.RecordSnapshot(document);
  EXPECT_EQ(document.PicCol.Width(), 64);
  EXPECT_EQ(document.PicCol.GetPixel(5, 5), kWhite);
  EXPECT_EQ(document.PicCol.GetPixel(32 + 5, 5), 0x808080u);
  Stroke(0, 0x0000FF);
  history.UndoEdit(document);
  EXPECT_EQ(document.PicImage.GetPixel(5, 5), 0x808080u);
  EXPECT_EQ(document.PicMask.GetPixel(5, 5), kWhite);
  EXPECT_EQ(document.PicMask.GetPixel(0, 0), kWhite);
}

}  // namespace
}  // namespace brindlex
