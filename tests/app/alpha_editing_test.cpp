// Editing an icon whose pixels are partly transparent ('r', 'h'): what moves a pixel moves
// its alpha, what writes a pixel makes it opaque, transparent or inverting.
#include "app/editor_test_support.h"
#include "edit/image_transforms.h"

namespace brindlex::testing {
namespace {

constexpr int kUndo = 0, kRedo = 1, kCopy = 4, kPaste = 5, kSpecial = 6;

class AlphaEditing : public EditorTest {
 protected:
  AlphaEditing() { form.SetClipboard(&clipboard); }
  void Edit(int index) { form.MenuClick("MnuEditAction", index); }
  void Click(int tool, int x) {
    form.OptTool_Click(tool);
    Press(kLeftButton, At(x), At(0));
    Release(kLeftButton, At(x), At(0));
  }
  MemoryClipboard clipboard;
};

TEST_F(AlphaEditing, TransformsColourOperationsAndUndoKeepAlphaAndDrawingReplacesIt) {
  SetPixels(0, 0, {"rh"});
  const int last = form.Document.IconLastIndex;
  form.MenuClick("MnuImageAction", kFlipHorizontal);
  EXPECT_EQ(Pixels(last - 1, 0, 2, 1), (Strings{"hr"}));
  ExpectViewsShowPlanes();
  Edit(kUndo);
  EXPECT_EQ(Pixels(0, 0, 2, 1), (Strings{"rh"}));
  Edit(kRedo);
  EXPECT_EQ(Pixels(last - 1, 0, 2, 1), (Strings{"hr"}));
  Edit(kUndo);
  form.MnuColorAction_Click(0);  // invert: the colour changes, the alpha stays
  EXPECT_EQ(form.Document.PicImage.GetPixel(0, 0), WithAlpha(0xFFFF00, 100));
  Click(kToolPencil, 0);
  Click(kToolErase, 1);
  EXPECT_EQ(Pixels(0, 0, 2, 1), (Strings{"k."}));
  ExpectViewsShowPlanes();
}

TEST_F(AlphaEditing, AMovedSelectionCarriesItsAlphaAndLeavesTheAlphaItPassesOver) {
  SetPixels(0, 0, {"r....h"});
  Mark(0, 0, 1, 0);
  Press(kLeftButton, At(0), At(0));
  Move(kLeftButton, At(4), At(0));  // its transparent pixel now lies over the 'h'
  auto [mask, image] = PlanesWithFloating(4, 0);
  image.Row(0)[4] = form.Document.PicSelImage.GetPixel(0, 0);
  image.Row(0)[5] = form.Document.PicImage.GetPixel(5, 0);
  EXPECT_TRUE(SamePixels(ExpectedCanvas(mask, image, Zoom()), form.Document.PicMain));
  EXPECT_TRUE(SamePixels(ExpectedPreview(mask, image), form.Document.PicIcon));
  Release(kLeftButton, At(4), At(0));
  form.OptTool_Click(kToolPencil);  // drops the selection: one step
  EXPECT_EQ(Pixels(0, 0, 6, 1), (Strings{"....rh"}));
  ExpectViewsShowPlanes();
  Edit(kUndo);
  EXPECT_EQ(Pixels(0, 0, 6, 1), (Strings{"r....h"}));
}

TEST_F(AlphaEditing, CopyCarriesAlphaAndPasteKeepsIt) {
  SetPixels(0, 0, {"r.g"});
  Mark(0, 0, 2, 0);
  Edit(kCopy);
  const Color soft_red = form.Document.PicImage.GetPixel(0, 0);
  EXPECT_TRUE(clipboard.GetImage().SamePixels(
      Picture({"r.g"}, {{'r', soft_red}, {'.', WithAlpha(kWhite, 0)}, {'g', kGreenColor}})));
  // A picture from outside with alpha: alpha 0 transparent, 255 opaque even when white; laid
  // over the opaque green beneath when dropped.
  const Color soft = WithAlpha(0x123456, 50);
  Surface outside(3, 1);
  outside.Row(0)[0] = WithAlpha(kWhite, 0);
  outside.Row(0)[1] = kWhite;
  outside.Row(0)[2] = soft;
  clipboard.PutImage(outside);
  Edit(kPaste);
  EXPECT_EQ(form.Document.PicSelImage.GetPixel(2, 0), soft);
  EXPECT_EQ(form.Document.PicIcon.GetPixel(2, 0), BlendOver(soft, kGreenColor));
  form.OptTool_Click(kToolPencil);
  EXPECT_EQ(Pixels(0, 0, 2, 1), (Strings{"rw"}));
  EXPECT_EQ(form.Document.PicImage.GetPixel(2, 0), BlendOver(soft, kGreenColor));
  // The special paste makes every pixel opaque, painted over white.
  Edit(kSpecial);
  EXPECT_EQ(Floating(), (Strings{"ww?"}));
  EXPECT_EQ(form.Document.PicSelImage.GetPixel(2, 0), BlendOver(soft, kWhite));
}

}  // namespace
}  // namespace brindlex::testing
