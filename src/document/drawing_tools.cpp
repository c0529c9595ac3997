#include "document/drawing_tools.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "document/tools.h"

namespace brindlex {
namespace {

// Keeps a surface's pens while a figure is drawn with colours of its own.
class KeptPens {
 public:
  explicit KeptPens(Surface& surface)
      : surface_(surface),
        pen_(surface.pen),
        fill_(surface.fill),
        filling_(surface.filling),
        mode_(surface.draw_mode) {}
  ~KeptPens() {
    surface_.pen = pen_;
    surface_.fill = fill_;
    surface_.filling = filling_;
    surface_.draw_mode = mode_;
  }
  KeptPens(const KeptPens&) = delete;
  KeptPens& operator=(const KeptPens&) = delete;

 private:
  Surface& surface_;
  Color pen_, fill_;
  bool filling_;
  DrawMode mode_;
};

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

PixelRect PaintPixelAt(IconDocument& document, int x, int y, DrawColorValue color) {
  if (x < 1 || x > kCanvasImageSize - 1 || y < 1 || y > kCanvasImageSize - 1) return {};
  const int zoom = document.ZoomFactor;
  const int px = x / zoom, py = y / zoom;
  const PlanePixel pixel = PlanePixelOf(color);
  document.PicMask.SetPixel(px, py, pixel.mask);
  document.PicImage.SetPixel(px, py, pixel.image);
  return PixelRect::Spanning(px, py, px, py);
}

void DrawRubberBand(Surface& canvas, Tool tool, int x0, int y0, int x1, int y1) {
  const KeptPens kept(canvas);
  canvas.draw_mode = DrawMode::kInvert;
  switch (FactsOf(tool).kind) {
    case ToolKind::kLine:
      canvas.Line(x0, y0, x1, y1);
      break;
    case ToolKind::kEllipse:
      canvas.filling = false;
      canvas.Ellipse(x0, y0, x1, y1);
      break;
    case ToolKind::kRectangle:
      canvas.Box(x0, y0, x1, y1, false);
      break;
    default:
      break;
  }
}

PixelRect DrawShapeOnPlanes(IconDocument& document, Tool tool, int sx, int sy, int ex, int ey,
                            DrawColorValue own, DrawColorValue other) {
  Surface& mask = document.PicMask;
  Surface& image = document.PicImage;
  const KeptPens kept_mask(mask), kept_image(image);
  mask.draw_mode = image.draw_mode = DrawMode::kCopy;
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
      return {};
  }
  return PixelRect::Spanning(sx, sy, ex, ey);
}

}  // namespace brindlex
