// The hot spot dialog's form: the canvas copy, the pick, the readout and its endings.
#include "forms/frm_hot_spot.h"

#include <gtest/gtest.h>

namespace brindlex {
namespace {

class FrmHotSpotTest : public ::testing::Test {
 protected:
  FrmHotSpotTest() {
    canvas.SetPixel(0, 0, 0x0000FF);
    canvas.SetPixel(384, 384, 0x00FF00);
    img_xy.SetPixel(3, 3, kBlack);
  }
  FrmHotSpot Open(int zoom, int last_index, int start_x = 0, int start_y = 0) {
    FrmHotSpot form(canvas, zoom, last_index, img_xy, hot_x, hot_y, start_x, start_y);
    form.Form_Load();
    return form;
  }

  Surface canvas{400, 400, kSilver};
  Surface img_xy{16, 16, kButtonFace};
  std::uint16_t hot_x = 3, hot_y = 9;
};

TEST_F(FrmHotSpotTest, LoadCopiesTheCanvasAndPaintsTheWindow) {
  FrmHotSpot form = Open(12, 31);
  EXPECT_TRUE(form.DialogCancelled);
  EXPECT_EQ(form.LblHotX, "00");
  EXPECT_EQ(form.LblHotY, "00");
  EXPECT_EQ(form.Readout, "");
  ASSERT_EQ(form.PicCursor.Width(), 385);
  ASSERT_EQ(form.PicCursor.Height(), 385);
  EXPECT_EQ(form.PicCursor.GetPixel(0, 0), 0x0000FFu);
  EXPECT_EQ(form.PicCursor.GetPixel(384, 384), 0x00FF00u);
  EXPECT_EQ(form.PicCursor.GetPixel(200, 3), kSilver);
  EXPECT_TRUE(form.ImgXY.SamePixels(img_xy));

  // 413 x 494 pixels of button face, a sunken edge 3 pixels around the copy (dark top-left,
  // white bottom-right) and one around the picture and readout.
  const Surface& b = form.Background;
  ASSERT_EQ(b.Width(), 413);
  ASSERT_EQ(b.Height(), 494);
  EXPECT_EQ(b.GetPixel(8, 36), kGrey);
  EXPECT_EQ(b.GetPixel(8, 200), kGrey);
  EXPECT_EQ(b.GetPixel(398, 426), kWhite);
  EXPECT_EQ(b.GetPixel(200, 426), kWhite);
  EXPECT_EQ(b.GetPixel(9, 37), kButtonFace);
  EXPECT_EQ(b.GetPixel(301, 8), kGrey);
  EXPECT_EQ(b.GetPixel(398, 26), kWhite);
  EXPECT_EQ(b.GetPixel(399, 27), kButtonFace);
  ASSERT_EQ(form.Printed.size(), 2u);
  EXPECT_EQ(form.Printed[0].text, "Hot X:");
  EXPECT_EQ(form.Printed[0].x, 8);
  EXPECT_EQ(form.Printed[1].text, "Hot Y:");
  EXPECT_EQ(form.Printed[1].x, 83);
  EXPECT_EQ(form.Printed[1].y, 11);
}

TEST_F(FrmHotSpotTest, ALeftClickPicksThePixelRoundedThenDivided) {
  FrmHotSpot form = Open(12, 31);
  form.PicCursor_MouseDown(1, 0, 100, 200);
  EXPECT_EQ(form.HotX, 8);
  EXPECT_EQ(form.HotY, 16);
  EXPECT_EQ(form.LblHotX, "08");
  EXPECT_EQ(form.LblHotY, "16");
  // Halves go to the even neighbour: 11.5 gives 12 (pixel 1), 35.5 gives 36 (3), 22.5 gives
  // 22 (1), 23.5 gives 24 (2).
  form.PicCursor_MouseDown(1, 0, 11.5, 35.5);
  EXPECT_EQ(form.HotX, 1);
  EXPECT_EQ(form.HotY, 3);
  form.PicCursor_MouseDown(1, 0, 22.5, 23.5);
  EXPECT_EQ(form.HotX, 1);
  EXPECT_EQ(form.HotY, 2);
  // The closing grid line and beyond give the last index.
  form.PicCursor_MouseDown(1, 0, 384, 390.4);
  EXPECT_EQ(form.HotX, 31);
  EXPECT_EQ(form.HotY, 31);
  EXPECT_EQ(form.LblHotX, "31");
  // Other buttons pick nothing.
  form.PicCursor_MouseDown(2, 0, 0, 0);
  EXPECT_EQ(form.HotX, 31);

  FrmHotSpot big = Open(8, 47);
  big.PicCursor_MouseDown(1, 0, 40, 383);
  EXPECT_EQ(big.LblHotX, "05");
  EXPECT_EQ(big.LblHotY, "47");
  FrmHotSpot small = Open(24, 15);
  small.PicCursor_MouseDown(1, 0, 383.6, 24);
  EXPECT_EQ(small.HotX, 15);
  EXPECT_EQ(small.HotY, 1);
}

TEST_F(FrmHotSpotTest, TheReadoutTracksThePointerWithinTheIcon) {
  FrmHotSpot form = Open(12, 31);
  form.PicCursor_MouseMove(0, 0, 90, 380);
  EXPECT_EQ(form.Readout, "07, 31");
  form.PicCursor_MouseMove(1, 0, -30, 1000);  // dragged outside
  EXPECT_EQ(form.Readout, "00, 31");
  form.PicCursor_MouseMove(0, 0, 1e300, -1e300);
  EXPECT_EQ(form.Readout, "31, 00");
  EXPECT_EQ(form.HotX, 0);  // moving picks nothing
}

TEST_F(FrmHotSpotTest, OkHandsThePickOverAndCancelKeepsTheOldHotSpot) {
  FrmHotSpot untouched = Open(12, 31);
  untouched.CmdOk_Click();
  EXPECT_FALSE(untouched.DialogCancelled);
  EXPECT_TRUE(untouched.Closed);
  EXPECT_EQ(hot_x, 0);
  EXPECT_EQ(hot_y, 0);

  // The pick may start at the hot spot the icon has, kept within the icon; Ok without a
  // click hands that over.
  FrmHotSpot started = Open(12, 31, 7, 40);
  EXPECT_EQ(started.LblHotX, "07");
  EXPECT_EQ(started.LblHotY, "31");
  started.CmdOk_Click();
  EXPECT_EQ(hot_x, 7);
  EXPECT_EQ(hot_y, 31);

  FrmHotSpot picked = Open(12, 31, 7, 4);
  picked.PicCursor_MouseDown(1, 0, 61, 145);
  picked.CmdOk_Click();
  EXPECT_EQ(hot_x, 5);
  EXPECT_EQ(hot_y, 12);

  FrmHotSpot cancelled = Open(12, 31);
  cancelled.PicCursor_MouseDown(1, 0, 300, 300);
  cancelled.CmdCancel_Click();
  EXPECT_TRUE(cancelled.DialogCancelled);
  EXPECT_TRUE(cancelled.Closed);
  FrmHotSpot closed = Open(12, 31);
  closed.PicCursor_MouseDown(1, 0, 300, 300);
  closed.Form_Unload();
  EXPECT_TRUE(closed.DialogCancelled);
  EXPECT_EQ(hot_x, 5);
  EXPECT_EQ(hot_y, 12);
}

}  // namespace
}  // namespace brindlex
