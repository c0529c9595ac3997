// Gradient levels, the stepping loop and the linear and spherical previews.
#include "effects/gradient.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace brindlex {
namespace {

int Red(Color c) { return c & 0xFF; }

TEST(Gradient, LevelsRunFromTheStartToTheEndColour) {
  const GradientColors bw = SplitGradientColors(kBlack, kWhite);
  EXPECT_EQ(LevelColor(bw, 0), kBlack);
  EXPECT_EQ(LevelColor(bw, 255), kWhite);
  EXPECT_EQ(LevelColor(bw, 128), 0x808080u);
  // Each channel on its own, falling or rising: red 200 → 0, green 10 → 110, blue 7 → 7.
  const GradientColors mixed = SplitGradientColors(0x070AC8, 0x076E00);
  EXPECT_FLOAT_EQ(mixed.red_step, 200.0f / 255.0f);
  EXPECT_FLOAT_EQ(mixed.blue_step, 0.0f);
  EXPECT_EQ(LevelColor(mixed, 0), 0x070AC8u);
  EXPECT_EQ(LevelColor(mixed, 255), 0x076E00u);
  // Level 51: red 200 − 40 = 160, green 10 + 20 = 30.
  EXPECT_EQ(LevelColor(mixed, 51), 0x071EA0u);
  for (int n = 1; n < 256; ++n) {
    EXPECT_LE(Red(LevelColor(mixed, n)), Red(LevelColor(mixed, n - 1)));
  }
  // Equal colours give one colour at every level.
  const GradientColors flat = SplitGradientColors(0x336699, 0x336699);
  for (int n : {0, 100, 255}) EXPECT_EQ(LevelColor(flat, n), 0x336699u);
}

TEST(Gradient, TheStepLoopRunsInSinglePrecision) {
  const auto count = [](float end, float step) {
    return RunGradientSteps(end, step, [](float, int) { return true; });
  };
  const float sizes[] = {16.0f, 32.0f, 48.0f};
  const int expected[] = {256, 256, 255};
  for (int i = 0; i < 3; ++i) {
    const float s = sizes[i];
    EXPECT_EQ(count(s, static_cast<float>(s / 255.0)), expected[i]) << s;
    EXPECT_EQ(count(2 * s, static_cast<float>(2 * s / 255.0)), expected[i]) << s;
  }
  // The body sees the running count and can stop the loop.
  std::vector<int> seen;
  EXPECT_EQ(RunGradientSteps(10.0f, 1.0f,
                             [&](float t, int k) {
                               EXPECT_FLOAT_EQ(t, static_cast<float>(k));
                               seen.push_back(k);
                               return k < 3;
                             }),
            4);
  EXPECT_EQ(seen.size(), 4u);
  // Steps that cannot move the position end the loop instead of spinning.
  EXPECT_EQ(count(1.0f, 0.0f), 0);
  EXPECT_EQ(count(1.0f, -1.0f), 0);
  EXPECT_EQ(count(INFINITY, INFINITY), 0);
  EXPECT_EQ(count(NAN, 1.0f), 0);
}

// Every pixel of a column (or row) has one colour, and the level falls or rises along it.
void ExpectBands(const Surface& s, bool vertical, bool rising) {
  for (int i = 0; i < s.Width(); ++i)
    for (int j = 1; j < s.Height(); ++j) {
      const Color first = vertical ? s.GetPixel(0, i) : s.GetPixel(i, 0);
      ASSERT_EQ(vertical ? s.GetPixel(j, i) : s.GetPixel(i, j), first);
    }
  for (int i = 1; i < s.Width(); ++i) {
    const int before = Red(vertical ? s.GetPixel(0, i - 1) : s.GetPixel(i - 1, 0));
    const int now = Red(vertical ? s.GetPixel(0, i) : s.GetPixel(i, 0));
    if (rising) {
      EXPECT_GT(now, before) << i;
    } else {
      EXPECT_LT(now, before) << i;
    }
  }
}

TEST(Gradient, StraightDirectionsRunFromEdgeToEdge) {
  const GradientColors bw = SplitGradientColors(kBlack, kWhite);
  for (int size : {16, 32, 48}) {
    Surface linear(size, size), temp(size, size);
    // The edge columns take the last of the boxes that round onto them: the levels of
    // about half a pixel's worth of steps.
    const int half_pixel = 255 / size / 2 + 1;
    DrawLinearGradient(0, bw, linear, temp);
    EXPECT_LE(Red(linear.GetPixel(0, 0)), half_pixel);
    EXPECT_GE(Red(linear.GetPixel(size - 1, 0)), 255 - 2 * half_pixel);
    ExpectBands(linear, false, true);
    DrawLinearGradient(180, bw, linear, temp);
    EXPECT_GE(Red(linear.GetPixel(0, 5)), 255 - half_pixel);
    EXPECT_LE(Red(linear.GetPixel(size - 1, 5)), 2 * half_pixel);
    ExpectBands(linear, false, false);
    DrawLinearGradient(90, bw, linear, temp);
    EXPECT_LE(Red(linear.GetPixel(3, 0)), half_pixel);
    ExpectBands(linear, true, true);
    DrawLinearGradient(270, bw, linear, temp);
    EXPECT_GE(Red(linear.GetPixel(3, 0)), 255 - half_pixel);
    ExpectBands(linear, true, false);
    Surface again(size, size);
    DrawLinearGradient(360, bw, again, temp);
    DrawLinearGradient(0, bw, linear, temp);
    EXPECT_TRUE(linear.SamePixels(again));
  }
  // At 16 pixels each column spans about 16 levels: column 8 is level 8·255/16 or so.
  Surface linear(16, 16), temp(16, 16);
  DrawLinearGradient(0, bw, linear, temp);
  EXPECT_NEAR(Red(linear.GetPixel(8, 0)), 8 * 255 / 16, 16);
}

TEST(Gradient, DiagonalsRunFromCornerToCorner) {
  const GradientColors bw = SplitGradientColors(kBlack, kWhite);
  for (int size : {16, 48}) {
    const int last = size - 1;
    Surface linear(size, size, 0x123456), temp(size, size);
    const struct {
      int angle, start_x, start_y;
    } cases[] = {{45, 0, 0}, {135, last, 0}, {225, last, last}, {315, 0, last}};
    for (const auto& c : cases) {
      DrawLinearGradient(c.angle, bw, linear, temp);
      const int end_x = last - c.start_x, end_y = last - c.start_y;
      // The corner takes the last line that rounds onto it, about 1.5 lines' worth.
      EXPECT_LE(Red(linear.GetPixel(c.start_x, c.start_y)), 255 / size + 1) << c.angle;
      EXPECT_GE(Red(linear.GetPixel(end_x, end_y)), 255 - 255 / size - 1) << c.angle;
      // Pixels on one line across the direction share a colour; the level grows along it.
      EXPECT_EQ(linear.GetPixel(c.start_x, end_y), linear.GetPixel(end_x, c.start_y));
      EXPECT_LT(Red(linear.GetPixel(c.start_x, c.start_y)),
                Red(linear.GetPixel(size / 2, size / 2)));
      for (int x = 0; x < size; ++x)
        for (int y = 0; y < size; ++y) ASSERT_NE(linear.GetPixel(x, y), 0x123456u);
    }
  }
}

TEST(Gradient, OtherAnglesLeaveThePreviewAsItWas) {
  const GradientColors bw = SplitGradientColors(kBlack, kWhite);
  Surface linear(16, 16, 0x123456), temp(16, 16, 0x654321);
  for (int angle : {1, 44, 46, 100, 359, -45, 405}) DrawLinearGradient(angle, bw, linear, temp);
  EXPECT_TRUE(linear.SamePixels(Surface(16, 16, 0x123456)));
  EXPECT_TRUE(temp.SamePixels(Surface(16, 16, 0x654321)));
}

TEST(Gradient, FarthestCornerLiesOutsideThePreview) {
  EXPECT_FLOAT_EQ(FarthestCornerDistance(8, 8, 16), static_cast<float>(std::hypot(9.0, 9.0)));
  EXPECT_FLOAT_EQ(FarthestCornerDistance(0, 0, 16), static_cast<float>(std::hypot(16.0, 16.0)));
  EXPECT_FLOAT_EQ(FarthestCornerDistance(47, 2.5, 48), static_cast<float>(std::hypot(48.0, 45.5)));
}

TEST(Gradient, SphericalPreviewGrowsFromTheCentre) {
  const GradientColors bw = SplitGradientColors(kBlack, kWhite);
  const int expected[] = {256, 256, 255};
  int i = 0;
  for (int size : {16, 32, 48}) {
    Surface sphere(size, size, 0x123456);
    int steps = 0;
    const int circles = DrawSphericalGradient(sphere, bw, size / 2.0, size / 2.0, [&] {
      ++steps;
      return true;
    });
    EXPECT_EQ(circles, expected[i++]);
    EXPECT_EQ(steps, circles);
    const int c = size / 2;
    // The centre takes the last circle of radius up to half a pixel.
    const float step = FarthestCornerDistance(c, c, size) / 255.0f;
    EXPECT_EQ(Red(sphere.GetPixel(c, c)), static_cast<int>(0.5f / step)) << size;
    // Symmetric around the centre, brighter with the distance, nearly white at the corners.
    EXPECT_EQ(sphere.GetPixel(c + 3, c), sphere.GetPixel(c, c - 3));
    EXPECT_EQ(sphere.GetPixel(c + 5, c + 2), sphere.GetPixel(c - 5, c - 2));
    for (int x = c + 1; x < size; ++x)
      EXPECT_GT(Red(sphere.GetPixel(x, c)), Red(sphere.GetPixel(x - 1, c))) << size << " " << x;
    EXPECT_GE(Red(sphere.GetPixel(0, 0)), 200);
    EXPECT_LT(Red(sphere.GetPixel(0, 0)), 255);
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) ASSERT_NE(sphere.GetPixel(x, y), 0x123456u);
  }
  // A centre in the corner; the drawing may be stopped after any circle.
  Surface sphere(16, 16, 0x123456);
  int steps = 0;
  EXPECT_EQ(DrawSphericalGradient(sphere, bw, 0.4, 15.6, [&] { return ++steps < 10; }), 10);
  EXPECT_LT(Red(sphere.GetPixel(0, 15)), 10);
  EXPECT_EQ(sphere.GetPixel(15, 0), 0x123456u);
  // Far-off or absurd centres draw what falls on the preview, and nothing breaks.
  Surface far(16, 16, 0x123456);
  EXPECT_GE(DrawSphericalGradient(far, bw, 1e9, -1e9), 255);
  EXPECT_EQ(DrawSphericalGradient(far, bw, NAN, 3), 0);
  Surface none;
  EXPECT_GT(DrawSphericalGradient(none, bw, 0, 0), 0);
}

}  // namespace
}  // namespace brindlex
