// The gradient dialog: load, colour boxes, direction, centre, Ok, Cancel and closing.
#include "forms/frm_grad.h"

#include <gtest/gtest.h>

#include "scripted_ui.h"

namespace brindlex {
namespace {

using testing::ScriptedUi;

struct Dialog {
  ScriptedUi ui;
  Surface pic_load{5, 5, 0x123456};
  FrmGrad form;
  explicit Dialog(int size = 16) : form(ui, pic_load, size) { form.Form_Load(); }
};

TEST(FrmGrad, LoadDrawsBothPreviewsAndExpectsACancel) {
  for (auto [size, left, top] : {std::tuple{16, 27, 27}, {32, 19, 19}, {48, 11, 11}}) {
    Dialog d(size);
    EXPECT_EQ(d.form.PicLinearLeft, left);
    EXPECT_EQ(d.form.PicLinearTop, top);
    EXPECT_EQ(d.form.PicSphericalLeft, left + 95);
    EXPECT_EQ(d.form.PicSphericalTop, top);
    EXPECT_EQ(d.form.SphereX, static_cast<float>(size) / 2.0f);
    EXPECT_EQ(d.form.SphereY, static_cast<float>(size) / 2.0f);
    EXPECT_TRUE(d.form.DialogCancelled);
    EXPECT_EQ(d.form.LblAngle, "000");
    EXPECT_EQ(d.form.OptGradType, 0);
    EXPECT_EQ(d.form.StartColor, kBlack);
    EXPECT_EQ(d.form.EndColor, kWhite);
    EXPECT_EQ(d.form.PicStartColor.GetPixel(3, 3), kBlack);
    EXPECT_EQ(d.form.PicEndColor.GetPixel(3, 3), kWhite);
    for (Color c : d.form.CustomColors) EXPECT_EQ(c, kWhite);
    Surface linear(size, size), temp(size, size), sphere(size, size);
    const GradientColors bw = SplitGradientColors(kBlack, kWhite);
    DrawLinearGradient(0, bw, linear, temp);
    DrawSphericalGradient(sphere, bw, size / 2.0, size / 2.0);
    EXPECT_TRUE(d.form.PicLinear.SamePixels(linear));
    EXPECT_TRUE(d.form.PicSpherical.SamePixels(sphere));
    EXPECT_TRUE(d.form.PicSphericalEnabled);
    EXPECT_TRUE(d.form.CmdOkEnabled);
  }
}

TEST(FrmGrad, ColourBoxesUseTheColourDialogAndKeepItsCustomColours) {
  Dialog d;
  d.ui.custom_color_edit = [](std::array<Color, 16>& custom) { custom[3] = 0x0000FF; };
  d.ui.color_answers = {std::optional<Color>(0x00A0FF), std::nullopt,
                        std::optional<Color>(0xFF0000)};
  d.form.PicStartColor_Click();
  EXPECT_EQ(d.form.StartColor, 0x00A0FFu);
  EXPECT_EQ(d.form.PicStartColor.GetPixel(0, 0), 0x00A0FFu);
  // Both previews were redrawn in the new colours.
  EXPECT_EQ(d.form.PicSpherical.GetPixel(8, 8) & 0xFF, 0xFFu);
  EXPECT_EQ(d.form.PicLinear.GetPixel(0, 0) & 0xFF, 0xFFu);
  // A cancelled choice changes nothing, yet keeps the custom colours edited meanwhile.
  d.ui.custom_color_edit = [](std::array<Color, 16>& custom) { custom[15] = 0x00FF00; };
  const Surface linear_before = d.form.PicLinear;
  d.form.PicEndColor_Click();
  EXPECT_EQ(d.form.EndColor, kWhite);
  EXPECT_TRUE(d.form.PicLinear.SamePixels(linear_before));
  d.ui.custom_color_edit = nullptr;
  d.form.PicEndColor_Click();
  EXPECT_EQ(d.form.EndColor, 0xFF0000u);
  EXPECT_EQ(d.form.PicEndColor.GetPixel(1, 1), 0xFF0000u);
  ASSERT_EQ(d.ui.color_dialogs.size(), 3u);
  for (const auto& opened : d.ui.color_dialogs) EXPECT_EQ(opened.initial, kBlack);
  EXPECT_EQ(d.ui.color_dialogs[0].custom_colors[3], kWhite);
  EXPECT_EQ(d.ui.color_dialogs[1].custom_colors[3], 0x0000FFu);
  EXPECT_EQ(d.ui.color_dialogs[2].custom_colors[15], 0x00FF00u);
  EXPECT_EQ(d.form.CustomColors[3], 0x0000FFu);
}

TEST(FrmGrad, TheAngleLabelHasThreeDigitsAndOnlyMultiplesOf45Draw) {
  Dialog d;
  d.form.VsbAngle_Change(45);
  EXPECT_EQ(d.form.LblAngle, "045");
  const Surface diagonal = d.form.PicLinear;
  d.form.VsbAngle_Change(100);
  EXPECT_EQ(d.form.LblAngle, "100");
  EXPECT_TRUE(d.form.PicLinear.SamePixels(diagonal));
  d.form.VsbAngle_Change(360);
  EXPECT_EQ(d.form.LblAngle, "360");
  EXPECT_FALSE(d.form.PicLinear.SamePixels(diagonal));
  d.form.VsbAngle_Change(7);
  EXPECT_EQ(d.form.LblAngle, "007");
  // Ok takes the preview as it stands.
  const Surface shown = d.form.PicLinear;
  d.form.CmdOk_Click();
  EXPECT_TRUE(d.pic_load.SamePixels(shown));
  EXPECT_FALSE(d.form.DialogCancelled);
}

TEST(FrmGrad, TheSphericalCentreFollowsLeftClicksOnly) {
  Dialog d;
  const Surface centred = d.form.PicSpherical;
  d.form.PicSpherical_MouseDown(2, 0, 3, 3);
  EXPECT_TRUE(d.form.PicSpherical.SamePixels(centred));
  EXPECT_EQ(d.form.SphereX, 8.0f);
  d.form.PicSpherical_MouseDown(1, 0, 3.25, 12.5);
  EXPECT_EQ(d.form.SphereX, 3.25f);
  EXPECT_EQ(d.form.SphereY, 12.5f);
  Surface expected(16, 16);
  DrawSphericalGradient(expected, SplitGradientColors(kBlack, kWhite), 3.25, 12.5);
  EXPECT_TRUE(d.form.PicSpherical.SamePixels(expected));
  d.form.OptGradType_Click(1);
  d.form.CmdOk_Click();
  EXPECT_TRUE(d.pic_load.SamePixels(expected));
}

TEST(FrmGrad, OkAndCancelAreDisabledWhileTheSphereIsDrawn) {
  Dialog d;
  int steps = 0, enabled_steps = 0;
  d.form.PreviewStep = [&] {
    ++steps;
    if (d.form.CmdOkEnabled || d.form.CmdCancelEnabled || d.form.PicSphericalEnabled) {
      ++enabled_steps;
      return;
    }
    // Clicks that arrive meanwhile are refused.
    d.form.CmdOk_Click();
    d.form.CmdCancel_Click();
    d.form.PicSpherical_MouseDown(1, 0, 9, 9);
  };
  d.form.PicSpherical_MouseDown(1, 0, 4, 4);
  EXPECT_EQ(steps, 256 + 2);
  EXPECT_EQ(enabled_steps, 1);  // the last one, after the drawing
  EXPECT_TRUE(d.form.DialogCancelled);
  EXPECT_TRUE(d.form.CmdOkEnabled);
  d.form.PreviewStep = nullptr;
  d.form.CmdCancel_Click();
  EXPECT_TRUE(d.form.Closed);
  EXPECT_TRUE(d.form.DialogCancelled);
  EXPECT_EQ(d.pic_load.GetPixel(0, 0), 0x123456u);
}

TEST(FrmGrad, ClosingWhileTheSphereIsDrawnStopsItAndTakesNothing) {
  Dialog d;
  int steps = 0;
  d.form.PreviewStep = [&] {
    if (++steps == 20) d.form.Form_Unload();
  };
  d.form.PicSpherical_MouseDown(1, 0, 2, 2);
  EXPECT_LT(steps, 30);
  d.form.CmdOk_Click();
  EXPECT_TRUE(d.form.DialogCancelled);
  EXPECT_EQ(d.pic_load.Width(), 5);
}

}  // namespace
}  // namespace brindlex
