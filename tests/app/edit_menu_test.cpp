// The Edit menu's clipboard and selection commands: cut, copy, paste, special paste, delete,
// deselect and select all, with their enabling and the paste options.
#include <gtest/gtest.h>

#include "editor_test_support.h"

namespace brindlex {
namespace {

using testing::ExpectedCanvas;
using testing::ExpectedPreview;
using testing::kGreenColor;
using testing::kRedColor;
using testing::SamePixels;
using testing::Strings;

constexpr int kUndo = 0, kCut = 3, kCopy = 4, kPaste = 5, kSpecial = 6, kDelete = 7;
constexpr int kDeselect = 9, kSelectAll = 10;
constexpr Color kNearWhite = 0xFEFEFE;

// A picture whose every pixel tells where it came from: column x, row y.
Surface Numbered(int width, int height) {
  Surface s(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) s.SetPixel(x, y, 0x010000u | (y << 8) | x);
  return s;
}

class EditMenu : public testing::EditorTest {
 protected:
  EditMenu() { form.SetClipboard(&clipboard); }

  bool Enabled(int index) {
    form.MnuEdit_Click();
    return FindMenuEntry(form.Menus, "MnuEditAction", index)->enabled;
  }
  // Runs an entry the way a click or its shortcut does: enabling first.
  void Run(int index) {
    form.MenuOpening("MnuEdit");
    form.MenuClick("MnuEditAction", index);
  }
  // The canvas a floating selection at the origin must show, framed.
  Surface CanvasWithPasteAtOrigin() {
    auto [mask, image] = PlanesWithFloating(0, 0);
    const Surface& sel = form.Document.PicSelMask;
    return WithFrame(ExpectedCanvas(mask, image, Zoom()), 0, 0, Zoom() * sel.Width(),
                     Zoom() * sel.Height());
  }

