// The Colour menu: invert, grey scale, colour adjustment and the transparency gradient.
#include <gtest/gtest.h>

#include "app/frm_brindlex.h"
#include "app/icon_states.h"
#include "document/expected_views.h"
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

constexpr int kInvert = 0, kGrey = 1, kAdjust = 2, kGradient = 3;

class ColorMenu : public ::testing::Test {
 protected:
  ColorMenu() : form(ui, screen, StartupPaths{}) { form.Form_Load(); }

  std::size_t Steps() const { return form.History.UndoList.size(); }
  void Menu(int index) {
    form.MenuOpening("MnuColor");
    form.MenuClick("MnuColorAction", index);
  }
  Color ImageAt(int x, int y) const { return form.Document.PicImage.GetPixel(x, y); }
  Color MaskAt(int x, int y) const { return form.Document.PicMask.GetPixel(x, y); }

  testing::ScriptedUi ui;
  testing::FixedScreen screen;
  FrmBrindlex form;
};

TEST_F(ColorMenu, InvertChangesOpaquePixelsOfTheWholeIcon) {
  SetPixels(form, 0, 0, {"kw.io"});
  const std::size_t steps = Steps();
  Menu(kInvert);
  EXPECT_EQ(Pixels(form, 0, 0, 5, 1), Strings{"wk.i?"});
  EXPECT_EQ(ImageAt(4, 0), 0xFFFF00u);
  EXPECT_EQ(Steps(), steps + 1);
  Menu(kInvert);
  EXPECT_EQ(Pixels(form, 0, 0, 5, 1), Strings{"kw.io"});
  EXPECT_EQ(Steps(), steps + 2);
  EXPECT_TRUE(
      testing::SamePixels(testing::ExpectedPreview(form.Document.PicMask, form.Document.PicImage),
                          form.Document.PicIcon));
}

TEST_F(ColorMenu, GreyRoundsTheWholeIconToEvenAndSelectionsDown) {
  SetPixels(form, 0, 0, {"ogb.i"});
  Menu(kGrey);
  EXPECT_EQ(ImageAt(0, 0), 0x393939u);  // 57
  EXPECT_EQ(ImageAt(1, 0), 0xB4B4B4u);  // 180
  EXPECT_EQ(ImageAt(2, 0), 0x121212u);  // 18
  EXPECT_EQ(Pixels(form, 3, 0, 2, 1), Strings{".i"});
  SetPixels(form, 0, 1, {"o"});
  MarkSelection(form, 0, 1, 1, 1);
  Menu(kGrey);
  EXPECT_EQ(ImageAt(0, 1), 0x383838u);  // 56
  SetPixels(form, 0, 2, {"o"});
  FloatSelection(form, 0, 2, 1, 1);
  Menu(kGrey);
  EXPECT_EQ(form.Document.PicSelImage.GetPixel(0, 0), 0x383838u);
  EXPECT_EQ(Pixels(form, 0, 2, 1, 1), Strings{"."});
}

TEST_F(ColorMenu, FloatingSelectionsChangeOnlyTheirOwnPlanes) {
  SetPixels(form, 2, 2, {"kw", "i."});
  const std::size_t steps = Steps();
  FloatSelection(form, 2, 2, 2, 2);
  Menu(kInvert);
  EXPECT_EQ(Floating(form), (Strings{"wk", "i."}));
  EXPECT_EQ(Pixels(form, 2, 2, 2, 2), (Strings{"..", ".."}));
  EXPECT_EQ(Steps(), steps);
  EXPECT_EQ(form.Document.PicIcon.GetPixel(2, 2), kWhite);
  form.OptTool_Click(1);
  EXPECT_EQ(Pixels(form, 2, 2, 2, 2), (Strings{"wk", "i."}));
  EXPECT_EQ(Steps(), steps + 1);
}

