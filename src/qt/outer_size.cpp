#include "qt/outer_size.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "app/centre_form.h"

namespace brindlex::qt {

QSize ClientForOuterSize(QSize outer, const QMargins& frame, QSize minimum) {
  const int width = outer.width() - std::max(0, frame.left()) - std::max(0, frame.right());
  const int height = outer.height() - std::max(0, frame.top()) - std::max(0, frame.bottom());
  return QSize(std::max(width, minimum.width()), std::max(height, minimum.height()));
}

OuterSizeKeeper::OuterSizeKeeper(QDialog& dialog, QSize outer, QSize minimum)
    : dialog_(dialog), outer_(outer), minimum_(minimum) {
  Fit(QMargins());
}

void OuterSizeKeeper::Fit(const QMargins& frame) {
  applied_ = frame;
  dialog_.setFixedSize(ClientForOuterSize(outer_, frame, minimum_));
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    const WindowPosition place =
        CentreForm(area.width(), area.height(), outer_.width(), outer_.height());
    dialog_.move(area.left() + place.left, area.top() + place.top);
  }
}

void OuterSizeKeeper::Watch(const QEvent* event) {
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
      if (QWindow* window = dialog_.windowHandle(); window && dialog_.isVisible()) {
        const QMargins frame = window->frameMargins();
        if (frame != applied_) Fit(frame);
      }
      break;
    default:
      break;
  }
}

}  // namespace brindlex::qt
