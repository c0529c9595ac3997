// The colour adjustment dialog's sliders, labels, preview, Reset, Ok and Cancel.
#include "forms/frm_col_adj.h"

#include <gtest/gtest.h>

namespace brindlex {
namespace {

// A 16 x 16 icon whose pixel (0, 0) is opaque (100, 150, 200), (1, 0) opaque (250, 3, 0),
// and the rest transparent, with the dialog loaded on it.
struct Dialog {
  Surface mask{16, 16, kWhite}, image{16, 16, kBlack};
  ColorTables tables;
  FrmColAdj form{tables, 16};
  Dialog() {
    mask.SetPixel(0, 0, kBlack);
    mask.SetPixel(1, 0, kBlack);
    image.SetPixel(0, 0, 0xC89664);
    image.SetPixel(1, 0, 0x0003FA);
    FillColorTables(mask, image, 16, tables);
    form.PicShade.Clear();
    form.Form_Load();
  }
  ChannelValues Adj(int n) const { return tables[kAdjColors][n]; }
};

TEST(FrmColAdj, PlacesThePreviewByTheIconSize) {
  ColorTables tables;
  for (auto [edge, left, top] : {std::tuple{16, 142, 27}, {32, 134, 19}, {48, 126, 11}}) {
    FrmColAdj form(tables, edge);
    EXPECT_EQ(form.PicShadeLeft, left);
    EXPECT_EQ(form.PicShadeTop, top);
    EXPECT_EQ(form.PicShade.Width(), edge);
  }
  EXPECT_EQ(FrmColAdj::kWidthTwips / 15, 254);
  EXPECT_EQ(FrmColAdj::kHeightTwips / 15, 124);
}

TEST(FrmColAdj, EachChangeIsOneStepOfFive) {
  Dialog d;
  d.form.VsbBrightness_Change(5);
  d.form.VsbBrightness_Change(10);
  EXPECT_EQ(d.Adj(0), (ChannelValues{110, 160, 210}));
  EXPECT_EQ(d.form.LabelText[FrmColAdj::kBrightness], "10");
  d.form.VsbRed_Change(-5);
  EXPECT_EQ(d.Adj(0), (ChannelValues{105, 160, 210}));
  EXPECT_EQ(d.form.LabelText[FrmColAdj::kRed], "-5");
  // A jump of any size is still one step of 5 in its direction.
  d.form.VsbGreen_Change(-255);
  EXPECT_EQ(d.Adj(0).green, 155);
  EXPECT_EQ(d.form.LabelText[FrmColAdj::kGreen], "-255");
  // The same value again changes nothing.
  d.form.VsbBlue_Change(0);
  EXPECT_EQ(d.Adj(0).blue, 210);
  d.form.VsbBlue_Change(5);
  EXPECT_EQ(d.Adj(0).blue, 215);
  // The preview shows the opaque pixels' new colours and leaves the others.
  EXPECT_EQ(d.form.PicShade.GetPixel(0, 0), 0xD79B69u);
  EXPECT_EQ(d.form.PicShade.GetPixel(5, 5), kButtonFace);
}

TEST(FrmColAdj, ChannelsStopAtTheirLastValueInRange) {
  Dialog d;
  d.form.VsbRed_Change(5);
  EXPECT_EQ(d.Adj(1).red, 255);
  d.form.VsbRed_Change(10);
  EXPECT_EQ(d.Adj(1).red, 255);
  d.form.VsbRed_Change(5);
  EXPECT_EQ(d.Adj(1).red, 255);
  d.form.VsbRed_Change(0);
  EXPECT_EQ(d.Adj(1).red, 250);
}

TEST(FrmColAdj, ResetRestoresColoursLabelsAndSliders) {
  Dialog d;
  d.form.VsbBrightness_Change(5);
  d.form.VsbBlue_Change(-5);
  d.form.CmdReset_Click();
  EXPECT_EQ(d.Adj(0), (ChannelValues{100, 150, 200}));
  EXPECT_EQ(d.tables[kWorkColors][1], (ChannelValues{250, 3, 0}));
  EXPECT_EQ(d.form.SliderValue, (std::array<int, 4>{0, 0, 0, 0}));
  for (const std::string& label : d.form.LabelText) EXPECT_EQ(label, "0");
  EXPECT_EQ(d.form.PicShade.GetPixel(0, 0), 0xC89664u);
  EXPECT_EQ(d.form.PicShade.GetPixel(3, 3), d.form.BackColor);
  // After a reset the next change counts from 0 again.
  d.form.VsbRed_Change(5);
  EXPECT_EQ(d.Adj(0).red, 105);
}

TEST(FrmColAdj, OnlyOkAccepts) {
  Dialog d;
  d.form.CmdOk_Click();
  EXPECT_TRUE(d.form.ColAdjAccepted);
  EXPECT_TRUE(d.form.Closed);
  Dialog cancelled;
  cancelled.form.VsbRed_Change(5);
  cancelled.form.CmdCancel_Click();
  EXPECT_FALSE(cancelled.form.ColAdjAccepted);
  EXPECT_TRUE(cancelled.form.Closed);
  Dialog closed;
  closed.form.Form_Unload();
  EXPECT_FALSE(closed.form.ColAdjAccepted);
  EXPECT_TRUE(closed.form.Closed);
}

}  // namespace
}  // namespace brindlex
