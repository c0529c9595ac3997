#include "effects/button_effect.h"

#include <gtest/gtest.h>

#include "picture.h"

namespace brindlex {
namespace {

// An opaque icon of one colour.
struct Planes {
  Planes(int edge, Color color) : mask(edge, edge, kBlack), image(edge, edge, color) {}
  Surface mask, image;
};

TEST(ShiftBrightness, MovesEachChannelAndClamps) {
  EXPECT_EQ(ShiftBrightness(0x808080, false, 120), 0xF8F8F8u);
  EXPECT_EQ(ShiftBrightness(0x808080, true, 120), 0x080808u);
  EXPECT_EQ(ShiftBrightness(0xFFFFFF, false, 60), 0xFFFFFFu);
  EXPECT_EQ(ShiftBrightness(0x000000, true, 60), 0x000000u);
  // Channels move and clamp one by one: red 0x10, green 0x80, blue 0xF0.
  EXPECT_EQ(ShiftBrightness(0xF08010, false, 30), 0xFF9E2Eu);
  EXPECT_EQ(ShiftBrightness(0xF08010, true, 30), 0xD26200u);
}

TEST(MakeButton, GreySixteenPixelIconGetsTwoRings) {
  Planes p(16, kGrey);
  MakeButton(p.mask, p.image);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      Color expected = kGrey;
      if (y == 0 || (x == 0 && y < 15))
        expected = 0xF8F8F8;  // ring 0, light
      else if (y == 15 || x == 15)
        expected = 0x080808;  // ring 0, dark
      else if (y == 1 && x <= 14)
        expected = 0xBCBCBC;  // ring 1 top
      else if (x == 1 && y < 14)
        expected = 0xBCBCBC;  // ring 1 left
      else if (y == 14 || x == 14)
        expected = 0x444444;  // ring 1 dark
      ASSERT_EQ(p.image.GetPixel(x, y), expected) << x << "," << y;
    }
  // The corners: top-right lightened, bottom-left darkened.
  EXPECT_EQ(p.image.GetPixel(15, 0), 0xF8F8F8u);
  EXPECT_EQ(p.image.GetPixel(0, 15), 0x080808u);
  EXPECT_EQ(p.image.GetPixel(14, 1), 0xBCBCBCu);
  EXPECT_EQ(p.image.GetPixel(1, 14), 0x444444u);
  EXPECT_TRUE(p.mask.SamePixels(Surface(16, 16, kBlack)));
}

TEST(MakeButton, LargerIconsShiftMoreRingsByDoublingAmounts) {
  // 32: rings 2, 1, 0 with 30, 60, 120; 48: rings 3..0 with 10, 20, 40, 80.
  const struct {
    int edge;
    std::vector<int> shifts;  // by ring, outer first
  } cases[] = {{32, {120, 60, 30}}, {48, {80, 40, 20, 10}}};
  for (const auto& c : cases) {
    Planes p(c.edge, kGrey);
    int rings_run = 0;
    MakeButton(p.mask, p.image, [&] { ++rings_run; });
    EXPECT_EQ(rings_run, static_cast<int>(c.shifts.size()));
    const int last = c.edge - 1;
    for (int d = 0; d < static_cast<int>(c.shifts.size()); ++d) {
      const Color light = ShiftBrightness(kGrey, false, c.shifts[d]);
      const Color dark = ShiftBrightness(kGrey, true, c.shifts[d]);
      EXPECT_EQ(p.image.GetPixel(c.edge / 2, d), light) << c.edge << " ring " << d;
      EXPECT_EQ(p.image.GetPixel(d, c.edge / 2), light);
      EXPECT_EQ(p.image.GetPixel(last - d, d), light);  // top-right corner of the ring
      EXPECT_EQ(p.image.GetPixel(c.edge / 2, last - d), dark);
      EXPECT_EQ(p.image.GetPixel(last - d, c.edge / 2), dark);
      EXPECT_EQ(p.image.GetPixel(d, last - d), dark);  // bottom-left corner of the ring
    }
    const int inner = static_cast<int>(c.shifts.size());
    for (int y = inner; y <= last - inner; ++y)
      for (int x = inner; x <= last - inner; ++x) ASSERT_EQ(p.image.GetPixel(x, y), kGrey);
  }
}

TEST(MakeButton, OnlyOpaquePixelsChange) {
  Planes p(16, kBlack);
  // Transparent, inverting and a mask that is nearly black: none of them is touched.
  p.mask.SetPixel(3, 0, kWhite);
  p.image.SetPixel(3, 0, kBlack);
  p.mask.SetPixel(4, 0, kWhite);
  p.image.SetPixel(4, 0, 0x0000FF);
  p.mask.SetPixel(5, 0, 0x000001);
  p.image.SetPixel(5, 0, 0x202020);
  p.image.SetPixel(6, 0, 0x202020);
  MakeButton(p.mask, p.image);
  EXPECT_EQ(p.image.GetPixel(3, 0), kBlack);
  EXPECT_EQ(p.image.GetPixel(4, 0), 0x0000FFu);
  EXPECT_EQ(p.image.GetPixel(5, 0), 0x202020u);
  EXPECT_EQ(p.image.GetPixel(6, 0), 0x989898u);
  EXPECT_EQ(p.image.GetPixel(7, 0), 0x787878u);

  Surface transparent_mask(16, 16, kWhite), image(16, 16, kBlack);
  MakeButton(transparent_mask, image);
  EXPECT_TRUE(image.SamePixels(Surface(16, 16, kBlack)));
}

TEST(MakeButton, OtherEdgesAreLeftAlone) {
  EXPECT_EQ(BevelRingsOf(24).innermost, -1);
  Planes p(24, kGrey);
  MakeButton(p.mask, p.image);
  EXPECT_TRUE(p.image.SamePixels(Surface(24, 24, kGrey)));
}

}  // namespace
}  // namespace brindlex
