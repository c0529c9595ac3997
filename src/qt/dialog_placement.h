#pragma once

#include <QWidget>

namespace brindlex::qt {

// Gives a dialog the stated outer size (frame included, as far as the window manager has
// told the frame's size) without letting the client area shrink below min_client, and
// places it with CentreForm on the primary screen. Call it before showing and again once
// shown, when the frame is known.
void PlaceDialog(QWidget* dialog, QSize outer, QSize min_client);

}  // namespace brindlex::qt
