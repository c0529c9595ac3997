#pragma once

#include <QPointF>

#include "pixels/surface.h"

namespace brindlex::qt {

class SurfaceView;

// Keeps the mouse pointer inside the client area of a view that shows `client` inside its
// border, while the core asks for it. Takes a pointer position in surface coordinates and
// returns it limited to the surface; when the pointer had left the area, it is moved back
// onto the returned point.
QPointF KeepPointerInside(SurfaceView* view, const Surface& client, double x, double y);

}  // namespace brindlex::qt
