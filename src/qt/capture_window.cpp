#include "qt/capture_window.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

#include "qt/qt_ui.h"
#include "qt/surface_view.h"

namespace brindlex::qt {

CaptureWindow::CaptureWindow(FrmSnap& form)
    : QDialog(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      form_(form) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setCursor(Qt::BlankCursor);
  if (QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
  timer_.setInterval(kCaptureTimerMilliseconds);
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
}

QRect CaptureWindow::Logical(int left, int top, int width, int height) const {
  const double ratio = devicePixelRatioF();
  const int x0 = static_cast<int>(std::floor(left / ratio));
  const int y0 = static_cast<int>(std::floor(top / ratio));
  return QRect(QPoint(x0, y0), QPoint(static_cast<int>(std::ceil((left + width) / ratio)),
                                      static_cast<int>(std::ceil((top + height) / ratio))));
}

void CaptureWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (activated_) return;
  activated_ = true;
  form_.Form_Activate();
  // The frame starts where the pointer is, not at the corner.
  PointerAt(mapFromGlobal(QCursor::pos()), 0, 0);
  if (form_.TmrEnabled) timer_.start();
}

void CaptureWindow::PointerAt(const QPointF& point, int buttons, int shift) {
  const double ratio = devicePixelRatioF();
  const double x = point.x() * ratio, y = point.y() * ratio;
  if (form_.PointerConfined) {
    const PointerArea& area = form_.PointerClip;
    const int kept_x = KeepInArea(x, area.left, area.right);
    const int kept_y = KeepInArea(y, area.top, area.bottom);
    if (kept_x != static_cast<int>(std::nearbyint(x)) ||
        kept_y != static_cast<int>(std::nearbyint(y))) {
      QCursor::setPos(
          mapToGlobal(QPoint(static_cast<int>(kept_x / ratio), static_cast<int>(kept_y / ratio))));
    }
  }
  form_.Form_MouseMove(buttons, shift, x, y);
}

void CaptureWindow::Tick() {
  const QRect before = form_.FrameLeft >= 0 ? Logical(form_.FrameLeft, form_.FrameTop,
                                                      form_.Frame.Width(), form_.Frame.Height())
                                            : QRect();
  form_.Tmr_Timer();
  update(before.united(
      Logical(form_.FrameLeft, form_.FrameTop, form_.Frame.Width(), form_.Frame.Height())));
}

void CaptureWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const double ratio = devicePixelRatioF();
  QImage screen = WrapSurface(form_.Background);
  screen.setDevicePixelRatio(ratio);
  painter.drawImage(event->rect(), screen,
                    QRectF(event->rect().x() * ratio, event->rect().y() * ratio,
                           event->rect().width() * ratio, event->rect().height() * ratio));
  if (form_.FrameLeft >= 0 && form_.Frame.Width() > 0) {
    QImage frame = WrapSurface(form_.Frame);
    frame.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(form_.FrameLeft / ratio, form_.FrameTop / ratio), frame);
  }
}

void CaptureWindow::mouseMoveEvent(QMouseEvent* event) {
  PointerAt(event->position(), ButtonSet(event->buttons()), ShiftSet(event->modifiers()));
}

void CaptureWindow::mousePressEvent(QMouseEvent* event) { event->accept(); }

void CaptureWindow::mouseReleaseEvent(QMouseEvent* event) {
  const double ratio = devicePixelRatioF();
  form_.Form_MouseUp(ButtonNumber(event->button()), ShiftSet(event->modifiers()),
                     event->position().x() * ratio, event->position().y() * ratio);
  CloseWhenEnded();
}

// Keys go to the form: Esc gives the capture up.
void CaptureWindow::keyPressEvent(QKeyEvent* event) {
  event->accept();
  form_.Form_KeyDown(event->key() == Qt::Key_Escape ? FrmSnap::kEscapeKey : 0,
                     ShiftSet(event->modifiers()));
  CloseWhenEnded();
}

// Esc reaches the dialog's own reject as well; the form has the last word.
void CaptureWindow::reject() {
  form_.Form_Unload();
  CloseWhenEnded();
}

void CaptureWindow::closeEvent(QCloseEvent* event) {
  form_.Form_Unload();
  CloseWhenEnded();
  event->accept();
}

void CaptureWindow::CloseWhenEnded() {
  if (!form_.Closed) return;
  timer_.stop();
  if (form_.Captured) {
    accept();
  } else {
    QDialog::reject();
  }
}

void QtUi::ShowCaptureWindow(FrmSnap& form) {
  CaptureWindow window(form);
  window.setWindowState(Qt::WindowFullScreen);
  window.exec();
}

void QtUi::SetMainWindowVisible(bool visible) {
  if (parent_ != nullptr) parent_->setVisible(visible);
}

}  // namespace brindlex::qt
