// Editing an icon whose pixels are partly transparent: what moves a pixel moves its alpha,
// what writes a pixel makes it opaque, transparent or inverting.
#include "app/editor_test_support.h"
#include "edit/image_transforms.h"
#include "pixels/pixel_alpha.h"

namespace brindlex::testing {
namespace {

constexpr int kUndo = 0, kRedo = 1, kCopy = 4, kPaste = 5, kSpecial = 6;
const Color kSoftRed = WithAlpha(kRedColor, 100), kSoftGreen = WithAlpha(kGreenColor, 200);

class AlphaEditing : public EditorTest {
 protected:
  AlphaEditing() { form.SetClipboard(&clipboard); }
  // Puts partly transparent pixels into the planes and records them, as a loaded file would.
  void SetSoft(std::vector<std::pair<int, Color>> row_zero) {
    for (const auto& [x, c] : row_zero) {
      form.Document.PicMask.SetPixel(x, 0, kBlack);
      form.Document.PicImage.Row(0)[x] = c;
    }
    form.Document.DisplayResults();
    form.History.CommitEdit(form.Document);
  }
  Color At0(int x) const { return form.Document.PicImage.GetPixel(x, 0); }
  void Run(const char* menu, int index) {
    form.MenuOpening(menu);
    form.MenuClick(menu == std::string("MnuEdit") ? "MnuEditAction" : "MnuImageAction", index);
  }
  MemoryClipboard clipboard;
};

TEST_F(AlphaEditing, TransformsColourOperationsAndUndoKeepAlphaAndDrawingReplacesIt) {
  SetSoft({{0, kSoftRed}, {1, kSoftGreen}});
  const int last = form.Document.IconLastIndex;
  Run("MnuImage", kFlipHorizontal);
  EXPECT_EQ(At0(last), kSoftRed);
  EXPECT_EQ(At0(last - 1), kSoftGreen);
  EXPECT_EQ(form.Document.PicMask.GetPixel(last, 0), kBlack);
  EXPECT_EQ(Pixels(0, 0, 2, 1), (Strings{".."}));
  ExpectViewsShowPlanes();
  Run("MnuEdit", kUndo);
  EXPECT_EQ(At0(0), kSoftRed);
  ExpectViewsShowPlanes();
  Run("MnuEdit", kRedo);
  EXPECT_EQ(At0(last), kSoftRed);
  Run("MnuEdit", kUndo);

  // Invert: the colour changes, the alpha stays.
  form.MnuColorAction_Click(0);
  EXPECT_EQ(At0(0), WithAlpha(0xFFFF00, 100));
  EXPECT_EQ(At0(1), WithAlpha(0xFF00FF, 200));
  ExpectViewsShowPlanes();

  // The pencil writes an opaque colour, the eraser a transparent pixel.
  form.OptTool_Click(kToolPencil);
  Press(kLeftButton, At(0), At(0));
  Release(kLeftButton, At(0), At(0));
  EXPECT_EQ(At0(0), kBlack);
  EXPECT_EQ(form.Document.PicMask.GetPixel(0, 0), kBlack);
  form.OptTool_Click(kToolErase);
  Press(kLeftButton, At(1), At(0));
  Release(kLeftButton, At(1), At(0));
  EXPECT_EQ(Pixels(0, 0, 2, 1), (Strings{"k."}));
  ExpectViewsShowPlanes();
  Run("MnuEdit", kUndo);
  Run("MnuEdit", kUndo);
  EXPECT_EQ(At0(0), WithAlpha(0xFFFF00, 100));
  EXPECT_EQ(At0(1), WithAlpha(0xFF00FF, 200));
}

TEST_F(AlphaEditing, AMovedSelectionCarriesItsAlphaAndLeavesTheAlphaItPassesOver) {
  SetSoft({{0, kSoftRed}, {5, kSoftGreen}});
  Mark(0, 0, 1, 0);  // the soft red pixel and a transparent one
  Press(kLeftButton, At(0), At(0));
  Move(kLeftButton, At(4), At(0));  // the transparent pixel now lies over the soft green
  auto [mask, image] = PlanesWithFloating(4, 0);
  image.Row(0)[4] = kSoftRed;
  image.Row(0)[5] = kSoftGreen;
  EXPECT_TRUE(SamePixels(ExpectedCanvas(mask, image, Zoom()), form.Document.PicMain));
  EXPECT_TRUE(SamePixels(ExpectedPreview(mask, image), form.Document.PicIcon));
  Release(kLeftButton, At(4), At(0));
  form.OptTool_Click(kToolPencil);  // drops the selection: one step
  EXPECT_EQ(At0(0), kBlack);
  EXPECT_EQ(form.Document.PicMask.GetPixel(0, 0), kWhite);
  EXPECT_EQ(At0(4), kSoftRed);
  EXPECT_EQ(At0(5), kSoftGreen);
  ExpectViewsShowPlanes();
  Run("MnuEdit", kUndo);
  EXPECT_EQ(At0(0), kSoftRed);
  EXPECT_EQ(At0(4), kBlack);
}

TEST_F(AlphaEditing, CopyCarriesAlphaAndPasteKeepsIt) {
  SetSoft({{0, kSoftRed}, {2, kGreenColor}});
  Mark(0, 0, 2, 0);
  Run("MnuEdit", kCopy);
  const Surface copied = clipboard.GetImage();
  ASSERT_EQ(copied.Width(), 3);
  EXPECT_EQ(copied.GetPixel(0, 0), kSoftRed);
  EXPECT_EQ(copied.GetPixel(1, 0), WithAlpha(kWhite, 0));  // transparent
  EXPECT_EQ(copied.GetPixel(2, 0), kGreenColor);

  // A picture from outside with alpha: alpha 0 transparent, 255 opaque even when white.
  Surface outside(3, 1);
  outside.Row(0)[0] = WithAlpha(kWhite, 0);
  outside.Row(0)[1] = kWhite;
  outside.Row(0)[2] = WithAlpha(0x123456, 50);
  clipboard.PutImage(outside);
  Run("MnuEdit", kPaste);
  ASSERT_TRUE(form.Selection.SelectionFloating);
  EXPECT_EQ(Floating(), (Strings{".w?"}));
  EXPECT_EQ(form.Document.PicSelImage.GetPixel(2, 0), WithAlpha(0x123456, 50));
  // Shown over the opaque green beneath, and laid over it when dropped.
  const Color over_green = BlendOver(WithAlpha(0x123456, 50), kGreenColor);
  EXPECT_EQ(form.Document.PicIcon.GetPixel(2, 0), over_green);
  form.OptTool_Click(kToolPencil);
  EXPECT_EQ(At0(2), over_green);
  EXPECT_EQ(At0(0), kSoftRed);  // under a transparent pixel of the picture
  EXPECT_EQ(Pixels(1, 0, 1, 1), (Strings{"w"}));

  // The special paste makes every pixel opaque, painted over white.
  Run("MnuEdit", kSpecial);
  EXPECT_EQ(Floating(), (Strings{"ww?"}));
  EXPECT_EQ(form.Document.PicSelImage.GetPixel(2, 0), BlendOver(WithAlpha(0x123456, 50), kWhite));
  EXPECT_EQ(form.Document.PicSelMask.GetPixel(2, 0), kBlack);
}

}  // namespace
}  // namespace brindlex::testing
