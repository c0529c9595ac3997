#include "document/tool_pictures.h"

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "document/tools.h"

namespace brindlex {
namespace {

// Marks the see-through pixels while a picture is drawn; never used as a picture colour.
constexpr Color kClearKey = 0x01FE02;

constexpr Color kPink = 0xC0C0FF;
constexpr Color kYellow = 0x00FFFF;
constexpr Color kTan = 0x80C0E0;
constexpr Color kNavy = 0x800000;
constexpr Color kBlue = 0xFF0000;
constexpr Color kRed = 0x0000FF;
constexpr Color kPaleBlue = 0xFFE0C0;

using Art = std::vector<std::string>;

const std::map<char, Color>& Legend() {
  static const std::map<char, Color> legend = {{'.', kClearKey}, {'#', kBlack},  {'w', kWhite},
                                               {'g', kGrey},     {'s', kSilver}, {'p', kPink},
                                               {'y', kYellow},   {'t', kTan},    {'n', kNavy},
                                               {'b', kBlue},     {'o', kRed},    {'c', kPaleBlue}};
  return legend;
}

Surface Blank() { return Surface(kToolPictureSize, kToolPictureSize, kClearKey); }

Surface FromArt(const Art& art) {
  Surface s = Blank();
  for (int y = 0; y < static_cast<int>(art.size()); ++y)
    for (int x = 0; x < static_cast<int>(art[y].size()); ++x) {
      auto it = Legend().find(art[y][x]);
      s.SetPixel(x, y, it == Legend().end() ? kClearKey : it->second);
    }
  return s;
}

ToolPicture Finish(const Surface& drawn, int hot_x = 0, int hot_y = 0) {
  ToolPicture picture;
  picture.image = Surface(drawn.Width(), drawn.Height(), kBlack);
  picture.mask = Surface(drawn.Width(), drawn.Height(), kWhite);
  for (int y = 0; y < drawn.Height(); ++y)
    for (int x = 0; x < drawn.Width(); ++x) {
      const Color c = drawn.GetPixel(x, y);
      if (c == kClearKey) continue;
      picture.image.SetPixel(x, y, c);
      picture.mask.SetPixel(x, y, kBlack);
    }
  picture.hot_x = hot_x;
  picture.hot_y = hot_y;
  return picture;
}

const Art kPencil = {
    "................",  //
    ".............##.",  //
    "............#pp#",  //
    "...........#pp#.",  //
    "..........#ss#..",  //
    ".........#yy#...",  //
    "........#yy#....",  //
    ".......#yy#.....",  //
    "......#yy#......",  //
    ".....#yy#.......",  //
    "....#yy#........",  //
    "...#tt#.........",  //
    "..#tt#..........",  //
    ".#t#............",  //
    "##..............",  //
    "#...............",  //
};

const Art kEraser = {
    "................",  //
    "................",  //
    "...........#####",  //
    "..........#pppp#",  //
    ".........#pppp#.",  //
    "........#pppp#..",  //
    ".......#pppp#...",  //
    "......#pppp#....",  //
    ".....######.....",  //
    "....#bbbb#......",  //
    "...#bbbb#.......",  //
    "..#bbbb#........",  //
    ".#bbbb#.........",  //
    "#bbbb#..........",  //
    "#####...........",  //
    "................",  //
};

const Art kDropper = {
    "............##..",  //
    "...........#oo#.",  //
    "..........#oooo#",  //
    "..........#oooo#",  //
    ".......##..#oo#.",  //
    "........##..##..",  //
    "........###.....",  //
    ".......#cc##....",  //
    "......#cc#.##...",  //
    ".....#cc#.......",  //
    "....#cc#........",  //
    "...#cc#.........",  //
    "..#cc#..........",  //
    ".#cc#...........",  //
    "#c#.............",  //
    "##..............",  //
};

const Art kCrossHairs = {
    ".......#........",  //
    ".......#........",  //
    ".......#........",  //
    ".......#........",  //
    ".......#........",  //
    "................",  //
    "................",  //
    "#####.....#####.",  //
    "................",  //
    "................",  //
    ".......#........",  //
    ".......#........",  //
    ".......#........",  //
    ".......#........",  //
    ".......#........",  //
    "................",  //
};

const Art kMoveArrows = {
    ".......#........",  //
    "......###.......",  //
    ".....#####......",  //
    ".......#........",  //
    "...#...#...#....",  //
    "..##...#...##...",  //
    ".###...#...###..",  //
    "###############.",  //
    ".###...#...###..",  //
    "..##...#...##...",  //
    "...#...#...#....",  //
    ".......#........",  //
    ".....#####......",  //
    "......###.......",  //
    ".......#........",  //
    "................",  //
};

// A white border around the black pixels of a pointer, so it shows on dark cells too.
Surface WithHalo(const Surface& drawn) {
  Surface out = drawn;
  for (int y = 0; y < drawn.Height(); ++y)
    for (int x = 0; x < drawn.Width(); ++x) {
      if (drawn.GetPixel(x, y) != kClearKey) continue;
      bool next_to_black = false;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) next_to_black |= drawn.GetPixel(x + dx, y + dy) == kBlack;
      if (next_to_black) out.SetPixel(x, y, kWhite);
    }
  return out;
}

Surface Marquee() {
  Surface s = Blank();
  for (int x = 1; x <= 14; ++x)
    for (int y : {2, 13}) s.SetPixel(x, y, (x + y) % 4 < 2 ? kBlack : kWhite);
  for (int y = 3; y <= 12; ++y)
    for (int x : {1, 14}) s.SetPixel(x, y, (x + y) % 4 < 2 ? kBlack : kWhite);
  return s;
}

Surface LinePicture() {
  Surface s = Blank();
  s.Line(1, 14, 15, 0, kBlack);
  s.Line(2, 14, 16, 0, kBlack);
  return s;
}

// A tilted paint can with its handle, pouring paint from its right corner.
Surface BucketPicture() {
  Surface s = Blank();
  constexpr int kCentreX = 6, kCentreY = 8, kRadius = 5;
  for (int y = 0; y < kToolPictureSize; ++y)
    for (int x = 0; x < kToolPictureSize; ++x) {
      const int d = std::abs(x - kCentreX) + std::abs(y - kCentreY);
      if (d <= kRadius) s.SetPixel(x, y, d == kRadius ? kBlack : kWhite);
    }
  // The handle: the upper half of a circle over the can.
  Surface handle = Blank();
  handle.pen = kBlack;
  handle.Circle(kCentreX, 5, 4);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < kToolPictureSize; ++x)
      if (handle.GetPixel(x, y) == kBlack && s.GetPixel(x, y) == kClearKey)
        s.SetPixel(x, y, kBlack);
  // The paint: pouring over the can's right corner and running down.
  const auto pour = [&s](int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x)
        if (s.GetPixel(x, y) == kClearKey) s.SetPixel(x, y, kBlue);
  };
  pour(10, 7, 13, 9);
  pour(12, 10, 14, 12);
  pour(13, 13, 14, 14);
  return s;
}

