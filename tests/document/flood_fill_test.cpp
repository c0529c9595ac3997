#include "document/flood_fill.h"

#include <gtest/gtest.h>

#include "document/color_palettes.h"
#include "picture.h"

namespace brindlex {
namespace {

using testing::Picture;
using testing::Rows;
using Strings = std::vector<std::string>;

// Legend for the planes: '.' white, '#' black, 'o' red, 'g' green.
const std::map<Color, char> kLegend = {
    {kWhite, '.'}, {kBlack, '#'}, {0x0000FF, 'o'}, {0x00FF00, 'g'}, {0xFF0000, 'b'}};

TEST(ConnectedRegion, FourConnectedSameColourOnly) {
  const Surface plane = Picture({"..#..", ".#...", "#..#.", "...#."});
  const std::vector<bool> region = ConnectedRegion(plane, 4, 0);
  Strings marked;
  for (int y = 0; y < 4; ++y) {
    std::string row;
    for (int x = 0; x < 5; ++x) row += region[y * 5 + x] ? 'x' : '-';
    marked.push_back(row);
  }
  // The diagonal wall of '#' separates the top-left corner; (0,0) is not reached.
  EXPECT_EQ(marked, (Strings{"---xx", "--xxx", "-xx-x", "xxx-x"}));
  EXPECT_EQ(ConnectedRegion(plane, 5, 0), std::vector<bool>(20, false));
  EXPECT_EQ(ConnectedRegion(plane, -1, 2), std::vector<bool>(20, false));
}

TEST(FloodFillPlanes, FillsTheIntersectionOfTheMaskAndColourRegions) {
  // A transparent icon (mask white, image black) with: an inverting pixel 'o' (mask white,
  // image red), an opaque black pixel (mask black, image black) and a wall of opaque green.
  Surface mask = Picture({".....",  //
                          ".....",  //
                          "##...",  //
                          "..#..",  //
                          "..#.."});
  Surface image = Picture({"##o##",  //
                           "##o##",  //
                           "ggo##",  //
                           "##g##",  //
                           "##g##"});
  // The rectangle around the filled pixels is what the views must show again.
  EXPECT_EQ(FloodFillPlanes(mask, image, 4, 0, kBlack, 0xFF0000), (PixelRect{3, 0, 5, 5}));
  // Filled: the two right columns. The top-left block and the red column belong to the
  // seed's mask region but not to its colour region; the bottom-left block to neither.
  EXPECT_EQ(Rows(mask, kLegend), (Strings{"...##",  //
                                          "...##",  //
                                          "##.##",  //
                                          "..###",  //
                                          "..###"}));
  EXPECT_EQ(Rows(image, kLegend), (Strings{"##obb",  //
                                           "##obb",  //
                                           "ggobb",  //
                                           "##gbb",  //
                                           "##gbb"}));
}

TEST(FloodFillPlanes, TheIntersectionNeedNotBeConnected) {
  // The mask region skips (0,1) and the colour region skips (1,1) and (2,1): their
  // intersection is the top and the bottom row, and both are filled.
  Surface mask = Picture({"...",  //
                          "#..",  //
                          "..."});
  Surface image = Picture({"###",  //
                           "#oo",  //
                           "###"});
  FloodFillPlanes(mask, image, 0, 0, kBlack, 0x00FF00);
  EXPECT_EQ(Rows(mask, kLegend), (Strings{"###", "#..", "###"}));
  EXPECT_EQ(Rows(image, kLegend), (Strings{"ggg", "#oo", "ggg"}));
}

TEST(FloodFillPlanes, InvertingPixelsOfAnyColourNeverJoinTheFill) {
  // Inverting pixels whose colour could equal any marker colour stay as they are.
  for (Color c : {Color{0x000001}, Color{0x0000FF}, Color{0xFFFFFE}}) {
    Surface mask(4, 1, kWhite);
    Surface image(4, 1, kBlack);
    image.SetPixel(2, 0, c);
    FloodFillPlanes(mask, image, 0, 0, kBlack, 0x00FF00);
    EXPECT_EQ(image.GetPixel(0, 0), 0x00FF00u);
    EXPECT_EQ(image.GetPixel(1, 0), 0x00FF00u);
    EXPECT_EQ(image.GetPixel(2, 0), c);
    EXPECT_EQ(mask.GetPixel(2, 0), kWhite);
    EXPECT_EQ(image.GetPixel(3, 0), kBlack);
  }
}

TEST(FloodFillPlanes, SeedOutsideOrMismatchedPlanesChangeNothing) {
  Surface mask(3, 3, kWhite), image(3, 3, kBlack);
  EXPECT_TRUE(FloodFillPlanes(mask, image, 3, 0, kBlack, 0x0000FF).Empty());
  EXPECT_TRUE(FloodFillPlanes(mask, image, 0, -1, kBlack, 0x0000FF).Empty());
  EXPECT_TRUE(mask.SamePixels(Surface(3, 3, kWhite)));
  EXPECT_TRUE(image.SamePixels(Surface(3, 3, kBlack)));
  Surface small(2, 2, kBlack);
  FloodFillPlanes(mask, small, 0, 0, kBlack, 0x0000FF);
  EXPECT_TRUE(mask.SamePixels(Surface(3, 3, kWhite)));
}

TEST(FindUnusedColor, PicksAFieldColourThePreviewDoesNotShow) {
  Surface field;
  DrawColorPalette(field);
  Surface preview(16, 16, kButtonFace);
  std::mt19937 random(7);
  for (int i = 0; i < 20; ++i) {
    const std::optional<Color> c = FindUnusedColor(field, preview, 15, random);
    ASSERT_TRUE(c.has_value());
    EXPECT_GE(*c, 1u);
    EXPECT_LE(*c, 0xFFFFFEu);
    EXPECT_NE(*c, kButtonFace);
    preview.SetPixel(i % 16, i / 16, *c);  // next time that colour is taken
  }
}

TEST(FindUnusedColor, GivesUpWhenNoFieldColourQualifies) {
  Surface field(51, 335, kWhite);  // only 0xFFFFFF: always rejected
  Surface preview(16, 16, kButtonFace);
  std::mt19937 random(1);
  EXPECT_FALSE(FindUnusedColor(field, preview, 15, random, 500).has_value());
  Surface one(51, 335, 0x123456);
  Surface uses_it(16, 16, 0x123456);
  EXPECT_FALSE(FindUnusedColor(one, uses_it, 15, random, 500).has_value());
  EXPECT_EQ(FindUnusedColor(one, preview, 15, random, 500), std::optional<Color>(0x123456));
}

}  // namespace
}  // namespace brindlex
