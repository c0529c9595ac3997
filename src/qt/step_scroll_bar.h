#pragma once

#include <QScrollBar>
#include <functional>

namespace brindlex::qt {

// A small vertical scroll bar whose value at the top end is larger than at the bottom end,
// as the dialogs' sliders are, and whose every change is one step: the arrows, the arrow
// keys and a click beside the thumb move it by the step; the wheel, Page, Home and End and
// the context menu's jumps do nothing. The value is reported once the user lets go
// (tracking off). Dragging the thumb is allowed only where the form accepts any value.
class StepScrollBar : public QScrollBar {
  Q_OBJECT
 public:
  StepScrollBar(QWidget* parent, int top, int bottom, int step, bool thumb_drag);

  // The value in the form's terms.
  int FormValue() const { return -value(); }
  // Sets the value without reporting it.
  void SetFormValue(int value);

  // Runs with the new value (in the form's terms) after every change the user makes.
  std::function<void(int)> on_change;

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  bool thumb_drag_;
};

}  // namespace brindlex::qt
