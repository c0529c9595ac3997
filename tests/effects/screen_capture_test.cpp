#include "effects/screen_capture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "picture.h"

namespace brindlex {
namespace {

// The colour the sheet's ring shows at ring step k (clockwise from the top-left corner)
// after mask AND and picture XOR over a background.
TEST(FrameSheet, SizesMaskAndDashes) {
  const struct { int edge, width, height; } sizes[] = {{16, 36, 72}, {32, 68, 136}, {48, 100, 200}};
  for (const auto& s : sizes) {
    const Surface sheet = MakeFrameSheet(s.edge);
    EXPECT_EQ(sheet.Width(), s.width);
    EXPECT_EQ(sheet.Height(), s.height);
    const int n = s.edge + 2;
    for (int phase = 0; phase < 4; ++phase)
      for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
          const bool ring = x == 0 || y == 0 || x == n - 1 || y == n - 1;
          const Color mask = sheet.GetPixel(x, n * phase + y);
          const Color picture = sheet.GetPixel(n + x, n * phase + y);
          ASSERT_EQ(mask, ring ? kBlack : kWhite) << s.edge << " " << phase;
          if (!ring) {
            ASSERT_EQ(picture, kBlack);
          } else {
            ASSERT_TRUE(picture == kBlack || picture == kWhite);
          }
        }
  }
}

TEST(FrameSheet, TopRowDashesRunOnePixelPerPhase) {
  const Surface sheet = MakeFrameSheet(16);
  const int n = 18;
  std::vector<std::string> tops;
  for (int phase = 0; phase < 4; ++phase) {
    Surface row(n, 1);
    row.BitBlt(0, 0, n, 1, sheet, n, n * phase);
    tops.push_back(testing::Rows(row)[0]);
  }
  EXPECT_EQ(tops, (std::vector<std::string>{"##..##..##..##..##", ".##..##..##..##..#",
                                            "..##..##..##..##..", "#..##..##..##..##."}));
  // Down the right column the dashes continue where the top row ended.
  Surface column(1, n);
  column.BitBlt(0, 0, 1, n, sheet, 2 * n - 1, 0);
  std::string down;
  for (const std::string& r : testing::Rows(column)) down += r;
  EXPECT_EQ(down, "#..##..##..##..##.");
}

TEST(FrameSheet, PaintsADashedRingAndLeavesTheInside) {
  Surface screen(20, 20, 0x123456);
  const Surface sheet = MakeFrameSheet(16);
  screen.BitBlt(1, 1, 18, 18, sheet, 0, 18, RasterOp::kAnd);
  screen.BitBlt(1, 1, 18, 18, sheet, 18, 18, RasterOp::kInvert);
  EXPECT_EQ(screen.GetPixel(0, 0), 0x123456u);
  EXPECT_EQ(screen.GetPixel(1, 1), kWhite);  // phase 1 starts with a white pixel
  EXPECT_EQ(screen.GetPixel(2, 1), kBlack);
  for (int y = 2; y <= 17; ++y)
    for (int x = 2; x <= 17; ++x) ASSERT_EQ(screen.GetPixel(x, y), 0x123456u);
}

TEST(CaptureArea, KeepsTheFrameOnTheScreen) {
  const PointerArea area = CapturePointerArea(1920, 1080, 32);
  EXPECT_EQ(area.right, 1887);
  EXPECT_EQ(area.bottom, 1047);
  EXPECT_EQ(KeepInArea(5000.0, area.left, area.right), 1886);
  EXPECT_EQ(KeepInArea(1046.4, area.top, area.bottom), 1046);
  EXPECT_EQ(KeepInArea(-3.0, area.left, area.right), 0);
  EXPECT_EQ(KeepInArea(10.5, 0, 100), 10);  // ties to even
  EXPECT_EQ(KeepInArea(11.5, 0, 100), 12);
  EXPECT_EQ(KeepInArea(std::nan(""), 0, 100), 0);
  EXPECT_EQ(KeepInArea(std::numeric_limits<double>::infinity(), 0, 100), 0);
  // A screen smaller than the frame: the only place is the top-left corner.
  const PointerArea tiny = CapturePointerArea(20, 10, 32);
  EXPECT_EQ(KeepInArea(7.0, tiny.left, tiny.right), 0);
}

TEST(CaptureArea, CopiesTheSquareInsideTheFrameAndBlackOffTheScreen) {
  Surface screen(40, 30, kBlack);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) screen.SetPixel(x, y, static_cast<Color>(y * 256 + x + 1));
  Surface mask(16, 16, kWhite), image(16, 16, kBlack);
  mask.SetPixel(3, 3, 0x00FF00);
  CaptureSquare(screen, 4, 2, mask, image);
  EXPECT_TRUE(mask.SamePixels(Surface(16, 16, kBlack)));
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      ASSERT_EQ(image.GetPixel(x, y), static_cast<Color>((y + 3) * 256 + x + 5 + 1));

  CaptureSquare(screen, 30, 20, mask, image);
  EXPECT_EQ(image.GetPixel(8, 8), static_cast<Color>(29 * 256 + 39 + 1));
  EXPECT_EQ(image.GetPixel(9, 8), kBlack);
  EXPECT_EQ(image.GetPixel(8, 9), kBlack);
}

}  // namespace
}  // namespace brindlex
