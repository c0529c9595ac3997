#pragma once

#include <QMargins>
#include <QObject>
#include <QSize>

class QWidget;

namespace brindlex::qt {

// Sizes and places a dialog by its outer size (the window manager's frame included) and
// keeps doing so as the frame becomes known: the frame is only told once the window is
// shown and framed, and a move or a resize follows that.
//
// With a stated outer size the client area is that size less the frame, never smaller than
// min_client; without one (an empty outer size) the client area stays min_client. Either
// way the outer frame is placed with CentreForm on the primary screen.
class DialogPlacement : public QObject {
 public:
  DialogPlacement(QWidget* dialog, QSize outer, QSize min_client);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Fit(const QMargins& frame);

  QWidget* dialog_;
  QSize outer_, min_client_;
  QMargins applied_frame_;
};

}  // namespace brindlex::qt
