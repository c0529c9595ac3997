#pragma once

#include <cstdint>
#include <vector>

namespace brindlex {

// A colour 0x00BBGGRR: red in the low byte. The top byte is 0 in every picture the editor
// composes; only an icon's colour plane and the clipboard's pictures may hold a pixel's
// transparency there (pixels/pixel_alpha.h).
using Color = std::uint32_t;

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kSilver = 0xC0C0C0;
constexpr Color kGrey = 0x808080;
// The window's button-face colour: background of the preview and of the readouts.
constexpr Color kButtonFace = 0xC8D0D4;
// Value a pixel read returns for a point outside the surface.
constexpr Color kInvalidColor = 0xFFFFFFFF;

// How a block transfer combines source and destination, bit by bit over 24 bits.
enum class RasterOp { kCopy, kAnd, kInvert };

// How figures (lines, boxes, ellipses, circles) write their pixels: with the pen or fill
// colour, or by complementing every touched pixel once.
enum class DrawMode { kCopy, kInvert };

// The two 3-D frames the windows draw as decoration.
enum class EdgeKind { kSunkenOuter, kEtched };

// A width x height array of colours, origin top-left, with the drawing state of a
// picture: background, pen, fill (with filling on or off), pen width and draw mode.
//
// Every operation clips to the surface: no coordinate, however far off, reads or writes
// outside the array. Figures compute their set of pixels first and then write each pixel
// once, so that in the inverting mode drawing the same figure twice restores the surface.
class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, Color background = kWhite);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Changes the size; every pixel takes the background colour. Negative sizes become 0.
  void Resize(int width, int height);
  // Every pixel takes the background colour.
  void Clear();

  // The colour at (x, y), or kInvalidColor outside the surface.
  Color GetPixel(int x, int y) const;
  // Writes colour c (top byte dropped) at (x, y); nothing outside the surface.
  void SetPixel(int x, int y, Color c);
  // Writes one pixel with the pen colour, honouring the draw mode.
  void Point(int x, int y);

  // Block transfer of the w x h block at (sx, sy) of source to (dx, dy), combined by op.
  // Parts of either rectangle that lie outside their surface are skipped. The source may be
  // this surface itself; the block is read before it is written.
  void BitBlt(int dx, int dy, int w, int h, const Surface& source, int sx, int sy,
              RasterOp op = RasterOp::kCopy);

  // Nearest-neighbour stretch of the source rectangle (sx, sy, sw, sh) onto the
  // destination rectangle (dx, dy, dw, dh); colours are never blended. A rectangle with a
  // negative width spans the columns from x + w to x − 1 (likewise heights); when the signs
  // of the two widths (or heights) differ the picture is mirrored. Destination column i of
  // the rectangle takes source column (i · |sw|) / |dw| counted from the rectangle's near
  // side, so an integer factor replicates each pixel into a factor x factor block. A copy
  // moves whole values, top byte included, as BitBlt does.
  void StretchBlt(int dx, int dy, int dw, int dh, const Surface& source, int sx, int sy, int sw,
                  int sh, RasterOp op = RasterOp::kCopy);

  // The pixels of the straight line from (x1, y1) towards (x2, y2), the first point included
  // and the last excluded (an integer rasteriser of the usual kind), in the pen colour.
  void Line(int x1, int y1, int x2, int y2);
  void Line(int x1, int y1, int x2, int y2, Color c);
  // The outline (or the whole area, when filled) of the rectangle with corners (x1, y1) and
  // (x2, y2), both included, in either order, in the pen colour or the colour given.
  void Box(int x1, int y1, int x2, int y2, bool filled);
  void Box(int x1, int y1, int x2, int y2, bool filled, Color c);
  // The ellipse inscribed in the rectangle whose columns run from left to right − 1 and rows
  // from top to bottom − 1 (the corners may come in either order). Outline in the pen
  // colour; the inside in the fill colour when filling is on.
  void Ellipse(int left, int top, int right, int bottom);
  // A one-pixel outline of the circle of radius r around (cx, cy), in the pen colour.
  void Circle(int cx, int cy, int r);

  // Every pixel 4-connected to (x, y) that has exactly the seed's colour takes the fill
  // colour. Nothing when the seed lies outside or already has the fill colour.
  void FloodFillSurface(int x, int y);

  // A one-pixel sunken edge, or an etched double line, around the rectangle whose right
  // column and bottom row are excluded.
  void DrawEdge(int left, int top, int right, int bottom, EdgeKind kind);

  // Rows of pixels, for the fast paths of composition and the file codecs.
  const Color* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  Color* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const std::vector<Color>& Pixels() const { return pixels_; }

  bool SamePixels(const Surface& other) const {
    return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
  }

  Color background = kWhite;
  Color pen = kBlack;
  Color fill = kBlack;
  bool filling = false;
  int pen_width = 1;
  DrawMode draw_mode = DrawMode::kCopy;

 private:
  // Writes one figure pixel with colour c (or complements it in the inverting mode),
  // widening it to a 3 x 3 block when the pen width is 3.
  void PenPixel(int x, int y, Color c);
  void FigurePixel(int x, int y, Color c);

  int width_ = 0;
  int height_ = 0;
  std::vector<Color> pixels_;
};

// A one-bit picture of the source: 1 (white) where a pixel equals the source's background
// colour, 0 (black) elsewhere; held as white and black pixels.
Surface ToOneBit(const Surface& source);

}  // namespace brindlex
