#include "qt/pointer_confinement.h"

#include <QCursor>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

#include "platform/display_platform.h"
#include "qt/surface_view.h"

namespace brindlex::qt {

QPointF KeepPointerInside(SurfaceView* view, const Surface& client, double x, double y) {
  if (client.Width() <= 0 || client.Height() <= 0) return {x, y};
  const double last_x = client.Width() - 1, last_y = client.Height() - 1;
  const double kept_x = std::isfinite(x) ? std::clamp(x, 0.0, last_x) : 0.0;
  const double kept_y = std::isfinite(y) ? std::clamp(y, 0.0, last_y) : 0.0;
  if ((kept_x != x || kept_y != y) && DisplayNotices().Need(X11Feature::kPointerConfinement)) {
    const int border = view->Border();
    QCursor::setPos(view->mapToGlobal(
        QPoint(static_cast<int>(kept_x) + border, static_cast<int>(kept_y) + border)));
  }
  return {kept_x, kept_y};
}

X11FeatureNotices& DisplayNotices() {
  static X11FeatureNotices notices;
  return notices;
}

void TakeDisplayPlatform() {
  DisplayNotices().SetAvailable(
      PlatformCanMovePointer(QGuiApplication::platformName().toStdString()));
}

}  // namespace brindlex::qt
