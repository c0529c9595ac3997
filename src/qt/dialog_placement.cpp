#include "qt/dialog_placement.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/centre_form.h"

namespace brindlex::qt {

void PlaceDialog(QWidget* dialog, QSize outer, QSize min_client) {
  const QRect frame = dialog->frameGeometry(), client = dialog->geometry();
  const QSize margins(frame.width() - client.width(), frame.height() - client.height());
  dialog->setFixedSize((outer - margins).expandedTo(min_client));
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    const WindowPosition place =
        CentreForm(area.width(), area.height(), outer.width(), outer.height());
    dialog->move(area.left() + place.left, area.top() + place.top);
  }
}

}  // namespace brindlex::qt
