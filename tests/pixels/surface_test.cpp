#include "pixels/surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <functional>
#include <string>

#include "picture.h"

namespace brindlex {
namespace {

using testing::Picture;
using testing::Rows;
using testing::SamePixels;
using Strings = std::vector<std::string>;

Surface Blank(int w, int h) { return Surface(w, h, kWhite); }

TEST(Surface, PixelsOutsideAreIgnoredAndReadInvalid) {
  Surface s = Blank(3, 2);
  s.SetPixel(-1, 0, kBlack);
  s.SetPixel(3, 1, kBlack);
  s.SetPixel(1, 1, 0xFF123456);
  EXPECT_EQ(s.GetPixel(1, 1), 0x123456u);
  EXPECT_EQ(s.GetPixel(-1, 0), kInvalidColor);
  EXPECT_EQ(s.GetPixel(0, 2), kInvalidColor);
  EXPECT_EQ(Rows(s), (Strings{"...", ".?."}));
}

TEST(Surface, LinesLeaveOutTheirEndPoint) {
  Surface s = Blank(5, 3);
  s.Line(1, 1, 2, 2);  // diagonal neighbour: only the start
  EXPECT_EQ(Rows(s), (Strings{".....", ".#...", "....."}));
  s.Clear();
  s.Line(0, 0, 4, 2);
  EXPECT_EQ(Rows(s), (Strings{"##...", "..##.", "....."}));
  s.Clear();
  s.Line(2, 1, 2, 1);  // no length: nothing
  EXPECT_EQ(Rows(s), (Strings{".....", ".....", "....."}));
  s.Line(-100000, 1, 100000, 1);  // far off: clipped
  EXPECT_EQ(Rows(s), (Strings{".....", "#####", "....."}));
}

TEST(Surface, BoxesIncludeBothCornersInEitherOrder) {
  Surface a = Blank(5, 5), b = Blank(5, 5);
  a.Box(1, 1, 3, 3, false);
  b.Box(3, 3, 1, 1, false);
  EXPECT_EQ(Rows(a), (Strings{".....", ".###.", ".#.#.", ".###.", "....."}));
  EXPECT_TRUE(SamePixels(a, b));
  Surface one = Blank(3, 3);
  one.Box(1, 1, 1, 1, false);
  EXPECT_EQ(Rows(one), (Strings{"...", ".#.", "..."}));
  Surface filled = Blank(4, 3);
  filled.Box(-5, 1, 2, 9, true, 0x0000FF);
  EXPECT_EQ(Rows(filled, {{kWhite, '.'}, {0x0000FF, 'o'}}), (Strings{"....", "ooo.", "ooo."}));
}

TEST(Surface, InvertingFiguresTwiceRestoreTheSurface) {
  Surface s = Picture({"#o..#.", "..g...", "b....#", "......", ".#..#.", "....o."});
  const Surface before = s;
  s.draw_mode = DrawMode::kInvert;
  s.pen_width = 3;
  s.Box(1, 1, 4, 4, false);
  EXPECT_FALSE(s.SamePixels(before));
  EXPECT_EQ(s.GetPixel(0, 0), 0xFFFFFFu);  // the wide pen reaches one pixel outside
  s.Box(1, 1, 4, 4, false);
  EXPECT_TRUE(SamePixels(before, s));
  s.pen_width = 1;
  for (int pass = 0; pass < 2; ++pass) {
    s.Line(0, 5, 5, 0);
    s.Ellipse(0, 0, 6, 5);
    s.Circle(3, 3, 2);
    s.Box(4, 4, 0, 0, false);
  }
  EXPECT_TRUE(SamePixels(before, s));
}

TEST(Surface, EllipseIsInscribedAndSymmetric) {
  Surface one = Blank(3, 3);
  one.Ellipse(1, 1, 2, 2);
  EXPECT_EQ(Rows(one), (Strings{"...", ".#.", "..."}));
  Surface e = Blank(9, 7);
  e.fill = 0x0000FF;
  e.filling = true;
  e.Ellipse(8, 6, 1, 1);  // corners in either order; column 8 and row 6 excluded
  EXPECT_EQ(Rows(e, {{kWhite, '.'}, {kBlack, '#'}, {0x0000FF, 'o'}}),
            (Strings{".........", "..#####..", ".#ooooo#.", ".#ooooo#.", ".#ooooo#.", "..#####..",
                     "........."}));
  // A huge box: only its visible part is drawn (here all inside, so all filled).
  Surface huge = Blank(4, 4);
  huge.fill = 0x0000FF;
  huge.filling = true;
  huge.Ellipse(-2000000000, -2000000000, 2000000000, 2000000000);
  EXPECT_EQ(Rows(huge, {{0x0000FF, 'o'}}), (Strings{"oooo", "oooo", "oooo", "oooo"}));
  Surface empty = Blank(3, 3);
  empty.Ellipse(1, 1, 1, 3);  // no width: nothing
  EXPECT_EQ(Rows(empty), (Strings{"...", "...", "..."}));
}

// The pixels of the ellipse in the box (0, 0, w, h) on a white w x h surface, the outline
// in black and, when filling, the inside in red.
Strings EllipseRows(int w, int h, bool filling) {
  Surface s = Blank(w, h);
  s.fill = 0x0000FF;
  s.filling = filling;
  s.Ellipse(0, 0, w, h);
  return Rows(s, {{kWhite, '.'}, {kBlack, '#'}, {0x0000FF, 'o'}});
}

TEST(Surface, ThinEllipsesTouchAllFourSides) {
  EXPECT_EQ(EllipseRows(1, 5, false), (Strings{"#", "#", "#", "#", "#"}));
  EXPECT_EQ(EllipseRows(5, 1, true), (Strings{"#####"}));
  EXPECT_EQ(EllipseRows(8, 2, false), (Strings{"########", "########"}));
  EXPECT_EQ(EllipseRows(8, 2, true), (Strings{"########", "########"}));
  EXPECT_EQ(EllipseRows(2, 10, true), Strings(10, "##"));
  EXPECT_EQ(EllipseRows(3, 7, true), (Strings{".#.", "#o#", "#o#", "#o#", "#o#", "#o#", ".#."}));
  EXPECT_EQ(EllipseRows(7, 3, false), (Strings{".#####.", "#.....#", ".#####."}));
  // A long narrow box keeps its ends: the middle columns reach the top and bottom rows.
  const Strings tall = EllipseRows(4, 40, true);
  EXPECT_EQ(tall.front(), ".##.");
  EXPECT_EQ(tall.back(), ".##.");
  EXPECT_EQ(tall[20], "#oo#");
}

TEST(Surface, UsualEllipsesKeepTheirShape) {
  EXPECT_EQ(EllipseRows(6, 6, true),
            (Strings{".####.", "#oooo#", "#oooo#", "#oooo#", "#oooo#", ".####."}));
  EXPECT_EQ(EllipseRows(7, 7, false),
            (Strings{"..###..", ".#...#.", "#.....#", "#.....#", "#.....#", ".#...#.", "..###.."}));
  EXPECT_EQ(EllipseRows(2, 2, false), (Strings{"##", "##"}));
  EXPECT_EQ(EllipseRows(3, 3, true), (Strings{"###", "#o#", "###"}));
}

TEST(Surface, EveryEllipseIsSymmetricTouchesItsBoxAndInvertsEachPixelOnce) {
  for (int w = 1; w <= 40; ++w) {
    for (int h = 1; h <= 40; ++h) {
      SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
      const Strings solid = EllipseRows(w, h, true);
      Strings mirrored = solid;
      std::reverse(mirrored.begin(), mirrored.end());
      EXPECT_EQ(mirrored, solid);
      for (auto& row : mirrored) std::reverse(row.begin(), row.end());
      EXPECT_EQ(mirrored, solid);
      bool left = false, right = false;
      for (const auto& row : solid) {
        left = left || row.front() != '.';
        right = right || row.back() != '.';
      }
      EXPECT_TRUE(left && right);
      EXPECT_NE(solid.front(), std::string(w, '.'));
      EXPECT_NE(solid.back(), std::string(w, '.'));
      // The outline alone is the solid figure's border: the same set without the inside.
      const Strings outline = EllipseRows(w, h, false);
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
          EXPECT_EQ(outline[y][x] == '#', solid[y][x] == '#') << x << ", " << y;
      // Inverting a white surface once blackens exactly the solid figure: no pixel is
      // complemented twice.
      Surface inverted = Blank(w, h);
      inverted.draw_mode = DrawMode::kInvert;
      inverted.filling = true;
      inverted.Ellipse(0, 0, w, h);
      Strings expected = solid;
      for (auto& row : expected)
        for (char& c : row) c = c == '.' ? '.' : '#';
      EXPECT_EQ(Rows(inverted), expected);
    }
  }
}

TEST(Surface, BlocksCombineAndClip) {
  Surface dst = Picture({"..", "#."});
  Surface src = Picture({"oo", "g#"});
  dst.BitBlt(0, 0, 2, 2, src, 0, 0, RasterOp::kAnd);
  EXPECT_EQ(dst.GetPixel(0, 0), 0x0000FFu);
  EXPECT_EQ(dst.GetPixel(0, 1), kBlack);
  dst.BitBlt(0, 0, 2, 2, src, 0, 0, RasterOp::kInvert);
  EXPECT_EQ(dst.GetPixel(0, 0), kBlack);
  EXPECT_EQ(dst.GetPixel(1, 1), kBlack);
  Surface clipped = Blank(3, 3);
  clipped.BitBlt(-1, 2, 5, 5, src, 0, 0);
  EXPECT_EQ(Rows(clipped, {{kWhite, '.'}, {0x0000FF, 'o'}}), (Strings{"...", "...", "o.."}));
  clipped.BitBlt(1, 1, 10, 10, clipped, 0, 1);  // onto itself
  EXPECT_EQ(Rows(clipped, {{kWhite, '.'}, {0x0000FF, 'o'}}), (Strings{"...", "...", "oo."}));
}

TEST(Surface, StretchReplicatesAndMirrors) {
  Surface src = Picture({"#o", "g."});
  Surface big(384, 384);
  Surface plane(16, 16, kBlack);
  plane.SetPixel(15, 0, 0x0000FF);
  big.StretchBlt(0, 0, 384, 384, plane, 0, 0, 16, 16);
  EXPECT_EQ(big.GetPixel(359, 23), kBlack);
  EXPECT_EQ(big.GetPixel(360, 0), 0x0000FFu);
  EXPECT_EQ(big.GetPixel(383, 23), 0x0000FFu);
  EXPECT_EQ(big.GetPixel(383, 24), kBlack);

  Surface mirrored = Blank(2, 2);
  mirrored.StretchBlt(2, 0, -2, 2, src, 0, 0, 2, 2);
  EXPECT_EQ(Rows(mirrored, {{kWhite, '.'}, {kBlack, '#'}, {0x0000FF, 'o'}, {0x00FF00, 'g'}}),
            (Strings{"o#", ".g"}));
  Surface flipped = Blank(2, 2);
  flipped.StretchBlt(0, 0, 2, 2, src, 0, 2, 2, -2);
  EXPECT_EQ(Rows(flipped, {{kWhite, '.'}, {kBlack, '#'}, {0x0000FF, 'o'}, {0x00FF00, 'g'}}),
            (Strings{"g.", "#o"}));
  Surface shrunk = Blank(1, 1);
  shrunk.StretchBlt(0, 0, 1, 1, src, 0, 0, 2, 2);
  EXPECT_EQ(shrunk.GetPixel(0, 0), kBlack);
  shrunk.StretchBlt(-50, -50, 1000, 1000, src, -7, -7, 2, 2);  // source outside: skipped
  EXPECT_EQ(shrunk.GetPixel(0, 0), kBlack);
}

TEST(Surface, FloodFillFollowsFourNeighboursOfTheSeedColour) {
  Surface s = Picture({"..#..", ".#.#.", "#...#", ".#.#.", "..#.."});
  s.fill = 0x0000FF;
  s.FloodFillSurface(2, 2);
  EXPECT_EQ(Rows(s, {{kWhite, '.'}, {kBlack, '#'}, {0x0000FF, 'o'}}),
            (Strings{"..#..", ".#o#.", "#ooo#", ".#o#.", "..#.."}));
  s.FloodFillSurface(-1, 2);
  s.FloodFillSurface(0, 0);
  EXPECT_EQ(Rows(s, {{kWhite, '.'}, {kBlack, '#'}, {0x0000FF, 'o'}})[0], "oo#..");
}

TEST(Surface, OneBitConversionKeysOnTheBackground) {
  Surface s = Picture({"o.", "#o"});
  s.background = 0x0000FF;
  EXPECT_EQ(Rows(ToOneBit(s)), (Strings{".#", "#."}));
}

TEST(Surface, EdgesFrameTheRectangle) {
  Surface s(4, 4, kBlack);
  s.DrawEdge(0, 0, 4, 4, EdgeKind::kEtched);
  EXPECT_EQ(Rows(s, {{kWhite, 'w'}, {kGrey, 'g'}, {kBlack, '#'}}),
            (Strings{"gggw", "gwgw", "gggw", "wwww"}));
}

// Draws on a fresh 6 x 5 surface of a few colours: one with the far-off coordinates, one with
// the nearby ones that give the same pixels.
void ExpectSameAsNearby(const std::function<void(Surface&)>& far,
                        const std::function<void(Surface&)>& nearby, int pen_width = 1) {
  Surface a = Picture({"#o..g.", "..b...", "o....#", "..g...", ".#..b."}), b = a;
  a.pen_width = b.pen_width = pen_width;
  far(a);
  nearby(b);
  EXPECT_TRUE(SamePixels(b, a));
}

TEST(Surface, ExtremeCoordinatesClipToTheSamePixelsQuickly) {
  const auto start = std::chrono::steady_clock::now();
  const Surface source = Picture({"ob#", "g.b"});
  auto nothing = [](Surface&) {};
  // Lines: the clipped walk sets the pixels the whole walk would.
  ExpectSameAsNearby([](Surface& s) { s.Line(INT_MIN, 1, INT_MAX, 1); },
                     [](Surface& s) { s.Line(-9, 1, 9, 1); });
  ExpectSameAsNearby([](Surface& s) { s.Line(INT_MIN, INT_MIN, INT_MAX, INT_MAX); },
                     [](Surface& s) { s.Line(-9, -9, 9, 9); });
  ExpectSameAsNearby([](Surface& s) { s.Line(2, INT_MAX, 2, INT_MIN); },
                     [](Surface& s) { s.Line(2, 9, 2, -9); });
  ExpectSameAsNearby([](Surface& s) { s.Line(INT_MAX, -1, INT_MIN, -1); },
                     [](Surface& s) { s.Line(9, -1, -9, -1); }, 3);
  ExpectSameAsNearby([](Surface& s) { s.Line(INT_MIN, INT_MAX, INT_MAX, INT_MIN); }, nothing);
  // Two billion steps across and three down: halfway, at column 0, the walk is on row 1.
  Surface shallow = Blank(8, 4);
  shallow.Line(-1000000000, 0, 1000000000, 3);
  EXPECT_EQ(Rows(shallow), (Strings{"........", "#.......", ".#######", "........"}));
  // Blocks.
  ExpectSameAsNearby(
      [&](Surface& s) { s.BitBlt(-1000000000, 1, INT_MAX, INT_MAX, source, -1000000000, 0); },
      [&](Surface& s) { s.BitBlt(0, 1, 3, 2, source, 0, 0); });
  ExpectSameAsNearby([&](Surface& s) { s.BitBlt(INT_MIN, 0, 4, 4, source, INT_MAX, 0); }, nothing);
  ExpectSameAsNearby(
      [&](Surface& s) { s.BitBlt(0, 0, INT_MAX, INT_MAX, source, INT_MIN, INT_MIN); }, nothing);
  ExpectSameAsNearby([&](Surface& s) { s.StretchBlt(INT_MIN, 0, INT_MIN, 4, source, 0, 0, 3, 2); },
                     nothing);
  // Boxes, ellipses, circles and edges.
  ExpectSameAsNearby([](Surface& s) { s.Box(-1, -1, INT_MAX, INT_MAX, false); },
                     [](Surface& s) { s.Box(-1, -1, 99, 99, false); }, 3);
  ExpectSameAsNearby([](Surface& s) { s.Box(INT_MIN, INT_MIN, INT_MAX, INT_MAX, false); }, nothing,
                     3);
  ExpectSameAsNearby(
      [](Surface& s) {
        s.fill = 0x0000FF;
        s.filling = true;
        s.Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
      },
      [](Surface& s) { s.Box(0, 0, 5, 4, true, 0x0000FF); });
  ExpectSameAsNearby([](Surface& s) { s.Circle(1000000000, 2, 1000000000); },
                     [](Surface& s) { s.Circle(100, 2, 100); });
  ExpectSameAsNearby([](Surface& s) { s.Circle(INT_MAX, 2, INT_MAX); },
                     [](Surface& s) { s.Circle(100, 2, 100); });
  ExpectSameAsNearby([](Surface& s) { s.Circle(INT_MIN, INT_MIN, INT_MAX); }, nothing);
  ExpectSameAsNearby([](Surface& s) { s.Circle(0, 0, INT_MAX); }, nothing);
  ExpectSameAsNearby([](Surface& s) { s.DrawEdge(0, 0, INT_MAX, INT_MAX, EdgeKind::kSunkenOuter); },
                     [](Surface& s) { s.DrawEdge(0, 0, 99, 99, EdgeKind::kSunkenOuter); });
  ExpectSameAsNearby([](Surface& s) { s.DrawEdge(-1, -1, INT_MAX, INT_MAX, EdgeKind::kEtched); },
                     [](Surface& s) { s.DrawEdge(-1, -1, 99, 99, EdgeKind::kEtched); });
  ExpectSameAsNearby(
      [](Surface& s) { s.DrawEdge(INT_MIN, INT_MIN, INT_MAX, INT_MAX, EdgeKind::kEtched); },
      nothing);
  // A walk over the whole span would take seconds at the least.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
}

}  // namespace
}  // namespace brindlex
