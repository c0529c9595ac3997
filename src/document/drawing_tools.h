#pragma once

#include "document/icon_document.h"
#include "document/tools.h"

namespace brindlex {

// A mouse coordinate as an integer: nearest, ties to even, limited to the 16-bit range the
// window variables hold (0 for a value that is not a number).
int RoundCoordinate(double v);

// Moves (x, y) to the top-left corner of its cell: zoom · (x \ zoom), truncating.
void SnapToCell(int& x, int& y, int zoom);
// Moves (x, y) to the centre of its cell: zoom · (x \ zoom) + zoom \ 2, truncating.
void SnapToCellCentre(int& x, int& y, int zoom);
// Limits each coordinate to the canvas, 0..384.
void ClampToCanvas(int& x, int& y);
void SwapInts(int& a, int& b);

// The pair of plane values a draw colour writes: opaque (mask black, image the colour) or,
// for kTransparentColor, transparent (mask white, image black).
struct PlanePixel {
  Color mask, image;
};
PlanePixel PlanePixelOf(DrawColorValue color);

// The Pencil and the eraser at canvas point (x, y): only when 1 <= x, y <= 383. The icon
// pixel under the point takes the plane pixel of color (kTransparentColor for the eraser).
// Only the planes change; returns the pixel's rectangle, empty when nothing was painted.
PixelRect PaintPixelAt(IconDocument& document, int x, int y, DrawColorValue color);

// The rubber band of a shape tool between two canvas points, drawn by complementing the
// canvas pixels (so drawing it twice erases it); the canvas's drawing state is left as found: a
// line (end point left out) for the Line tool, a box outline for the three rectangle tools, the
// outline of the ellipse inscribed in the box (right and bottom excluded) for the three ellipse
// tools.
void DrawRubberBand(Surface& canvas, Tool tool, int x0, int y0, int x1, int y1);

// Draws a finished shape from icon pixel (sx, sy) to (ex, ey) into both planes, both end
// pixels included, in the own colour; the Filled forms fill the inside with the other
// colour. The ellipse tools expect sx <= ex and sy <= ey and fill the box (sx, sy, ex + 1,
// ey + 1). Parts beyond the planes are clipped. The planes' drawing state is left as found.
// Returns the rectangle the shape may have changed.
PixelRect DrawShapeOnPlanes(IconDocument& document, Tool tool, int sx, int sy, int ex, int ey,
                            DrawColorValue own, DrawColorValue other);

}  // namespace brindlex
