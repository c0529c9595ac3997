#include "qt/step_scroll_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyleOptionSlider>
#include <QWheelEvent>

namespace brindlex::qt {

// Qt's scroll bars grow downwards, so the form's value is held negated: the top end is the
// minimum, and the upper arrow, which lowers Qt's value, raises the form's.
StepScrollBar::StepScrollBar(QWidget* parent, int top, int bottom, int step, bool thumb_drag)
    : QScrollBar(Qt::Vertical, parent), thumb_drag_(thumb_drag) {
  setRange(-top, -bottom);
  setSingleStep(step);
  setPageStep(step);
  setValue(0);
  setTracking(false);
  setContextMenuPolicy(Qt::NoContextMenu);
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QScrollBar::valueChanged, this, [this](int) {
    if (on_change) on_change(FormValue());
  });
}

void StepScrollBar::SetFormValue(int value) {
  const QSignalBlocker blocker(this);
  setValue(-value);
}

void StepScrollBar::wheelEvent(QWheelEvent* event) { event->accept(); }

void StepScrollBar::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
      triggerAction(SliderSingleStepSub);
      event->accept();
      return;
    case Qt::Key_Down:
    case Qt::Key_Right:
      triggerAction(SliderSingleStepAdd);
      event->accept();
      return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
      event->accept();
      return;
    default:
      event->ignore();
      return;
  }
}

void StepScrollBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->accept();
    return;
  }
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QStyle::SubControl hit = style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option,
                                                                event->position().toPoint(), this);
  switch (hit) {
    case QStyle::SC_ScrollBarSlider:
      if (!thumb_drag_) {
        event->accept();
        return;
      }
      break;
    case QStyle::SC_ScrollBarAddPage:
    case QStyle::SC_ScrollBarSubPage:
      // Some styles jump to the pointer here; a click beside the thumb is one step.
      setFocus(Qt::MouseFocusReason);
      triggerAction(hit == QStyle::SC_ScrollBarAddPage ? SliderPageStepAdd : SliderPageStepSub);
      event->accept();
      return;
    default:
      break;
  }
  QScrollBar::mousePressEvent(event);
}

}  // namespace brindlex::qt
