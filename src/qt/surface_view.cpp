#include "qt/surface_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace brindlex::qt {

QImage WrapSurface(const Surface& surface) {
  // A colour 0x00BBGGRR stored little-endian is the byte sequence R, G, B, 0.
  return QImage(reinterpret_cast<const uchar*>(surface.Pixels().data()), surface.Width(),
                surface.Height(), surface.Width() * 4, QImage::Format_RGBX8888);
}

QColor ToQColor(Color c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

int ButtonNumber(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

int ButtonSet(Qt::MouseButtons buttons) {
  return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
         (buttons & Qt::MiddleButton ? 4 : 0);
}

int ShiftSet(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}

SurfaceView::SurfaceView(QWidget* parent, const Surface* surface, int border)
    : QWidget(parent), surface_(surface), border_(border) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void SurfaceView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (border_ > 0) {
    // A sunken 3-D border: dark outside, darker inside at top-left; light at bottom-right.
    const int w = width(), h = height();
    painter.fillRect(rect(), ToQColor(kButtonFace));
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(0, 0, w - 1, 0);
    painter.drawLine(0, 0, 0, h - 1);
    painter.setPen(Qt::white);
    painter.drawLine(0, h - 1, w - 1, h - 1);
    painter.drawLine(w - 1, 0, w - 1, h - 1);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawLine(1, 1, w - 2, 1);
    painter.drawLine(1, 1, 1, h - 2);
  }
  if (surface_ != nullptr && surface_->Width() > 0)
    painter.drawImage(border_, border_, WrapSurface(*surface_));
}

void SurfaceView::Forward(const MouseHandler& handler, int button, QMouseEvent* event) {
  if (!handler) return;
  const QPointF p = event->position();
  handler(button, ShiftSet(event->modifiers()), p.x() - border_, p.y() - border_);
}

void SurfaceView::mousePressEvent(QMouseEvent* event) {
  Forward(on_press, ButtonNumber(event->button()), event);
}

void SurfaceView::mouseDoubleClickEvent(QMouseEvent* event) {
  Forward(on_press, ButtonNumber(event->button()), event);
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event) {
  Forward(on_move, ButtonSet(event->buttons()), event);
}

void SurfaceView::mouseReleaseEvent(QMouseEvent* event) {
  Forward(on_release, ButtonNumber(event->button()), event);
}

void SurfaceView::wheelEvent(QWheelEvent* event) {
  if (!on_wheel) return event->ignore();
  // One notch of a common wheel is 15 degrees, 120 eighths.
  constexpr int kNotch = 120;
  wheel_rest_ += event->angleDelta().y();
  const int notches = wheel_rest_ / kNotch;
  wheel_rest_ -= notches * kNotch;
  event->accept();
  if (notches != 0) on_wheel(notches);
}

}  // namespace brindlex::qt
