// The Image menu on the whole icon, a floating selection and a marked selection.
#include <gtest/gtest.h>

#include "app/frm_brindlex.h"
#include "app/icon_states.h"
#include "document/expected_views.h"
#include "edit/image_transforms.h"
#include "picture.h"
#include "scripted_ui.h"

namespace brindlex {
namespace {

using testing::Floating;
using testing::FloatSelection;
using testing::MarkSelection;
using testing::Pixels;
using testing::SetPixels;
using testing::Strings;

class ImageMenu : public ::testing::Test {
 protected:
  ImageMenu() : form(ui, screen, StartupPaths{}) { form.Form_Load(); }

  std::size_t Steps() const { return form.History.UndoList.size(); }
  bool Enabled(int index) { return FindMenuEntry(form.Menus, "MnuImageAction", index)->enabled; }
  void Menu(int index) {
    form.MenuOpening("MnuImage");
    form.MenuClick("MnuImageAction", index);
  }
  void Undo() { form.MnuEditAction_Click(0); }
  void Redo() { form.MnuEditAction_Click(1); }

  testing::ScriptedUi ui;
  testing::FixedScreen screen;
  FrmBrindlex form;
};

TEST_F(ImageMenu, WholeIconFlipsAndQuarterTurnsRecordOneStepEach) {
  for (int size_index : {0, 1, 2}) {
    form.Document.IconChanged = false;  // no save prompt
    form.MnuIconSize_Click(size_index);
    ASSERT_EQ(form.Document.Edge(), kIconSizes[size_index].edge);
    const int last = form.Document.IconLastIndex;
    SetPixels(form, 0, 0, {"ko"});
    SetPixels(form, last, 0, {"i"});
    SetPixels(form, 0, last, {"g"});
    const std::size_t steps = Steps();
    const Surface mask = form.Document.PicMask, image = form.Document.PicImage;
    Menu(kFlipHorizontal);
    EXPECT_EQ(Pixels(form, last - 1, 0, 2, 1), (Strings{"ok"}));
    EXPECT_EQ(Pixels(form, 0, 0, 1, 1), (Strings{"i"}));
    EXPECT_EQ(Pixels(form, last, last, 1, 1), (Strings{"g"}));
    Menu(kFlipHorizontal);
    EXPECT_TRUE(form.Document.PicMask.SamePixels(mask));
    EXPECT_TRUE(form.Document.PicImage.SamePixels(image));
    EXPECT_EQ(Steps(), steps + 2);
    Menu(kFlipVertical);
    EXPECT_EQ(Pixels(form, 0, last, 2, 1), (Strings{"ko"}));
    EXPECT_EQ(Pixels(form, 0, 0, 1, 1), (Strings{"g"}));
    Undo();
    // Anticlockwise: the top-right pixel goes to the top-left; clockwise: the top-left
    // pixel goes to the top-right.
    Menu(kRotateLeft);
    EXPECT_EQ(Pixels(form, 0, 0, 1, 1), (Strings{"i"}));
    EXPECT_EQ(Pixels(form, 0, last - 1, 1, 2), (Strings{"o", "k"}));
    Undo();
    Menu(kRotateRight);
    EXPECT_EQ(Pixels(form, last, 0, 1, 2), (Strings{"k", "o"}));
    EXPECT_EQ(Pixels(form, 0, 0, 1, 1), (Strings{"g"}));
    for (int i = 0; i < 3; ++i) Menu(kRotateRight);
    EXPECT_TRUE(form.Document.PicMask.SamePixels(mask));
    EXPECT_TRUE(form.Document.PicImage.SamePixels(image));
    EXPECT_EQ(Steps(), steps + 6);
    EXPECT_TRUE(form.Document.IconChanged);
    EXPECT_TRUE(
        testing::SamePixels(testing::ExpectedPreview(form.Document.PicMask, form.Document.PicImage),
                            form.Document.PicIcon));
  }
}

TEST_F(ImageMenu, HalfMirrorsOfTheWholeIcon) {
  form.MnuIconSize_Click(0);
  // Left half opaque, right half transparent: "&Reflejar" makes the icon symmetric and
  // fully opaque; the transparent half is lost.
  for (int y = 0; y < 16; ++y) SetPixels(form, 0, y, {"kgkgkgko........"});
  const std::size_t steps = Steps();
  Menu(kMirrorLeftHalf);
  for (int y = 0; y < 16; ++y) ASSERT_EQ(Pixels(form, 0, y, 16, 1), Strings{"kgkgkgkookgkgkgk"});
  Undo();
  Menu(kMirrorRightHalf);
  EXPECT_EQ(Pixels(form, 0, 7, 16, 1), Strings{"................"});
  Undo();
  // Top rows i, o; bottom rows b, g.
  SetPixels(form, 0, 0, {"iiii", "oooo"});
  SetPixels(form, 0, 14, {"bbbb", "gggg"});
  Menu(kMirrorTopHalf);
  EXPECT_EQ(Pixels(form, 0, 0, 4, 2), (Strings{"iiii", "oooo"}));
  EXPECT_EQ(Pixels(form, 0, 14, 4, 2), (Strings{"oooo", "iiii"}));
  Undo();
  Menu(kMirrorBottomHalf);
  EXPECT_EQ(Pixels(form, 0, 0, 4, 2), (Strings{"gggg", "bbbb"}));
  EXPECT_EQ(Pixels(form, 0, 14, 4, 2), (Strings{"bbbb", "gggg"}));
  EXPECT_EQ(Steps(), steps + 2 + 1);  // two kept mirrors and the rows set in between
}

TEST_F(ImageMenu, MirrorsOfASelectionNeedAnEvenSide) {
  form.MenuOpening("MnuImage");
  for (int index : {0, 1, 3, 4, 6, 7, 8, 9}) EXPECT_TRUE(Enabled(index)) << index;
  MarkSelection(form, 2, 2, 5, 4);
  form.MenuOpening("MnuImage");
  EXPECT_FALSE(Enabled(kMirrorLeftHalf));
  EXPECT_FALSE(Enabled(kMirrorRightHalf));
  EXPECT_TRUE(Enabled(kMirrorTopHalf));
  EXPECT_TRUE(Enabled(kMirrorBottomHalf));
  for (int index : {0, 1, 3, 4}) EXPECT_TRUE(Enabled(index));
  // A disabled entry does nothing, by menu or by shortcut.
  const std::size_t steps = Steps();
  const Surface floating = form.Document.PicSelImage;
  form.MenuClick("MnuImageAction", kMirrorLeftHalf);
  EXPECT_TRUE(form.Document.PicSelImage.SamePixels(floating));
  EXPECT_EQ(Steps(), steps);
  DropSelection(form.Document, form.Selection, form.History);
  FloatSelection(form, 1, 1, 4, 3);
  form.MenuOpening("MnuImage");
  EXPECT_TRUE(Enabled(kMirrorLeftHalf));
  EXPECT_TRUE(Enabled(kMirrorRightHalf));
  EXPECT_FALSE(Enabled(kMirrorTopHalf));
  EXPECT_FALSE(Enabled(kMirrorBottomHalf));
  // A turned selection swaps which pair is offered.
  Menu(kRotateLeft);
  form.MenuOpening("MnuImage");
  EXPECT_FALSE(Enabled(kMirrorLeftHalf));
  EXPECT_TRUE(Enabled(kMirrorTopHalf));
}

TEST_F(ImageMenu, RotatingAMarkedSelectionLiftsIt) {
  SetPixels(form, 4, 10, {"kogbiw", "wkogbi"});
  SetPixels(form, 3, 9, {"g"});
  const std::size_t steps = Steps();
  MarkSelection(form, 4, 10, 6, 2);
  Menu(kRotateLeft);
  EXPECT_TRUE(form.Selection.SelectionFloating);
  EXPECT_FALSE(form.Selection.SelectionMarked);
  const int z = form.Document.ZoomFactor;
  EXPECT_EQ(form.Selection.SelLeft, 4 * z);
  EXPECT_EQ(form.Selection.SelTop, 10 * z);
  EXPECT_EQ(form.Selection.SelRight, 6 * z);
  EXPECT_EQ(form.Selection.SelBottom, 16 * z);
  EXPECT_EQ(Floating(form), (Strings{"wi", "ib", "bg", "go", "ok", "kw"}));
  // The area it came from is transparent; nothing is recorded until the drop.
  EXPECT_EQ(Pixels(form, 4, 10, 6, 2), (Strings{"......", "......"}));
  EXPECT_EQ(Steps(), steps);
  Menu(kRotateRight);
  EXPECT_EQ(Floating(form), (Strings{"kogbiw", "wkogbi"}));
  Menu(kRotateRight);
  EXPECT_EQ(Floating(form), (Strings{"wk", "ko", "og", "gb", "bi", "iw"}));
  form.OptTool_Click(1);  // a tool change drops the selection
  EXPECT_FALSE(form.Selection.Exists());
  EXPECT_EQ(Steps(), steps + 1);
  EXPECT_EQ(Pixels(form, 3, 9, 3, 7), (Strings{"g..", ".wk", ".ko", ".og", ".gb", ".bi", ".iw"}));
  // The drop and the turns go back in one step.
  Undo();
  EXPECT_EQ(Pixels(form, 4, 10, 6, 2), (Strings{"kogbiw", "wkogbi"}));
}

TEST_F(ImageMenu, FloatingSelectionTransformsWaitForTheDrop) {
  SetPixels(form, 0, 0, {"kogb", "wkog"});
  const std::size_t steps = Steps();
  FloatSelection(form, 0, 0, 4, 2);
  const Surface mask = form.Document.PicMask, image = form.Document.PicImage;
  Menu(kFlipHorizontal);
  EXPECT_EQ(Floating(form), (Strings{"bgok", "gokw"}));
  Menu(kFlipVertical);
  EXPECT_EQ(Floating(form), (Strings{"gokw", "bgok"}));
  Menu(kMirrorLeftHalf);
  EXPECT_EQ(Floating(form), (Strings{"goog", "bggb"}));
  EXPECT_TRUE(form.Document.PicMask.SamePixels(mask));
  EXPECT_TRUE(form.Document.PicImage.SamePixels(image));
  EXPECT_EQ(Steps(), steps);
  // The canvas shows the floating pixels: the preview has them at their place.
  EXPECT_EQ(form.Document.PicIcon.GetPixel(0, 0), 0x00FF00u);
  form.OptTool_Click(1);
  EXPECT_EQ(Steps(), steps + 1);
  EXPECT_EQ(Pixels(form, 0, 0, 4, 2), (Strings{"goog", "bggb"}));
  Undo();
  EXPECT_EQ(Pixels(form, 0, 0, 4, 2), (Strings{"kogb", "wkog"}));
}

TEST_F(ImageMenu, MarkedSelectionTransformsAreRecordedAtOnce) {
  const struct {
    int index;
    Strings result;
  } cases[] = {
      {kFlipHorizontal, {"bgok", "gokw"}}, {kFlipVertical, {"wkog", "kogb"}},
      {kMirrorLeftHalf, {"kook", "wkkw"}}, {kMirrorRightHalf, {"bggb", "goog"}},
      {kMirrorTopHalf, {"kogb", "kogb"}},  {kMirrorBottomHalf, {"wkog", "wkog"}},
  };
  for (const auto& c : cases) {
    SetPixels(form, 5, 5, {"kogb", "wkog"});
    MarkSelection(form, 5, 5, 4, 2);
    const std::size_t steps = Steps();
    Menu(c.index);
    EXPECT_EQ(Pixels(form, 5, 5, 4, 2), c.result) << c.index;
    EXPECT_EQ(Floating(form), c.result) << c.index;
    EXPECT_TRUE(form.Selection.SelectionMarked);
    EXPECT_EQ(Steps(), steps + 1);
    EXPECT_FALSE(form.History.CanRedo());
    Undo();
    EXPECT_FALSE(form.Selection.Exists());
    EXPECT_EQ(Pixels(form, 5, 5, 4, 2), (Strings{"kogb", "wkog"})) << c.index;
    Redo();
    EXPECT_EQ(Pixels(form, 5, 5, 4, 2), c.result) << c.index;
  }
}

TEST_F(ImageMenu, SelectionsOffTheCanvasAndThinOnesAreClipped) {
  form.MnuIconSize_Click(0);
  SetPixels(form, 12, 0, {"kogb"});
  // A 4 x 1 selection at the right edge turned upright stays inside; moved so that it hangs
  // over the bottom edge, a turn reaches past the canvas and the drop keeps what is inside.
  MarkSelection(form, 12, 0, 4, 1);
  Menu(kRotateRight);
  EXPECT_EQ(Floating(form), (Strings{"k", "o", "g", "b"}));
  const int z = form.Document.ZoomFactor;
  form.Selection.SelLeft = 14 * z;
  form.Selection.SelTop = 14 * z;
  form.Selection.SelRight = 15 * z;
  form.Selection.SelBottom = 18 * z;
  ShowFloatingSelection(form.Document, form.Selection);
  Menu(kRotateLeft);
  EXPECT_EQ(form.Selection.SelRight, 18 * z);
  EXPECT_EQ(form.Selection.SelBottom, 15 * z);
  Menu(kFlipHorizontal);
  form.MenuOpening("MnuImage");
  EXPECT_FALSE(Enabled(kMirrorTopHalf));  // one pixel high
  form.MnuImageAction_Click(kMirrorTopHalf);
  form.OptTool_Click(1);
  EXPECT_EQ(Pixels(form, 12, 0, 4, 1), (Strings{"...."}));
  EXPECT_EQ(Pixels(form, 14, 14, 2, 1), (Strings{"bg"}));
  // Wholly off the canvas: transforms and the drop touch nothing.
  const Surface mask = form.Document.PicMask, image = form.Document.PicImage;
  FloatSelection(form, 0, 0, 2, 2);
  const Surface lifted = form.Document.PicImage;
  form.Selection.SelLeft = 30 * z;
  form.Selection.SelRight = 32 * z;
  for (int index : {0, 1, 3, 4, 6, 7, 8, 9}) form.MnuImageAction_Click(index);
  form.OptTool_Click(1);
  EXPECT_TRUE(form.Document.PicImage.SamePixels(lifted));
}

TEST_F(ImageMenu, ASelectionMarkedWithTheSelectToolIsFlippedInPlace) {
  SetPixels(form, 2, 3, {"kog", "bwi"});
  form.OptTool_Click(0);
  const double z = form.Document.ZoomFactor;
  form.PicMain_MouseDown(kLeftButton, 0, 2 * z + 1, 3 * z + 1);
  form.PicMain_MouseMove(kLeftButton, 0, 5 * z + 1, 5 * z + 1);
  form.PicMain_MouseUp(kLeftButton, 0, 5 * z + 1, 5 * z + 1);
  ASSERT_TRUE(form.Selection.SelectionMarked);
  ASSERT_EQ(form.Document.PicSelImage.Width(), 3);
  Menu(kFlipHorizontal);
  EXPECT_EQ(Pixels(form, 2, 3, 3, 2), (Strings{"gok", "iwb"}));
  EXPECT_TRUE(form.Selection.SelectionMarked);
  form.MenuOpening("MnuImage");
  EXPECT_FALSE(Enabled(kMirrorLeftHalf));
  EXPECT_TRUE(Enabled(kMirrorTopHalf));
}

TEST_F(ImageMenu, AnEmptyIconStaysEmpty) {
  for (int index : {0, 1, 3, 4, 6, 7, 8, 9}) Menu(index);
  EXPECT_EQ(form.History.UndoList.size(), 9u);
  const Surface blank_mask(32, 32, kWhite), blank_image(32, 32, kBlack);
  EXPECT_TRUE(form.Document.PicMask.SamePixels(blank_mask));
  EXPECT_TRUE(form.Document.PicImage.SamePixels(blank_image));
}

}  // namespace
}  // namespace brindlex