  MemoryClipboard clipboard;
};

TEST_F(EditMenu, EnablingFollowsTheSelectionAndTheClipboard) {
  for (int i : {kCut, kCopy, kPaste, kSpecial, kDelete, kDeselect}) EXPECT_FALSE(Enabled(i)) << i;
  EXPECT_TRUE(Enabled(kSelectAll));
  clipboard.PutImage(Surface(1, 1, kBlack));
  EXPECT_TRUE(Enabled(kPaste));
  EXPECT_TRUE(Enabled(kSpecial));
  Mark(1, 1, 2, 2);
  for (int i : {kCut, kCopy, kDelete, kDeselect}) EXPECT_TRUE(Enabled(i)) << i;
  // During a held stroke only copying stays available.
  Press(kLeftButton, At(1), At(1));
  for (int i : {kCut, kPaste, kSpecial, kDelete, kDeselect, kSelectAll})
    EXPECT_FALSE(Enabled(i)) << i;
  EXPECT_TRUE(Enabled(kCopy));
  Release(kLeftButton, At(1), At(1));
  Run(kDeselect);
  for (int i : {kCut, kCopy, kDelete, kDeselect}) EXPECT_FALSE(Enabled(i)) << i;
}

TEST_F(EditMenu, APictureThatFitsFloatsUnscaledAtTheOriginWithWhiteTransparent) {
  SetPixels(0, 0, {"kkkk", "kkkk"});
  clipboard.PutImage(testing::Picture(
      {".on", "g#."},
      {{'.', kWhite}, {'o', kRedColor}, {'n', kNearWhite}, {'g', kGreenColor}, {'#', kBlack}}));
  ASSERT_EQ(form.CurrentTool, kToolPencil);
  const std::size_t steps = Steps();
  form.Document.IconChanged = false;
  Run(kPaste);
  EXPECT_EQ(ui.paste_dialogs, 0);
  EXPECT_EQ(form.CurrentTool, kToolSelect);
  EXPECT_TRUE(form.Selection.SelectionFloating);
  EXPECT_FALSE(form.Selection.SelectionMarked);
  EXPECT_EQ(form.Selection.SelRight, 36);
  EXPECT_EQ(form.Selection.SelBottom, 24);
  EXPECT_EQ(Floating(), (Strings{".o?", "gk."}));
  EXPECT_EQ(form.Document.PicSelMask.GetPixel(2, 0), kBlack);  // near white is opaque
  EXPECT_EQ(form.Document.PicSelImage.GetPixel(2, 0), kNearWhite);
  EXPECT_TRUE(SamePixels(CanvasWithPasteAtOrigin(), form.Document.PicMain));
  auto [mask, image] = PlanesWithFloating(0, 0);
  EXPECT_TRUE(SamePixels(ExpectedPreview(mask, image), form.Document.PicIcon));
  // The planes and the history wait for the drop.
  EXPECT_EQ(Pixels(0, 0, 4, 2), (Strings{"kkkk", "kkkk"}));
  EXPECT_EQ(Steps(), steps);
  EXPECT_TRUE(form.Document.IconChanged);
  Run(kDeselect);
  EXPECT_EQ(Pixels(0, 0, 4, 2), (Strings{"ko?k", "gkkk"}));
  EXPECT_EQ(Steps(), steps + 1);
  ExpectViewsShowPlanes();
}

TEST_F(EditMenu, SpecialPasteMakesEveryPixelOpaqueWhiteIncluded) {
  clipboard.PutImage(testing::Picture({".o", "#."}));
  Run(kSpecial);
  EXPECT_EQ(Floating(), (Strings{"wo", "kw"}));
  Run(kDeselect);
  EXPECT_EQ(Pixels(0, 0, 3, 2), (Strings{"wo.", "kw."}));
}

TEST_F(EditMenu, APictureAsLargeAsTheIconOrOnePixelNeedsNoQuestion) {
  clipboard.PutImage(Numbered(32, 32));
  Run(kPaste);
  EXPECT_EQ(ui.paste_dialogs, 0);
  EXPECT_EQ(form.Document.PicSelImage.GetPixel(31, 30), 0x011E1Fu);
  EXPECT_EQ(form.Selection.SelRight, 384);
  clipboard.PutImage(Surface(1, 1, kRedColor));
  Run(kPaste);  // drops the first paste (one step) and floats the new pixel
  EXPECT_EQ(Floating(), (Strings{"o"}));
  EXPECT_EQ(form.Document.PicImage.GetPixel(31, 30), 0x011E1Fu);
  EXPECT_EQ(form.Selection.SelRight, 12);
}

TEST_F(EditMenu, ALargerPictureAsksAndCancelLeavesEverythingAsItWas) {
  SetPixels(1, 1, {"og", "ki"});
  Mark(1, 1, 2, 2);
  const Surface canvas = form.Document.PicMain;
  const std::size_t steps = Steps();
  clipboard.PutImage(Surface(40, 20, kRedColor));  // only its width is too large
  Run(kPaste);
  EXPECT_EQ(ui.paste_dialogs, 1);
  EXPECT_EQ(ui.paste_dialog_option_on_open, 0);  // "Shrink To Fit" is selected at first
  EXPECT_TRUE(form.Selection.SelectionMarked);
  EXPECT_EQ(form.Selection.SelRight, 36);
  EXPECT_EQ(Floating(), (Strings{"og", "ki"}));
  EXPECT_TRUE(SamePixels(canvas, form.Document.PicMain));
  EXPECT_EQ(Steps(), steps);
  // Without a selection the tool stays as it was too.
  form.OptTool_Click(kToolLine);
  Run(kSpecial);
  EXPECT_EQ(form.CurrentTool, kToolLine);
  EXPECT_FALSE(form.Selection.Exists());
  EXPECT_EQ(Pixels(1, 1, 2, 2), (Strings{"og", "ki"}));
}

TEST_F(EditMenu, ShrinkToFitFillsTheIconDroppingAndRepeatingRowsAndColumns) {
  clipboard.PutImage(Numbered(64, 8));
  ui.paste_options = {0};
  Run(kPaste);
  ASSERT_EQ(form.Document.PicSelImage.Width(), 32);
  ASSERT_EQ(form.Document.PicSelImage.Height(), 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      ASSERT_EQ(form.Document.PicSelImage.GetPixel(x, y), 0x010000u | ((y / 4) << 8) | (2 * x))
          << x << ", " << y;
  EXPECT_TRUE(SamePixels(CanvasWithPasteAtOrigin(), form.Document.PicMain));
}

TEST_F(EditMenu, ShrinkKeepingTheAspectScalesBothSidesAlike) {
  clipboard.PutImage(Numbered(64, 8));
  ui.paste_options = {1, 1};
  Run(kPaste);
  ASSERT_EQ(form.Document.PicSelImage.Width(), 32);
  ASSERT_EQ(form.Document.PicSelImage.Height(), 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 32; ++x)
      ASSERT_EQ(form.Document.PicSelImage.GetPixel(x, y), 0x010000u | ((2 * y) << 8) | (2 * x));
  // A picture with white: pure white stays transparent after scaling.
  Surface picture(40, 20, kWhite);
  picture.Box(0, 0, 39, 9, true, kBlack);
  clipboard.PutImage(picture);
  Run(kPaste);
  EXPECT_EQ(form.Document.PicSelMask.Width(), 32);
  EXPECT_EQ(form.Document.PicSelMask.Height(), 16);
  EXPECT_EQ(Floating()[0], std::string(32, 'k'));
  EXPECT_EQ(Floating()[15], std::string(32, '.'));
}

TEST_F(EditMenu, CopyComposesTheSelectionOverWhiteAndPastingItBackMakesItOpaque) {
  SetPixels(0, 0, {".io"});
  Mark(0, 0, 2, 0);
  const std::size_t steps = Steps();
  Run(kCopy);
  ASSERT_TRUE(clipboard.HasImage());
  const Surface copied = clipboard.GetImage();
  ASSERT_EQ(copied.Width(), 3);
  ASSERT_EQ(copied.Height(), 1);
  EXPECT_EQ(copied.GetPixel(0, 0), kWhite);
  EXPECT_EQ(copied.GetPixel(1, 0), kWhite ^ kRedColor);  // the complement of red
  EXPECT_EQ(copied.GetPixel(2, 0), kRedColor);
  EXPECT_TRUE(form.Selection.SelectionMarked);
  EXPECT_EQ(Steps(), steps);
  EXPECT_EQ(Pixels(0, 0, 3, 1), (Strings{".io"}));
  Run(kPaste);
  EXPECT_EQ(form.Document.PicSelMask.GetPixel(0, 0), kWhite);
  EXPECT_EQ(form.Document.PicSelMask.GetPixel(1, 0), kBlack);
  EXPECT_EQ(form.Document.PicSelImage.GetPixel(1, 0), kWhite ^ kRedColor);
  // The marked selection was dropped without a step; the paste has none yet either.
  EXPECT_EQ(Steps(), steps);
}

TEST_F(EditMenu, SelectAllThenCutEmptiesTheIconAsOneStep) {
  SetPixels(3, 4, {"og", "ik"});
  Run(kSelectAll);
  EXPECT_EQ(form.CurrentTool, kToolSelect);
  EXPECT_TRUE(form.Selection.SelectionMarked);
  EXPECT_EQ(form.Selection.SelRight, 384);
  EXPECT_TRUE(SamePixels(WithFrame(PlainCanvas(), 0, 0, 384, 384), form.Document.PicMain));
  const std::size_t steps = Steps();
  Run(kCut);
  EXPECT_EQ(All(), Blank());
  EXPECT_FALSE(form.Selection.Exists());
  EXPECT_EQ(Steps(), steps + 1);
  ExpectViewsShowPlanes();
  const Surface copied = clipboard.GetImage();
  ASSERT_EQ(copied.Width(), 32);
  EXPECT_EQ(copied.GetPixel(3, 4), kRedColor);
  EXPECT_EQ(copied.GetPixel(4, 4), kGreenColor);
  EXPECT_EQ(copied.GetPixel(3, 5), kWhite ^ kRedColor);
  EXPECT_EQ(copied.GetPixel(4, 5), kBlack);
  EXPECT_EQ(copied.GetPixel(0, 0), kWhite);
  Run(kUndo);
  EXPECT_EQ(Pixels(3, 4, 2, 2), (Strings{"og", "ik"}));
}

TEST_F(EditMenu, DeleteClearsAMarkedBlockOrDiscardsAFloatingOneAsOneStep) {
  SetPixels(0, 0, {"kkkk", "kkkk", "kkkk"});
  Mark(1, 1, 3, 2);  // 3 x 2 pixels
  const std::size_t steps = Steps();
  Run(kDelete);
  EXPECT_EQ(Pixels(0, 0, 4, 3), (Strings{"kkkk", "k...", "k..."}));
  EXPECT_EQ(Steps(), steps + 1);
  EXPECT_FALSE(form.Selection.Exists());
  ExpectViewsShowPlanes();
  // A fresh paste deleted: a step that changes nothing.
  clipboard.PutImage(Surface(2, 2, kGreenColor));
  Run(kPaste);
  Run(kDelete);
  EXPECT_EQ(Pixels(0, 0, 4, 3), (Strings{"kkkk", "k...", "k..."}));
  EXPECT_EQ(Steps(), steps + 2);
  ExpectViewsShowPlanes();
  Run(kUndo);  // the empty step goes; the deleted block stays deleted
  EXPECT_EQ(Pixels(0, 0, 4, 3), (Strings{"kkkk", "k...", "k..."}));
}

TEST_F(EditMenu, StaleCommandsDoNothing) {
  clipboard.PutImage(Surface(40, 40, kRedColor));
  form.MenuOpening("MnuEdit");  // enabled while the picture is there
  clipboard.Clear();            // another program takes the clipboard with text
  form.MenuClick("MnuEditAction", kPaste);
  form.MnuEditAction_Click(kSpecial);
  EXPECT_EQ(ui.paste_dialogs, 0);
  EXPECT_FALSE(form.Selection.Exists());
  EXPECT_EQ(form.CurrentTool, kToolPencil);
  // A picture of no size is no picture.
  clipboard.PutImage(Surface(0, 7));
  EXPECT_FALSE(Enabled(kPaste));
  form.MnuEditAction_Click(kPaste);
  EXPECT_FALSE(form.Selection.Exists());
  // Cut, delete and deselect without a selection leave the history and the canvas alone.
  const Surface canvas = form.Document.PicMain;
  const std::size_t steps = Steps();
  for (int i : {kCut, kDelete, kDeselect, kCopy}) form.MnuEditAction_Click(i);
  EXPECT_EQ(Steps(), steps);
  EXPECT_FALSE(form.History.CanRedo());
  EXPECT_TRUE(SamePixels(canvas, form.Document.PicMain));
  EXPECT_FALSE(clipboard.HasImage());
}

TEST_F(EditMenu, PastingOverAFloatingSelectionDropsItAsAStepFirst) {
  clipboard.PutImage(Surface(2, 1, kRedColor));
  Run(kPaste);
  const std::size_t steps = Steps();
  clipboard.PutImage(Surface(1, 1, kGreenColor));
  Run(kPaste);
  EXPECT_EQ(Steps(), steps + 1);
  EXPECT_EQ(Pixels(0, 0, 2, 1), (Strings{"oo"}));
  EXPECT_EQ(Floating(), (Strings{"g"}));
  EXPECT_TRUE(SamePixels(CanvasWithPasteAtOrigin(), form.Document.PicMain));
}

}  // namespace
}  // namespace brindlex