TEST_F(ColorMenu, MarkedSelectionsAreRecordedAtOnce) {
  for (int index : {kInvert, kGrey}) {
    SetPixels(form, 2, 2, {"ko", "i."});
    SetPixels(form, 0, 0, {"o"});
    MarkSelection(form, 2, 2, 2, 2);
    const std::size_t steps = Steps();
    Menu(index);
    const Strings changed = Pixels(form, 2, 2, 2, 2);
    EXPECT_EQ(changed[0][0], index == kInvert ? 'w' : 'k');
    EXPECT_EQ(changed[1], "i.");
    EXPECT_EQ(Pixels(form, 0, 0, 1, 1), Strings{"o"});  // outside the selection
    EXPECT_TRUE(form.Selection.SelectionMarked);
    EXPECT_EQ(Steps(), steps + 1);
    form.MnuEditAction_Click(0);
    EXPECT_EQ(Pixels(form, 2, 2, 2, 2), (Strings{"ko", "i."}));
    form.MnuEditAction_Click(1);
    EXPECT_EQ(Pixels(form, 2, 2, 2, 2), changed);
  }
}

TEST_F(ColorMenu, AdjustingWritesTheAdjustedOpaqueColours) {
  SetPixels(form, 0, 0, {".i"});
  form.Document.PicMask.SetPixel(2, 0, kBlack);
  form.Document.PicImage.SetPixel(2, 0, 0xC89664);
  SetPixels(form, 3, 0, {"w"});
  const std::size_t steps = Steps();
  const Surface preview = form.Document.PicIcon;
  Surface shade_at_open;
  ui.color_adjust_script = [&](FrmColAdj& dialog) {
    shade_at_open = dialog.PicShade;
    dialog.VsbBrightness_Change(5);
    dialog.VsbBrightness_Change(10);
    dialog.VsbRed_Change(-5);
    dialog.CmdOk_Click();
  };
  Menu(kAdjust);
  EXPECT_TRUE(testing::SamePixels(preview, shade_at_open));
  EXPECT_EQ(ImageAt(2, 0), 0xD2A069u);  // (105, 160, 210)
  EXPECT_EQ(ImageAt(3, 0), kWhite);     // 255 stays 255
  EXPECT_EQ(Pixels(form, 0, 0, 2, 1), Strings{".i"});
  EXPECT_EQ(Steps(), steps + 1);
}

TEST_F(ColorMenu, AdjustingDropsTheSelectionFirstAndACancelChangesNothing) {
  SetPixels(form, 0, 0, {"ob"});
  form.Document.IconChanged = false;
  const std::size_t steps = Steps();
  const Surface image = form.Document.PicImage;
  ui.color_adjust_script = [](FrmColAdj& dialog) {
    dialog.VsbBlue_Change(5);
    dialog.CmdCancel_Click();
  };
  Menu(kAdjust);
  EXPECT_TRUE(form.Document.PicImage.SamePixels(image));
  EXPECT_EQ(Steps(), steps);
  EXPECT_FALSE(form.Document.IconChanged);
  // The close box, and no window at all, cancel too.
  ui.color_adjust_script = [](FrmColAdj& dialog) { dialog.Form_Unload(); };
  Menu(kAdjust);
  ui.color_adjust_script = nullptr;
  Menu(kAdjust);
  EXPECT_TRUE(form.Document.PicImage.SamePixels(image));
  EXPECT_EQ(Steps(), steps);
  // A marked selection is dropped before the dialog opens, even when it is cancelled.
  MarkSelection(form, 0, 0, 2, 1);
  bool had_selection = true;
  ui.color_adjust_script = [&](FrmColAdj& dialog) {
    had_selection = form.Selection.Exists();
    dialog.CmdCancel_Click();
  };
  Menu(kAdjust);
  EXPECT_FALSE(had_selection);
  EXPECT_FALSE(form.Selection.Exists());
  EXPECT_EQ(Steps(), steps);
  // Ok at once writes the opaque pixels back unchanged, as one step.
  ui.color_adjust_script = [](FrmColAdj& dialog) { dialog.CmdOk_Click(); };
  Menu(kAdjust);
  EXPECT_TRUE(form.Document.PicImage.SamePixels(image));
  EXPECT_EQ(Steps(), steps + 1);
}

// The gradient dialog accepted as it loads (black to white, left to right), or with the
// spherical preview.
void AcceptGradient(FrmGrad& dialog, int type) {
  dialog.OptGradType_Click(type);
  dialog.CmdOk_Click();
}

