#include "qt/dialog_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "app/centre_form.h"

namespace brindlex::qt {

QSize ClientForOuterSize(QSize outer, const QMargins& frame, QSize minimum) {
  const int width = outer.width() - std::max(0, frame.left()) - std::max(0, frame.right());
  const int height = outer.height() - std::max(0, frame.top()) - std::max(0, frame.bottom());
  return QSize(std::max(width, minimum.width()), std::max(height, minimum.height()));
}

DialogPlacement::DialogPlacement(QWidget* dialog, QSize outer, QSize min_client, LayOut lay_out)
    : QObject(dialog),
      dialog_(dialog),
      outer_(outer),
      min_client_(min_client),
      lay_out_(std::move(lay_out)) {
  FitToFrame(QMargins());
  dialog->installEventFilter(this);
}

void DialogPlacement::FitToFrame(const QMargins& frame) {
  applied_frame_ = frame;
  const QSize frame_size(std::max(0, frame.left()) + std::max(0, frame.right()),
                         std::max(0, frame.top()) + std::max(0, frame.bottom()));
  const QSize client = lay_out_           ? lay_out_(frame)
                       : outer_.isEmpty() ? min_client_
                                          : ClientForOuterSize(outer_, frame, min_client_);
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
          if (frame != applied_frame_) FitToFrame(frame);
        }
        break;
      default:
        break;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace brindlex::qt
