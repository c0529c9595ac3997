#include "forms/frm_snap.h"

#include <gtest/gtest.h>

#include "picture.h"

namespace brindlex {
namespace {

// A screen whose every pixel has its own colour.
Surface NumberedScreen(int width, int height) {
  Surface screen(width, height, kBlack);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) screen.SetPixel(x, y, static_cast<Color>((y << 12) | x));
  return screen;
}

class FrmSnapTest : public ::testing::Test {
 protected:
  FrmSnapTest() : document(resources) { document.MakeBlank(1); }
  ResourceBitmaps resources;
  IconDocument document;
};

TEST_F(FrmSnapTest, ActivationConfinesThePointerAndStartsTheFrame) {
  FrmSnap snap(document, 32);
  snap.Form_Load(NumberedScreen(1920, 1080));
  EXPECT_EQ(snap.ScreenWidth, 1920);
  EXPECT_EQ(snap.ScreenHeight, 1080);
  EXPECT_EQ(snap.CaptureSize, 32);
  EXPECT_FALSE(snap.TmrEnabled);
  snap.Tmr_Timer();  // the timer does nothing before the window is active
  EXPECT_EQ(snap.FrameLeft, -1);
  snap.Form_Activate();
  EXPECT_TRUE(snap.TmrEnabled);
  EXPECT_TRUE(snap.PointerConfined);
  EXPECT_EQ(snap.CaptureSize, 34);
  EXPECT_EQ(snap.PointerClip.right, 1887);
  EXPECT_EQ(snap.PointerClip.bottom, 1047);
  EXPECT_EQ(snap.FrameSheet.Width(), 68);
  EXPECT_EQ(snap.FrameSheet.Height(), 136);
}

TEST_F(FrmSnapTest, TheFrameFollowsThePointerThroughFourPhases) {
  FrmSnap snap(document, 32);
  snap.Form_Load(NumberedScreen(300, 200));
  snap.Form_Activate();
  snap.Form_MouseMove(0, 0, 100.4, 50.6);
  EXPECT_EQ(snap.PointerX, 100);
  EXPECT_EQ(snap.PointerY, 51);
  const Surface sheet = MakeFrameSheet(32);
  for (int tick = 0; tick < 5; ++tick) {
    const int phase = tick % 4;
    EXPECT_EQ(snap.FramePhase, phase);
    snap.Tmr_Timer();
    const Surface window = snap.WindowPicture();
    for (int y = 0; y < 34; ++y)
      for (int x = 0; x < 34; ++x) {
        const bool ring = x == 0 || y == 0 || x == 33 || y == 33;
        const Color expected = ring ? sheet.GetPixel(34 + x, 34 * phase + y)
                                    : static_cast<Color>(((51 + y) << 12) | (100 + x));
        ASSERT_EQ(window.GetPixel(100 + x, 51 + y), expected) << tick << ": " << x << "," << y;
      }
    EXPECT_EQ(window.GetPixel(99, 51), static_cast<Color>((51 << 12) | 99));
  }
  // Moving on: the old place shows the frozen screen again.
  snap.Form_MouseMove(1, 0, 10, 10);
  snap.Tmr_Timer();
  const Surface window = snap.WindowPicture();
  EXPECT_EQ(window.GetPixel(100, 51), static_cast<Color>((51 << 12) | 100));
  EXPECT_EQ(window.GetPixel(10, 10), sheet.GetPixel(34, 34));
}

TEST_F(FrmSnapTest, PointerOutsideItsAreaStillPlacesTheFrameInside) {
  FrmSnap snap(document, 32);
  snap.Form_Load(NumberedScreen(1920, 1080));
  snap.Form_Activate();
  snap.Form_MouseMove(0, 0, 1919, 1079);
  EXPECT_EQ(snap.PointerX, 1886);
  EXPECT_EQ(snap.PointerY, 1046);
  snap.Form_MouseMove(0, 0, -40, -1);
  EXPECT_EQ(snap.PointerX, 0);
  EXPECT_EQ(snap.PointerY, 0);
}

TEST_F(FrmSnapTest, OnlyALeftClickCapturesTheSquareInsideTheFrame) {
  document.PicMask.SetPixel(0, 0, kWhite);
  document.PicImage.SetPixel(1, 0, 0x0000FF);  // an inverting pixel
  const Surface mask_before = document.PicMask, image_before = document.PicImage;
  FrmSnap snap(document, 32);
  snap.Form_Load(NumberedScreen(1920, 1080));
  snap.Form_Activate();
  snap.Form_MouseUp(2, 0, 500, 500);
  snap.Form_MouseUp(4, 0, 500, 500);
  EXPECT_FALSE(snap.Closed);
  EXPECT_TRUE(document.PicMask.SamePixels(mask_before));
  EXPECT_TRUE(document.PicImage.SamePixels(image_before));

  snap.Form_MouseUp(1, 0, 1886, 1046);
  EXPECT_TRUE(snap.Captured && snap.Closed);
  EXPECT_FALSE(snap.TmrEnabled);
  EXPECT_FALSE(snap.PointerConfined);
  EXPECT_TRUE(document.PicMask.SamePixels(Surface(32, 32, kBlack)));
  EXPECT_EQ(document.PicImage.GetPixel(0, 0), static_cast<Color>((1047 << 12) | 1887));
  EXPECT_EQ(document.PicImage.GetPixel(31, 31), static_cast<Color>((1078 << 12) | 1918));
}

TEST_F(FrmSnapTest, EscGivesUpAndLeavesTheIconAsItWas) {
  const Surface image_before = document.PicImage;
  FrmSnap snap(document, 32);
  snap.Form_Load(NumberedScreen(400, 300));
  snap.Form_Activate();
  snap.Form_KeyDown('A', 0);
  EXPECT_FALSE(snap.Closed);
  snap.Form_KeyDown(FrmSnap::kEscapeKey, 0);
  snap.Form_MouseUp(1, 0, 10, 10);  // after the window has gone: nothing
  EXPECT_TRUE(snap.Closed && !snap.Captured && !snap.PointerConfined && !snap.TmrEnabled);
  EXPECT_TRUE(document.PicImage.SamePixels(image_before));
}

TEST_F(FrmSnapTest, AScreenSmallerThanTheSquareGivesBlackBeyondIt) {
  document.MakeBlank(2);
  FrmSnap snap(document, 48);
  snap.Form_Load(NumberedScreen(30, 20));
  snap.Form_Activate();
  snap.Form_MouseMove(0, 0, 15, 15);
  snap.Tmr_Timer();
  EXPECT_EQ(snap.FrameLeft, 0);
  EXPECT_EQ(snap.WindowPicture().Width(), 30);
  snap.Form_MouseUp(1, 0, 15, 15);
  EXPECT_EQ(document.PicImage.GetPixel(0, 0), static_cast<Color>((1 << 12) | 1));
  EXPECT_EQ(document.PicImage.GetPixel(28, 18), static_cast<Color>((19 << 12) | 29));
  EXPECT_EQ(document.PicImage.GetPixel(29, 0), kBlack);
  EXPECT_EQ(document.PicImage.GetPixel(0, 19), kBlack);
  EXPECT_EQ(document.PicMask.GetPixel(47, 47), kBlack);
}

}  // namespace
}  // namespace brindlex