// Rectangles and ellipses: outline in `outline`, inside in `inside` (or see-through).
Surface ShapePicture(bool ellipse, Color outline, Color inside, bool fill_inside) {
  Surface s = Blank();
  if (ellipse) {
    s.pen = outline;
    s.fill = inside;
    s.filling = fill_inside;
    s.Ellipse(0, 2, 16, 14);
    s.filling = false;
    s.Ellipse(1, 3, 15, 13);
  } else {
    if (fill_inside) s.Box(1, 3, 14, 12, true, inside);
    s.Box(1, 3, 14, 12, false, outline);
    s.Box(2, 4, 13, 11, false, outline);
  }
  return s;
}

}  // namespace

ToolPicture ToolButtonPicture(int tool) {
  if (!IsToolIndex(tool)) return Finish(Blank());
  const ToolFacts& facts = FactsOf(static_cast<Tool>(tool));
  switch (facts.kind) {
    case ToolKind::kSelect:
      return Finish(Marquee());
    case ToolKind::kFreehand:
      return Finish(FromArt(tool == kToolErase ? kEraser : kPencil));
    case ToolKind::kSample:
      return Finish(FromArt(kDropper));
    case ToolKind::kFlood:
      return Finish(BucketPicture());
    case ToolKind::kLine:
      return Finish(LinePicture());
    case ToolKind::kRectangle:
    case ToolKind::kEllipse: {
      const bool ellipse = facts.kind == ToolKind::kEllipse;
      switch (facts.fill) {
        case ToolFill::kOutline:
          return Finish(ShapePicture(ellipse, kBlack, kBlack, false));
        case ToolFill::kSolid:
          return Finish(ShapePicture(ellipse, kNavy, kNavy, true));
        case ToolFill::kFilled:
          return Finish(ShapePicture(ellipse, kBlack, kWhite, true));
      }
    }
  }
  return Finish(Blank());
}

ToolPicture ToolPointerPicture(CanvasPointer pointer) {
  switch (pointer) {
    case CanvasPointer::kPencil:
      return Finish(FromArt(kPencil), 0, 15);
    case CanvasPointer::kEraser:
      return Finish(FromArt(kEraser), 0, 14);
    case CanvasPointer::kDropper:
      return Finish(FromArt(kDropper), 0, 15);
    case CanvasPointer::kBucket:
      return Finish(BucketPicture(), 13, 14);
    case CanvasPointer::kMove:
      return Finish(WithHalo(FromArt(kMoveArrows)), 7, 7);
    case CanvasPointer::kCrossHairs:
      break;
  }
  return Finish(WithHalo(FromArt(kCrossHairs)), 7, 7);
}

}  // namespace brindlex
