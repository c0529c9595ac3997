#pragma once

#include <QDialog>
#include <QTimer>

#include "forms/frm_snap.h"

namespace brindlex::qt {

// The capture window: borderless, on top of everything, over the whole primary screen, with
// a blank pointer. It paints the form's frozen screen and its frame, keeps the pointer in
// the form's area and forwards the pointer in device pixels. It closes after a capture, or
// when Esc or the window manager gives the capture up.
class CaptureWindow : public QDialog {
  Q_OBJECT
 public:
  explicit CaptureWindow(FrmSnap& form);

  // The pointer moved to a window point (logical pixels): forwarded in device pixels, after
  // moving the pointer back into its area when it had left it.
  void PointerAt(const QPointF& point, int buttons, int shift);

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void Tick();
  // Closes the window once the form has ended the capture.
  void CloseWhenEnded();
  // The window rectangle (logical pixels) of a device-pixel rectangle.
  QRect Logical(int left, int top, int width, int height) const;

  FrmSnap& form_;
  QTimer timer_;
  bool activated_ = false;
};

}  // namespace brindlex::qt
