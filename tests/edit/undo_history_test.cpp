#include "edit/undo_history.h"

#include <gtest/gtest.h>

#include <random>

#include "pixels/pixel_alpha.h"

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

TEST_F(UndoHistoryTest, SnapshotsKeepInvertingPixels) {
  document.PicImage.SetPixel(5, 5, 0x808080);  // inverting: mask stays white
  document.DisplayResults();
  history.ClearRedo();
  history.RecordSnapshot(document);
  Stroke(0, 0x0000FF);
  history.UndoEdit(document);
  EXPECT_EQ(document.PicImage.GetPixel(5, 5), 0x808080u);
  EXPECT_EQ(document.PicMask.GetPixel(5, 5), kWhite);
  EXPECT_EQ(document.PicMask.GetPixel(0, 0), kWhite);
}

// The history as a plain list of whole snapshots: what the compact one must match exactly.
struct FullSnapshotModel {
  std::vector<Snapshot> undo, redo;
  static Snapshot Of(const IconDocument& d) { return {d.PicMask, d.PicImage}; }
};

// One random edit of the planes: a pixel, a box, a whole-plane fill, or an odd mask value
// (kept whole by the history, never rounded to black or white).
void RandomEdit(std::mt19937& rng, IconDocument& d) {
  const int size = d.PicMask.Width();
  std::uniform_int_distribution<int> coord(0, size - 1), kind(0, 9);
  const Color color = rng() & 0xFFFFFF;
  const int k = kind(rng);
  if (k < 6) {
    const int x = coord(rng), y = coord(rng);
    d.PicMask.SetPixel(x, y, k == 0 ? kWhite : kBlack);
    d.PicImage.SetPixel(x, y, color);
  } else if (k < 8) {
    const int x0 = coord(rng), y0 = coord(rng), x1 = coord(rng), y1 = coord(rng);
    d.PicMask.Box(x0, y0, x1, y1, true, kBlack);
    d.PicImage.Box(x0, y0, x1, y1, true, color);
  } else if (k == 8) {
    d.PicMask.Box(0, 0, size - 1, size - 1, true, kWhite);
    d.PicImage.Box(0, 0, size - 1, size - 1, true, color & 0x0F0F0F);
  } else {
    d.PicMask.SetPixel(coord(rng), coord(rng), 0x123456);
  }
}

TEST(UndoHistoryModelTest, LongRandomSequencesRestoreExactlyTheRecordedPlanes) {
  ResourceBitmaps resources;
  CreatePatternDC(resources);
  CreateGridDCs(resources);
  IconDocument document(resources);
  for (unsigned seed = 1; seed <= 6; ++seed) {
    std::mt19937 rng(seed);
    document.MakeBlank(seed % 3);
    UndoHistory history;
    FullSnapshotModel model;
    history.RecordSnapshot(document);
    model.undo.push_back(FullSnapshotModel::Of(document));
    for (int step = 0; step < 1500; ++step) {
      const int action = std::uniform_int_distribution<int>(0, 9)(rng);
      if (action < 5) {
        RandomEdit(rng, document);
        document.DisplayResults();
        history.ClearRedo();
        history.RecordSnapshot(document);
        model.redo.clear();
        model.undo.push_back(FullSnapshotModel::Of(document));
      } else if (action < 8) {
        history.UndoEdit(document);
        if (model.undo.size() > 1) {
          model.redo.push_back(model.undo.back());
          model.undo.pop_back();
        }
      } else if (action < 9) {
        history.RedoEdit(document);
        if (!model.redo.empty()) {
          model.undo.push_back(model.redo.back());
          model.redo.pop_back();
        }
      } else {
        // The open command changes the size with the history kept, then records (here without
        // ClearRedo, which a redo must survive as a whole-snapshot history would).
        document.MakeBlank(std::uniform_int_distribution<int>(0, 2)(rng));
        history.RecordSnapshot(document);
        model.undo.push_back(FullSnapshotModel::Of(document));
      }
      ASSERT_EQ(history.UndoList.size(), model.undo.size()) << "seed " << seed << " step " << step;
      ASSERT_EQ(history.RedoList.size(), model.redo.size());
      // The current state is copied onto the planes as they are: across a size change kept in
      // the history (as opening does before it clears the history) only the overlap changes.
      const Snapshot& expected = model.undo.back();
      Snapshot planes{document.PicMask, document.PicImage};
      const int w = expected.mask.Width();
      planes.mask.BitBlt(0, 0, w, w, expected.mask, 0, 0);
      planes.image.BitBlt(0, 0, w, w, expected.image, 0, 0);
      ASSERT_TRUE(document.PicMask.SamePixels(planes.mask)) << "seed " << seed << " step " << step;
      ASSERT_TRUE(document.PicImage.SamePixels(planes.image));
      ASSERT_TRUE(history.UndoList.back().mask.SamePixels(expected.mask));
      ASSERT_TRUE(history.UndoList.back().image.SamePixels(expected.image));
    }
  }
}

TEST(UndoHistoryModelTest, AOnePixelStrokeHoldsAFewDozenBytesWhateverTheAlpha) {
  ResourceBitmaps resources;
  CreatePatternDC(resources);
  CreateGridDCs(resources);
  IconDocument document(resources);
  document.MakeBlank(2);
  UndoHistory history;
  history.RecordSnapshot(document);
  const std::size_t before = history.BytesHeld();
  document.PicMask.SetPixel(7, 9, kBlack);
  document.PicImage.SetPixel(7, 9, 0x0000FF);
  history.RecordSnapshot(document);
  EXPECT_LE(history.BytesHeld() - before, 200u);
  // A whole-icon change holds one plane of colours and one bit per mask pixel.
  document.PicMask.Box(0, 0, 47, 47, true, kBlack);
  history.RecordSnapshot(document);
  EXPECT_LE(history.BytesHeld() - before, 48u * 48u * 4u + 48u * 48u / 8u + 400u);

  // Over partly transparent pixels a stroke costs no more, and its undo gives their alpha back.
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 48; ++x) document.PicImage.Row(y)[x] = WithAlpha(0x204080, 1 + x + y);
  history.CommitEdit(document);
  const Surface faded = document.PicImage;
  const std::size_t faded_bytes = history.BytesHeld();
  document.PicImage.SetPixel(7, 9, 0x0000FF);
  history.CommitEdit(document);
  EXPECT_LE(history.BytesHeld() - faded_bytes, 200u);
  history.UndoEdit(document);
  EXPECT_TRUE(document.PicImage.SamePixels(faded));
}

}  // namespace
}  // namespace brindlex
