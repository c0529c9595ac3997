#include "document/icon_document.h"

#include <gtest/gtest.h>

#include "picture.h"
#include "pixels/pixel_alpha.h"

namespace brindlex {
namespace {

class IconDocumentTest : public ::testing::Test {
 protected:
  IconDocumentTest() : document(Loaded()) {}
  static const ResourceBitmaps& Loaded() {
    static const ResourceBitmaps resources = LoadedResourceBitmaps();
    return resources;
  }
  IconDocument document;
};

bool HatchAt(int x, int y) { return x >= 1 && x <= 21 && y >= 1 && y <= 21 && (x + y) % 4 == 0; }

// What the canvas shows at (x, y) when every icon pixel is transparent: dotted grid lines
// (vertical lines drawn last) over cells with white edges and the hatch inside.
Color EmptyCanvasAt(int x, int y, int zoom) {
  if (x % zoom == 0) return y % 2 == 0 ? kBlack : kSilver;
  if (y % zoom == 0) return x % 2 == 0 ? kBlack : kSilver;
  const int ox = x % zoom, oy = y % zoom;
  const bool inside = ox >= 2 && ox <= zoom - 2 && oy >= 2 && oy <= zoom - 2;
  return inside && HatchAt(ox - 1, oy - 1) ? kBlack : kWhite;
}

TEST_F(IconDocumentTest, ResourcePicturesAreExact) {
  const ResourceBitmaps& r = Loaded();
  ASSERT_EQ(r.CellPattern.Width(), 23);
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 23; ++x)
      ASSERT_EQ(r.CellPattern.GetPixel(x, y), HatchAt(x, y) ? kBlack : kWhite) << x << "," << y;
  EXPECT_EQ(r.GridLineH.Width(), 385);
  EXPECT_EQ(r.GridLineH.GetPixel(0, 0), kBlack);
  EXPECT_EQ(r.GridLineH.GetPixel(383, 0), kSilver);
  EXPECT_EQ(r.GridLineV.Height(), 385);
  EXPECT_EQ(r.GridLineV.GetPixel(0, 384), kBlack);
  EXPECT_EQ(r.GridLineV.GetPixel(0, 1), kSilver);
}

TEST_F(IconDocumentTest, BlankDocumentsOfEverySizeShowEmptyCellsAndAPlainPreview) {
  for (int index = 0; index < 3; ++index) {
    document.MakeBlank(index);
    const int zoom = kIconSizes[index].zoom, edge = kIconSizes[index].edge;
    EXPECT_EQ(document.Edge(), edge);
    EXPECT_EQ(document.ZoomFactor, zoom);
    EXPECT_EQ(document.IconLastIndex, edge - 1);
    EXPECT_EQ(document.PreviewLeft + edge / 2, kPreviewCentreX);
    EXPECT_EQ(document.PreviewTop + edge / 2, kPreviewCentreY);
    EXPECT_EQ(document.PixelWork[0].size(), static_cast<std::size_t>(edge * edge));
    ASSERT_EQ(document.PicMain.Width(), 385);
    for (int y = 0; y < 385; ++y)
      for (int x = 0; x < 385; ++x)
        ASSERT_EQ(document.PicMain.GetPixel(x, y), EmptyCanvasAt(x, y, zoom))
            << "size " << edge << " at " << x << "," << y;
    for (int y = 0; y < edge; ++y)
      for (int x = 0; x < edge; ++x) {
        ASSERT_EQ(document.PicIcon.GetPixel(x, y), kButtonFace);
        ASSERT_EQ(document.PicMask.GetPixel(x, y), kWhite);
        ASSERT_EQ(document.PicImage.GetPixel(x, y), kBlack);
      }
  }
}

TEST_F(IconDocumentTest, GridOfA48PixelIconHas49LinesEachWay) {
  document.MakeBlank(2);
  int lines = 0;
  for (int k = 0; k < 385; ++k) {
    bool full_line = true;
    for (int i = 0; i < 385; ++i)
      full_line = full_line && document.PicMain.GetPixel(k, i) == (i % 2 ? kSilver : kBlack);
    lines += full_line;
  }
  EXPECT_EQ(lines, 49);
}

TEST_F(IconDocumentTest, OpaqueAndInvertingPixelsComposeOverTheEmptyCellLook) {
  document.MakeBlank(0);
  document.PicMask.SetPixel(1, 0, kBlack);
  document.PicImage.SetPixel(1, 0, 0x00FF00);
  document.PicImage.SetPixel(0, 0, 0x0000FF);  // mask stays white: inverting
  document.IconChanged = false;
  document.DisplayResults();
  EXPECT_TRUE(document.IconChanged);
  for (int y = 1; y < 24; ++y)
    for (int x = 1; x < 24; ++x) {
      ASSERT_EQ(document.PicMain.GetPixel(x, y), EmptyCanvasAt(x, y, 24) ^ 0x0000FF);
      ASSERT_EQ(document.PicMain.GetPixel(24 + x, y), 0x00FF00u);
    }
  EXPECT_EQ(document.PicMain.GetPixel(24, 5), kSilver);  // the grid covers the block's edge
  EXPECT_EQ(document.PicIcon.GetPixel(0, 0), kButtonFace ^ 0x0000FF);
  EXPECT_EQ(document.PicIcon.GetPixel(1, 0), 0x00FF00u);
  EXPECT_EQ(document.PicIcon.GetPixel(2, 0), kButtonFace);
  // The back buffer holds the same picture without the grid.
  EXPECT_EQ(document.PicMainCopy.GetPixel(24, 5), 0x00FF00u);
}

TEST_F(IconDocumentTest, PartlyTransparentPixelsBlendOverTheCellsAndTheButtonFace) {
  document.MakeBlank(0);
  document.PicMask.SetPixel(0, 0, kBlack);
  document.PicImage.Row(0)[0] = WithAlpha(0x0000FF, 128);
  document.DisplayResults();
  // Red 255 · 128 over white: (255·128 + 255·127 + 127) / 255 = 255 and the others
  // (255·127 + 127) / 255 = 127; over black 128 and 0.
  for (int y = 1; y < 24; ++y)
    for (int x = 1; x < 24; ++x)
      ASSERT_EQ(document.PicMain.GetPixel(x, y),
                EmptyCanvasAt(x, y, 24) == kBlack ? 0x000080u : 0x7F7FFFu);
  // Over the button face 0xC8D0D4: red (255·128 + 0xD4·127 + 127) / 255 = 234, green
  // (0xD0·127 + 127) / 255 = 104, blue (0xC8·127 + 127) / 255 = 100.
  EXPECT_EQ(document.PicIcon.GetPixel(0, 0), 0x6468EAu);
}

// A small linear congruential generator, so that the pictures are the same on every run.
struct Random {
  unsigned seed;
  unsigned Next() { return seed = seed * 1103515245u + 12345u; }
  int Below(int n) { return static_cast<int>((Next() >> 8) % static_cast<unsigned>(n)); }
};

// Fills the block of rect (clipped to the icon) with random opaque, transparent and
// inverting pixels, and with `translucent` also partly transparent ones.
void FillRandomly(IconDocument& document, const PixelRect& rect, Random& random,
                  bool translucent = false) {
  const PixelRect block = rect.ClippedTo(document.Edge());
  for (int y = block.top; y < block.bottom; ++y)
    for (int x = block.left; x < block.right; ++x) {
      const unsigned r = random.Next();
      document.PicMask.SetPixel(x, y, (r >> 16) % 3 == 0 ? kBlack : kWhite);
      document.PicImage.SetPixel(x, y, (r >> 8) % 2 ? r & 0xFFFFFF : kBlack);
      if (translucent && (r >> 4) % 3 == 0) {
        document.PicMask.SetPixel(x, y, kBlack);
        document.PicImage.Row(y)[x] = WithAlpha(r, static_cast<int>(1 + (r >> 24) % 254));
      }
    }
}

TEST_F(IconDocumentTest, OnePassCompositionEqualsTheStepByStepOne) {
  for (int index = 0; index < 3; ++index) {
    document.MakeBlank(index);
    const int edge = document.Edge();
    Random random{12345u + index};
    FillRandomly(document, document.WholeIcon(), random);
    document.PicMain.Clear();
    document.RebuildMainCopy();
    document.ShowCanvas();
    const Surface step_by_step = document.PicMain;
    const Surface back_buffer = document.PicMainCopy;
    document.PicMain.Clear();
    document.PicMainCopy.Clear();
    document.DisplayResults();
    EXPECT_TRUE(testing::SamePixels(step_by_step, document.PicMain)) << "size " << edge;
    EXPECT_TRUE(testing::SamePixels(back_buffer, document.PicMainCopy)) << "size " << edge;
  }
}

TEST_F(IconDocumentTest, RecomposingTheChangedRectangleEqualsTheFullRecomposition) {
  IconDocument full(Loaded());
  for (int run = 0; run < 6; ++run) {
    const int index = run % 3;
    const bool translucent = run >= 3;
    document.MakeBlank(index);
    full.MakeBlank(index);
    const int edge = document.Edge();
    Random random{777u + static_cast<unsigned>(run)};
    FillRandomly(document, document.WholeIcon(), random, translucent);
    document.DisplayResults();
    for (int step = 0; step < 250; ++step) {
      // Rectangles of every shape, some reaching past the icon and some empty.
      const int left = random.Below(edge + 4) - 2, top = random.Below(edge + 4) - 2;
      const int width = step % 5 == 0 ? 1 : random.Below(edge / 2 + 2);
      const int height = step % 5 == 0 ? 1 : random.Below(edge / 2 + 2);
      const PixelRect rect{left, top, left + width, top + height};
      FillRandomly(document, rect, random, translucent);
      document.Recompose(rect);
      full.PicMask = document.PicMask;
      full.PicImage = document.PicImage;
      full.DisplayResults();
      ASSERT_TRUE(testing::SamePixels(full.PicMainCopy, document.PicMainCopy))
          << "size " << edge << " step " << step << " translucent " << translucent;
      ASSERT_TRUE(testing::SamePixels(full.PicMain, document.PicMain))
          << "size " << edge << " step " << step << " translucent " << translucent;
      ASSERT_TRUE(testing::SamePixels(full.PicIcon, document.PicIcon))
          << "size " << edge << " step " << step << " translucent " << translucent;
    }
  }
}

TEST_F(IconDocumentTest, RecomposingOneCellLeavesTheRestOfTheViews) {
  document.MakeBlank(2);
  const Surface canvas = document.PicMain, back = document.PicMainCopy;
  document.PicMask.SetPixel(10, 20, kBlack);
  document.PicImage.SetPixel(10, 20, 0x0000FF);
  // A mark on the canvas outside the cell stays: only the cell and its grid lines are drawn.
  document.PicMain.SetPixel(300, 300, 0x123456);
  document.Recompose({10, 20, 11, 21});
  EXPECT_EQ(document.PicMain.GetPixel(300, 300), 0x123456u);
  int changed = 0;
  for (int y = 0; y < kCanvasSize; ++y)
    for (int x = 0; x < kCanvasSize; ++x)
      if (document.PicMain.GetPixel(x, y) != canvas.GetPixel(x, y) && !(x == 300 && y == 300)) {
        ++changed;
        EXPECT_TRUE(x > 80 && x < 88 && y > 160 && y < 168) << x << "," << y;
      }
  EXPECT_EQ(changed, 7 * 7);
  EXPECT_EQ(document.PicMainCopy.GetPixel(87, 167), 0x0000FFu);
  EXPECT_EQ(document.PicMainCopy.GetPixel(88, 167), back.GetPixel(88, 167));
  EXPECT_EQ(document.PicIcon.GetPixel(10, 20), 0x0000FFu);
  EXPECT_EQ(document.PicIcon.GetPixel(11, 20), kButtonFace);
}

}  // namespace
}  // namespace brindlex
