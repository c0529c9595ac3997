#pragma once

#include <QWidget>
#include <functional>

#include "pixels/surface.h"

namespace brindlex::qt {

// Shows a core Surface pixel for pixel inside an optional sunken border, and forwards the
// mouse in the surface's own coordinates (floating, as the pointer reports them).
class SurfaceView : public QWidget {
  Q_OBJECT
 public:
  // Mouse handlers receive the button (1 left, 2 right, 4 middle) or, for moves, the set
  // of pressed buttons, the modifier set (1 Shift, 2 Ctrl, 4 Alt) and the position.
  using MouseHandler = std::function<void(int button, int shift, double x, double y)>;

  SurfaceView(QWidget* parent, const Surface* surface, int border);

  void SetSurface(const Surface* surface) { surface_ = surface; }
  int Border() const { return border_; }

  MouseHandler on_press, on_move, on_release;
  // The wheel in whole notches, positive away from the user; finer steps (touchpads) are
  // gathered until they make a notch. Without a handler the wheel goes to the parent.
  std::function<void(int notches)> on_wheel;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void Forward(const MouseHandler& handler, int button, QMouseEvent* event);

  const Surface* surface_;
  int border_;
  // Wheel turn not yet forwarded, in eighths of a degree.
  int wheel_rest_ = 0;
};

// The button number of a Qt button, and the set of numbers of pressed buttons.
int ButtonNumber(Qt::MouseButton button);
int ButtonSet(Qt::MouseButtons buttons);
int ShiftSet(Qt::KeyboardModifiers modifiers);

// The Qt colour of a core colour 0x00BBGGRR.
QColor ToQColor(Color c);

// A QImage that wraps (does not copy) the surface's pixels.
QImage WrapSurface(const Surface& surface);

}  // namespace brindlex::qt
