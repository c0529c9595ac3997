#include "document/drawing_tools.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "document/tools.h"

namespace brindlex {
namespace {

// One cell of the back buffer as the composition draws it: the empty-cell look (white edges
// around the hatch) or a solid block of the colour.
void PaintBackBufferCell(Surface& back, int x, int y, int zoom, bool transparent_look,
                         const Surface& pattern) {
  if (transparent_look) {
    back.Box(x, y, x + zoom - 1, y + zoom - 1, true, kWhite);
    back.BitBlt(x + 1, y + 1, zoom - 2, zoom - 2, pattern, 0, 0);
  } else {
    back.Box(x, y, x + zoom - 1, y + zoom - 1, true, back.pen);
  }
}

}  // namespace

int RoundCoordinate(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<int>(std::clamp(std::nearbyint(v), -32768.0, 32767.0));
}

void SnapToCell(int& x, int& y, int zoom) {
  x = zoom * (x / zoom);
  y = zoom * (y / zoom);
}

void SnapToCellCentre(int& x, int& y, int zoom) {
  x = zoom * (x / zoom) + zoom / 2;
  y = zoom * (y / zoom) + zoom / 2;
}

void ClampToCanvas(int& x, int& y) {
  x = std::clamp(x, 0, kCanvasImageSize);
  y = std::clamp(y, 0, kCanvasImageSize);
}

void SwapInts(int& a, int& b) { std::swap(a, b); }

PlanePixel PlanePixelOf(DrawColorValue color) {
  if (color == kTransparentColor) return {kWhite, kBlack};
  return {kBlack, static_cast<Color>(color) & 0xFFFFFF};
}

bool PaintPixelAt(IconDocument& document, int x, int y, bool transparent_look) {
  if (x < 1 || x > kCanvasImageSize - 1 || y < 1 || y > kCanvasImageSize - 1) return false;
  const int zoom = document.ZoomFactor;
  const int px = x / zoom, py = y / zoom;
  SnapToCell(x, y, zoom);
  // The canvas shows the back buffer's cell inside the grid lines; the lines stay.
  PaintBackBufferCell(document.PicMainCopy, x, y, zoom, transparent_look,
                      document.Resources().CellPattern);
  document.PicMain.BitBlt(x + 1, y + 1, zoom - 1, zoom - 1, document.PicMainCopy, x + 1, y + 1);
  document.PicIcon.Point(px, py);
  document.PicMask.Point(px, py);
  document.PicImage.Point(px, py);
  return true;
}

void DrawRubberBand(Surface& canvas, Tool tool, int x0, int y0, int x1, int y1) {
  switch (FactsOf(tool).kind) {
    case ToolKind::kLine:
      canvas.Line(x0, y0, x1, y1);
      break;
    case ToolKind::kEllipse: {
      const bool filling = canvas.filling;
      canvas.filling = false;
      canvas.Ellipse(x0, y0, x1, y1);
      canvas.filling = filling;
      break;
    }
    case ToolKind::kRectangle:
      canvas.Box(x0, y0, x1, y1, false);
      break;
    default:
      break;
  }
}

void DrawShapeOnPlanes(IconDocument& document, Tool tool, int sx, int sy, int ex, int ey,
                       DrawColorValue own, DrawColorValue other) {
  Surface& mask = document.PicMask;
  Surface& image = document.PicImage;
  const PlanePixel outline = PlanePixelOf(own);
  const PlanePixel inside = PlanePixelOf(other);
  const ToolFill fill = FactsOf(tool).fill;
  mask.pen = outline.mask;
  image.pen = outline.image;
  switch (FactsOf(tool).kind) {
    case ToolKind::kLine:
      mask.Line(sx, sy, ex, ey);
      image.Line(sx, sy, ex, ey);
      mask.SetPixel(ex, ey, outline.mask);
      image.SetPixel(ex, ey, outline.image);
      break;
    case ToolKind::kRectangle:
      if (fill == ToolFill::kFilled) {
        mask.Box(sx, sy, ex, ey, true, inside.mask);
        image.Box(sx, sy, ex, ey, true, inside.image);
      }
      mask.Box(sx, sy, ex, ey, fill == ToolFill::kSolid);
      image.Box(sx, sy, ex, ey, fill == ToolFill::kSolid);
      break;
    case ToolKind::kEllipse: {
      const PlanePixel inner = fill == ToolFill::kFilled ? inside : outline;
      mask.fill = inner.mask;
      image.fill = inner.image;
      mask.filling = image.filling = fill != ToolFill::kOutline;
      mask.Ellipse(sx, sy, ex + 1, ey + 1);
      image.Ellipse(sx, sy, ex + 1, ey + 1);
      break;
    }
    default:
      break;
  }
  mask.filling = image.filling = false;
}

}  // namespace brindlex
