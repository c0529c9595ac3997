#include "edit/paste_size.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brindlex {
namespace {

struct Case {
  int edge, cw, ch;
  float width, height;
};

TEST(FitPasteSize, ShrinksBothSidesByTheSameStepsUntilTheLongerFits) {
  const Case cases[] = {
      {32, 64, 48, 32, 24},       {32, 48, 64, 24, 32}, {32, 100, 10, 32, 3},
      {32, 1000, 1, 32, 1},       {16, 100, 40, 16, 6}, {32, 64, 8, 32, 4},
      {32, 40, 20, 32, 16},       {32, 33, 33, 32, 32}, {48, 4000, 3000, 48, 35},
      {16, 20000, 20000, 16, 16}, {16, 1, 5000, 1, 16}, {32, 20000, 1, 32, 1},
  };
  for (const Case& c : cases) {
    const PasteSize size = FitPasteSize(c.edge, c.edge, c.cw, c.ch);
    EXPECT_EQ(size.PasteWidth, c.width) << c.cw << " x " << c.ch << " into " << c.edge;
    EXPECT_EQ(size.PasteHeight, c.height) << c.cw << " x " << c.ch << " into " << c.edge;
  }
}

TEST(FitPasteSize, StepsInSinglePrecisionAndRoundsHalvesToEven) {
  // 75 x 30 into 16: after 7867 steps of 0.0075 and 0.003 in single precision the width is
  // 15.9999 and the height 6.3972: 16 x 6. In single precision 4000 x 3000 into 48 takes
  // 9881 steps (the rounding of each step adds up), not the 9880 exact arithmetic would.
  PasteSize size = FitPasteSize(16, 16, 75, 30);
  EXPECT_EQ(size.PasteWidth, 16.0f);
  EXPECT_EQ(size.PasteHeight, 6.0f);
  size = FitPasteSize(48, 48, 4000, 3000);
  EXPECT_EQ(size.PasteHeight, 35.0f);
  // 50 x 25 into 32 stops at 31.9962 x 15.9981: 32 x 16.
  size = FitPasteSize(32, 32, 50, 25);
  EXPECT_EQ(size.PasteWidth, 32.0f);
  EXPECT_EQ(size.PasteHeight, 16.0f);
  // A picture with no pixels gives no size.
  size = FitPasteSize(32, 32, 0, 10);
  EXPECT_EQ(size.PasteWidth, 0.0f);
  EXPECT_EQ(size.PasteHeight, 0.0f);
}

TEST(FitPasteSize, CountsLikeAPlainFloatLoop) {
  // The same loop written out here in float, for a spread of sizes: the result must match
  // exactly, including where a difference lands a hair above or below the edge.
  for (int cw = 17; cw < 400; cw += 7)
    for (int ch = 1; ch < 400; ch += 13) {
      float w = static_cast<float>(cw), h = static_cast<float>(ch);
      const float dw = w / 10000.0f, dh = h / 10000.0f;
      const bool by_width = w >= h;
      do {
        w = w - dw;
        h = h - dh;
      } while ((by_width ? w : h) > 16.0f);
      if (h < 1) h = 1;
      if (w < 1) w = 1;
      const PasteSize size = FitPasteSize(16, 16, cw, ch);
      ASSERT_EQ(size.PasteWidth, std::nearbyint(w)) << cw << " x " << ch;
      ASSERT_EQ(size.PasteHeight, std::nearbyint(h)) << cw << " x " << ch;
    }
}

}  // namespace
}  // namespace brindlex