TEST_F(ColorMenu, TheGradientFillsTransparentAndInvertingPixelsAndMakesAllOpaque) {
  for (int size_index : {0, 1, 2}) {
    form.Document.IconChanged = false;  // no save prompt
    form.MnuIconSize_Click(size_index);
    ASSERT_EQ(form.Document.Edge(), kIconSizes[size_index].edge);
    const int edge = form.Document.Edge();
    SetPixels(form, 1, 1, {"oi"});
    const std::size_t steps = Steps();
    Surface linear;
    ui.gradient_script = [&](FrmGrad& dialog) {
      EXPECT_EQ(dialog.GradSize, edge);
      linear = dialog.PicLinear;
      AcceptGradient(dialog, 0);
    };
    Menu(kGradient);
    EXPECT_TRUE(form.Document.PicMask.SamePixels(Surface(edge, edge, kBlack)));
    Surface expected = linear;
    expected.SetPixel(1, 1, 0x0000FF);
    EXPECT_TRUE(testing::SamePixels(expected, form.Document.PicImage));
    EXPECT_EQ(Steps(), steps + 1);
    EXPECT_TRUE(form.Document.IconChanged);
  }
  // The spherical preview, with colours chosen in the dialog.
  form.Document.IconChanged = false;
  form.MnuIconSize_Click(0);
  ASSERT_EQ(form.Document.Edge(), 16);
  ui.color_answers = {std::optional<Color>(0x00A0FF)};
  Surface sphere;
  ui.gradient_script = [&](FrmGrad& dialog) {
    dialog.PicStartColor_Click();
    dialog.PicSpherical_MouseDown(1, 0, 3, 4);
    sphere = dialog.PicSpherical;
    AcceptGradient(dialog, 1);
  };
  Menu(kGradient);
  EXPECT_TRUE(testing::SamePixels(sphere, form.Document.PicImage));
  EXPECT_EQ(form.Document.PicImage.GetPixel(3, 4) & 0xFF, 0xFFu);
}

TEST_F(ColorMenu, AnOpaqueIconKeepsItsColoursYetRecordsAStep) {
  form.MnuIconSize_Click(0);
  for (int y = 0; y < 16; ++y) SetPixels(form, 0, y, {"obgkwobgkwobgkwo"});
  const Surface image = form.Document.PicImage;
  form.Document.IconChanged = false;
  const std::size_t steps = Steps();
  ui.gradient_script = [](FrmGrad& dialog) { AcceptGradient(dialog, 0); };
  Menu(kGradient);
  EXPECT_TRUE(form.Document.PicImage.SamePixels(image));
  EXPECT_EQ(Steps(), steps + 1);
  EXPECT_TRUE(form.Document.IconChanged);
}

TEST_F(ColorMenu, ACancelledGradientLeavesIconSelectionAndHistory) {
  SetPixels(form, 0, 0, {"o.i"});
  MarkSelection(form, 0, 0, 3, 1);
  form.Document.IconChanged = false;
  const Surface mask = form.Document.PicMask, image = form.Document.PicImage;
  const std::size_t steps = Steps();
  for (auto script : std::vector<std::function<void(FrmGrad&)>>{
           nullptr, [](FrmGrad& d) { d.CmdCancel_Click(); }, [](FrmGrad& d) { d.Form_Unload(); },
           // Closed while the sphere is drawn: the drawing stops and Ok is refused.
           [](FrmGrad& d) {
             d.PreviewStep = [&d] { d.Form_Unload(); };
             d.PicSpherical_MouseDown(1, 0, 5, 5);
             d.CmdOk_Click();
           }}) {
    ui.gradient_script = script;
    Menu(kGradient);
    EXPECT_TRUE(form.Document.PicMask.SamePixels(mask));
    EXPECT_TRUE(form.Document.PicImage.SamePixels(image));
    EXPECT_EQ(Steps(), steps);
    EXPECT_TRUE(form.Selection.SelectionMarked);
    EXPECT_FALSE(form.Document.IconChanged);
  }
  // Accepted, the selection is dropped first and the gradient covers the rest.
  ui.gradient_script = [](FrmGrad& d) { AcceptGradient(d, 0); };
  Menu(kGradient);
  EXPECT_FALSE(form.Selection.Exists());
  EXPECT_EQ(Pixels(form, 0, 0, 1, 1), Strings{"o"});
  EXPECT_EQ(MaskAt(1, 0), kBlack);
  EXPECT_EQ(Steps(), steps + 1);
}

}  // namespace
}  // namespace brindlex
