#pragma once

#include <QPointF>

#include "pixels/surface.h"
#include "platform/x11_features.h"

namespace brindlex::qt {

class SurfaceView;

// Keeps the mouse pointer inside the client area of a view that shows `client` inside its
// border, while the core asks for it. Takes a pointer position in surface coordinates and
// returns it limited to the surface; when the pointer had left the area, it is moved back
// onto the returned point, or, where the display cannot move the pointer (Wayland), the
// confinement notice becomes due (DisplayNotices).
QPointF KeepPointerInside(SurfaceView* view, const Surface& client, double x, double y);

// The features of this run that need X11 and their notices. main() sets whether the display
// gives them (TakeDisplayPlatform); until then they count as given.
X11FeatureNotices& DisplayNotices();

// Sets whether the display gives the features that need X11, from the platform the running
// application shows on: not on Wayland, which cannot move the pointer.
void TakeDisplayPlatform();

}  // namespace brindlex::qt
