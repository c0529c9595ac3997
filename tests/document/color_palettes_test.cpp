#include "document/color_palettes.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "picture.h"

namespace brindlex {
namespace {

TEST(HslToRgb, SextantsAndLightness) {
  EXPECT_EQ(RgbColor(HslToRgb(0, 0.5, 1)), 0x0000FFu);  // red
  EXPECT_EQ(RgbColor(HslToRgb(1, 0.5, 1)), 0x00FFFFu);  // yellow
  EXPECT_EQ(RgbColor(HslToRgb(2, 0.5, 1)), 0x00FF00u);  // green
  EXPECT_EQ(RgbColor(HslToRgb(3, 0.5, 1)), 0xFFFF00u);  // cyan
  EXPECT_EQ(RgbColor(HslToRgb(4, 0.5, 1)), 0xFF0000u);  // blue
  EXPECT_EQ(RgbColor(HslToRgb(5, 0.5, 1)), 0xFF00FFu);  // magenta
  // Red 127.5 rounds to the even 128, green 63.75 to 64.
  EXPECT_EQ(RgbColor(HslToRgb(0.5, 0.25, 1)), 0x004080u);
  EXPECT_EQ(RgbColor(HslToRgb(2.5, 0.75, 1)), 0xBFFF80u);
}

TEST(HslToRgb, RoundsHalvesToEven) {
  // Grey levels whose share times 255 is exactly n + 0.5.
  EXPECT_EQ(HslToRgb(0, 0.5 / 255, 0).red, 0);
  EXPECT_EQ(HslToRgb(0, 1.5 / 255, 0).green, 2);
  EXPECT_EQ(HslToRgb(0, 2.5 / 255, 0).blue, 2);
  EXPECT_EQ(HslToRgb(0, 3.5 / 255, 0).red, 4);
}

TEST(ColorField, KnownPixels) {
  Surface field;
  DrawColorPalette(field);
  ASSERT_EQ(field.Width(), 51);
  ASSERT_EQ(field.Height(), 335);
  EXPECT_EQ(field.GetPixel(0, 0), 0x000000u);
  EXPECT_EQ(field.GetPixel(25, 0), 0x0000FFu);  // pure red at the top of the middle column
  EXPECT_EQ(field.GetPixel(50, 0), 0xFFFFFFu);
  EXPECT_EQ(field.GetPixel(1, 1), 0x00000Au);
  EXPECT_EQ(field.GetPixel(25, 67), 0x00FFFEu);
  EXPECT_EQ(field.GetPixel(25, 100), 0x00FF80u);
  EXPECT_EQ(field.GetPixel(10, 200), 0x656600u);
  EXPECT_EQ(field.GetPixel(40, 150), 0xB2FF99u);
  EXPECT_EQ(field.GetPixel(17, 250), 0xAD2D00u);
  EXPECT_EQ(field.GetPixel(25, 334), 0xFF00FFu);  // magenta at the bottom
  EXPECT_EQ(field.GetPixel(33, 334), 0xFF52FFu);
  EXPECT_EQ(field.GetPixel(49, 49), 0xF5FCFFu);
  for (int y = 0; y < 335; ++y) {
    EXPECT_EQ(field.GetPixel(0, y), kBlack) << y;
    EXPECT_EQ(field.GetPixel(50, y), kWhite) << y;
  }
}

TEST(ColorField, EveryPixelMatchesTheReference) {
  // A fold of all 17085 colours, row by row, computed by an independent implementation of
  // the field in double precision with halves rounded to even.
  Surface field;
  DrawColorPalette(field);
  std::uint64_t fold = 0;
  for (int y = 0; y < field.Height(); ++y)
    for (int x = 0; x < field.Width(); ++x) fold = fold * 31 + field.GetPixel(x, y);
  EXPECT_EQ(fold, 2296883549223611849ull);
}

TEST(GreyRamp, LevelsByColumn) {
  Surface ramp;
  DrawGreyPalette(ramp);
  ASSERT_EQ(ramp.Width(), 92);
  ASSERT_EQ(ramp.Height(), 32);
  const std::pair<int, Color> columns[] = {{0, 0x000000},  {1, 0x030303},  {45, 0x7F7F7F},
                                           {46, 0x818181}, {90, 0xFDFDFD}, {91, 0xFFFFFF}};
  for (auto [k, grey] : columns)
    for (int y = 0; y < 32; ++y) EXPECT_EQ(ramp.GetPixel(k, y), grey) << k << "," << y;
}

TEST(MiniPalette, CellsWithEtchedEdges) {
  Surface mini;
  DrawMiniPalette(mini);
  ASSERT_EQ(mini.Width(), 96);
  ASSERT_EQ(mini.Height(), 52);
  for (int i = 0; i < 16; ++i) {
    const int left = 24 * (i % 4), top = 13 * (i / 4);
    SCOPED_TRACE(i);
    // The inside of the cell: rows 2..10, columns 2..21.
    for (int y = top + 2; y <= top + 10; ++y)
      for (int x = left + 2; x <= left + 21; ++x) ASSERT_EQ(mini.GetPixel(x, y), kBasicColors[i]);
    // Outer ring: grey top and left, white bottom and right; inner ring the other way.
    EXPECT_EQ(mini.GetPixel(left + 5, top), kGrey);
    EXPECT_EQ(mini.GetPixel(left, top + 5), kGrey);
    EXPECT_EQ(mini.GetPixel(left + 5, top + 12), kWhite);
    EXPECT_EQ(mini.GetPixel(left + 23, top + 5), kWhite);
    EXPECT_EQ(mini.GetPixel(left + 5, top + 1), kWhite);
    EXPECT_EQ(mini.GetPixel(left + 1, top + 5), kWhite);
    EXPECT_EQ(mini.GetPixel(left + 5, top + 11), kGrey);
    EXPECT_EQ(mini.GetPixel(left + 22, top + 5), kGrey);
  }
}

TEST(MiniPalette, ColourUnderAPoint) {
  EXPECT_EQ(BasicColorAt(0, 0), 0x000000u);
  EXPECT_EQ(BasicColorAt(30, 20), 0x800080u);  // column 1, row 1: index 5
  EXPECT_EQ(BasicColorAt(24, 13), 0x800080u);  // on the etched edge: still the cell's colour
  EXPECT_EQ(BasicColorAt(95, 51), 0xFFFFFFu);
  EXPECT_EQ(BasicColorAt(0, 39), 0x0000FFu);  // index 12
  // Beyond the grid: the nearest cell, never a colour from outside the table.
  EXPECT_EQ(BasicColorAt(96, 0), kBasicColors[3]);
  EXPECT_EQ(BasicColorAt(-5, 60), kBasicColors[12]);
}

TEST(TransparentSwatch, HatchOnWhite) {
  Surface swatch;
  DrawTransparentSwatch(swatch);
  ASSERT_EQ(swatch.Width(), 51);
  ASSERT_EQ(swatch.Height(), 13);
  const auto rows = testing::Rows(swatch);
  EXPECT_EQ(rows[0], std::string(51, '.'));
  EXPECT_EQ(rows[12], std::string(51, '.'));
  EXPECT_EQ(rows[1].substr(0, 12), "...#...#...#");
  EXPECT_EQ(rows[2].substr(0, 12), "..#...#...#.");
  EXPECT_EQ(rows[3].substr(0, 12), ".#...#...#..");
  EXPECT_EQ(rows[4].substr(0, 12), "....#...#...");
  EXPECT_EQ(rows[11].substr(44), ".#...#.");  // x = 45 and 49 on row 11; column 50 white
}

}  // namespace
}  // namespace brindlex
