// Choosing the draw colours from the palettes and the transparent swatch.
#include <gtest/gtest.h>

#include "app/frm_brindlex.h"
#include "document/expected_views.h"
#include "picture.h"
#include "scripted_ui.h"

namespace brindlex {
namespace {

using testing::SamePixels;

constexpr int L = kLeftButton, R = kRightButton;

class ColorPicking : public ::testing::Test {
 protected:
  ColorPicking() : form(ui, screen, StartupPaths{}) { form.Form_Load(); }

  static Surface HatchSwatch() {
    Surface s(23, 13, kWhite);
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 23; ++x) s.SetPixel(x, y, testing::HatchAt(x, y));
    return s;
  }
  static Surface Plain(Color c) { return Surface(23, 13, c); }

  testing::ScriptedUi ui;
  testing::FixedScreen screen;
  FrmBrindlex form;
};

TEST_F(ColorPicking, TheFormDrawsThePalettesAtLoad) {
  EXPECT_EQ(form.PicPal.GetPixel(0, 0), kBlack);
  EXPECT_EQ(form.PicPal.GetPixel(25, 0), 0x0000FFu);
  EXPECT_EQ(form.PicGreyPal.GetPixel(91, 31), kWhite);
  EXPECT_EQ(form.PicGreyPal.GetPixel(0, 0), kBlack);
  EXPECT_EQ(form.PicMiniPal.GetPixel(12, 45), 0x0000FFu);
  EXPECT_EQ(form.PicScreen.GetPixel(3, 1), kBlack);
  EXPECT_EQ(form.PicScreen.GetPixel(4, 1), kWhite);
  EXPECT_TRUE(SamePixels(Plain(kBlack), form.PicLeft));
  EXPECT_TRUE(SamePixels(Plain(kWhite), form.PicRight));
}

TEST_F(ColorPicking, EitherButtonPicksFromTheColourField) {
  form.PicPal_MouseDown(R, 0, 25, 0);
  EXPECT_EQ(form.ConfinePointer, PaletteControl::kPicPal);
  form.PicPal_MouseUp(R, 0, 25, 0);
  EXPECT_EQ(form.ConfinePointer, PaletteControl::kNone);
  EXPECT_EQ(form.Document.DrawColor[1], 0x0000FF);
  EXPECT_TRUE(SamePixels(Plain(0x0000FF), form.PicRight));
  EXPECT_EQ(form.Document.DrawColor[0], static_cast<DrawColorValue>(kBlack));
  form.PicPal_MouseDown(L, 0, 40.4, 149.6);  // rounded to (40, 150)
  form.PicPal_MouseUp(L, 0, 40.4, 149.6);
  EXPECT_EQ(form.Document.DrawColor[0], 0xB2FF99);
  EXPECT_TRUE(SamePixels(Plain(0xB2FF99), form.PicLeft));
}

TEST_F(ColorPicking, DraggingKeepsPickingAndStopsAtThePalettesEdge) {
  form.PicGreyPal_MouseDown(R, 0, 10, 10);
  form.PicGreyPal_MouseMove(R, 0, 45, 10);
  EXPECT_EQ(form.Document.DrawColor[1], 0x7F7F7F);
  form.PicGreyPal_MouseMove(R, 0, 300, -40);  // pushed beyond the right edge
  EXPECT_EQ(form.Document.DrawColor[1], 0xFFFFFF);
  form.PicGreyPal_MouseMove(R, 0, -300, 500);
  EXPECT_EQ(form.Document.DrawColor[1], 0x000000);
  EXPECT_TRUE(SamePixels(Plain(kBlack), form.PicRight));
  form.PicGreyPal_MouseUp(R, 0, 0, 0);
  EXPECT_EQ(form.ConfinePointer, PaletteControl::kNone);

  form.PicPal_MouseDown(L, 0, 25, 0);
  form.PicPal_MouseMove(L, 0, 25, 9999);  // the bottom of the middle column: magenta
  EXPECT_EQ(form.Document.DrawColor[0], 0xFF00FF);
  form.PicPal_MouseUp(L, 0, 25, 9999);
}

TEST_F(ColorPicking, MovesActOnlyWithExactlyOneOfTheTwoButtons) {
  form.PicPal_MouseMove(0, 0, 25, 0);
  form.PicPal_MouseMove(L | R, 0, 25, 0);
  form.PicPal_MouseMove(4, 0, 25, 0);
  form.PicMiniPal_MouseMove(L | R, 0, 0, 40);
  EXPECT_EQ(form.Document.DrawColor[0], static_cast<DrawColorValue>(kBlack));
  EXPECT_EQ(form.Document.DrawColor[1], static_cast<DrawColorValue>(kWhite));
  // The middle button does nothing anywhere.
  form.PicPal_MouseDown(4, 0, 25, 0);
  form.PicGreyPal_MouseDown(4, 0, 50, 5);
  form.PicMiniPal_MouseDown(4, 0, 50, 5);
  form.PicScreen_MouseDown(4, 0, 5, 5);
  EXPECT_EQ(form.ConfinePointer, PaletteControl::kNone);
  EXPECT_EQ(form.Document.DrawColor[0], static_cast<DrawColorValue>(kBlack));
  EXPECT_EQ(form.Document.DrawColor[1], static_cast<DrawColorValue>(kWhite));
  EXPECT_TRUE(SamePixels(Plain(kBlack), form.PicLeft));
}

TEST_F(ColorPicking, BasicColoursByCellWhateverTheEdge) {
  form.PicMiniPal_MouseDown(L, 0, 30, 20);
  form.PicMiniPal_MouseUp(L, 0, 30, 20);
  EXPECT_EQ(form.Document.DrawColor[0], 0x800080);
  form.PicMiniPal_MouseDown(R, 0, 24, 39);  // the etched corner of cell 13
  EXPECT_EQ(form.ConfinePointer, PaletteControl::kPicMiniPal);
  EXPECT_EQ(form.Document.DrawColor[1], 0xFF00FF);
  form.PicMiniPal_MouseMove(R, 0, 95.4, 51.4);
  EXPECT_EQ(form.Document.DrawColor[1], 0xFFFFFF);
  form.PicMiniPal_MouseMove(R, 0, 96, 52);  // beyond: the last cell still
  EXPECT_EQ(form.Document.DrawColor[1], 0xFFFFFF);
  EXPECT_TRUE(SamePixels(Plain(kWhite), form.PicRight));
  form.PicMiniPal_MouseUp(R, 0, 96, 52);
  EXPECT_EQ(form.ConfinePointer, PaletteControl::kNone);
}

TEST_F(ColorPicking, TheTransparentSwatchShowsTheHatchUntilAColourIsPicked) {
  form.PicScreen_MouseDown(L, 0, 10, 5);
  EXPECT_EQ(form.ConfinePointer, PaletteControl::kPicScreen);
  EXPECT_EQ(form.Document.DrawColor[0], kTransparentColor);
  EXPECT_TRUE(SamePixels(HatchSwatch(), form.PicLeft));
  form.PicScreen_MouseUp(L, 0, 10, 5);
  EXPECT_EQ(form.ConfinePointer, PaletteControl::kNone);
  EXPECT_TRUE(SamePixels(Plain(kWhite), form.PicRight));

  // Painting with it makes pixels transparent.
  form.Document.PicMask.SetPixel(3, 3, kBlack);
  form.Document.PicImage.SetPixel(3, 3, 0x00FF00);
  const double at = 3 * 12 + 6;
  form.PicMain_MouseDown(L, 0, at, at);
  form.PicMain_MouseUp(L, 0, at, at);
  EXPECT_EQ(form.Document.PicMask.GetPixel(3, 3), kWhite);
  EXPECT_EQ(form.Document.PicImage.GetPixel(3, 3), kBlack);

  // A palette removes the hatch and shows the plain colour.
  form.PicGreyPal_MouseDown(L, 0, 45, 3);
  form.PicGreyPal_MouseUp(L, 0, 45, 3);
  EXPECT_TRUE(SamePixels(Plain(0x7F7F7F), form.PicLeft));
}

TEST_F(ColorPicking, ANewDocumentResetsTheDrawColours) {
  form.PicScreen_MouseDown(L, 0, 10, 5);
  form.PicScreen_MouseUp(L, 0, 10, 5);
  form.PicPal_MouseDown(R, 0, 25, 0);
  form.PicPal_MouseUp(R, 0, 25, 0);
  for (int size : {0, 1, 2}) {
    form.Document.IconChanged = false;
    form.MnuIconSize_Click(size);
    EXPECT_EQ(form.Document.DrawColor[0], static_cast<DrawColorValue>(kBlack));
    EXPECT_EQ(form.Document.DrawColor[1], static_cast<DrawColorValue>(kWhite));
    EXPECT_TRUE(SamePixels(Plain(kBlack), form.PicLeft));
    EXPECT_TRUE(SamePixels(Plain(kWhite), form.PicRight));
    form.PicMiniPal_MouseDown(L, 0, 1, 1);
    form.PicMiniPal_MouseMove(L, 0, 80, 50);
    form.PicMiniPal_MouseUp(L, 0, 80, 50);
  }
}

}  // namespace
}  // namespace brindlex
