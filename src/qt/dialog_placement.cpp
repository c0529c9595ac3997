#include "qt/dialog_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "app/centre_form.h"

namespace brindlex::qt {

DialogPlacement::DialogPlacement(QWidget* dialog, QSize outer, QSize min_client)
    : QObject(dialog), dialog_(dialog), outer_(outer), min_client_(min_client) {
  Fit(QMargins());
  dialog->installEventFilter(this);
}

void DialogPlacement::Fit(const QMargins& frame) {
  applied_frame_ = frame;
  const QSize frame_size(std::max(0, frame.left()) + std::max(0, frame.right()),
                         std::max(0, frame.top()) + std::max(0, frame.bottom()));
  const QSize client =
      outer_.isEmpty() ? min_client_ : (outer_ - frame_size).expandedTo(min_client_);
  dialog_->setFixedSize(client);
  const QSize outer = outer_.isEmpty() ? client + frame_size : outer_;
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    const WindowPosition place =
        CentreForm(area.width(), area.height(), outer.width(), outer.height());
    dialog_->move(area.left() + place.left, area.top() + place.top);
  }
}

bool DialogPlacement::eventFilter(QObject* watched, QEvent* event) {
  if (watched == dialog_) {
    switch (event->type()) {
      case QEvent::Show:
      case QEvent::Move:
      case QEvent::Resize:
        if (QWindow* window = dialog_->windowHandle(); window && dialog_->isVisible()) {
          const QMargins frame = window->frameMargins();
          if (frame != applied_frame_) Fit(frame);
        }
        break;
      default:
        break;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace brindlex::qt
