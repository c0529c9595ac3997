#pragma once

#include <QMargins>
#include <QObject>
#include <QSize>
#include <functional>

class QWidget;

namespace brindlex::qt {

// The client size of a window whose outer size, the window manager's frame included, is to
// be `outer`: `outer` less the frame margins, but never smaller than `minimum` (what the
// controls at their stated places need).
QSize ClientForOuterSize(QSize outer, const QMargins& frame, QSize minimum);

// Sizes and places a dialog by its outer size (the window manager's frame included) and
// keeps doing so as the frame becomes known: the frame is only told once the window is
// shown and framed, and a move or a resize follows that.
//
// With a stated outer size the client area is that size less the frame, never smaller than
// min_client; without one (an empty outer size) the client area stays min_client. A dialog
// whose controls depend on the frame lays itself out in lay_out, which gets the frame and
// answers the client size. Either way the outer frame is placed with CentreForm on the
// primary screen.
class DialogPlacement : public QObject {
 public:
  using LayOut = std::function<QSize(const QMargins& frame)>;

  DialogPlacement(QWidget* dialog, QSize outer, QSize min_client, LayOut lay_out = {});

  // Sizes and places the dialog for a frame of these margins.
  void FitToFrame(const QMargins& frame);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* dialog_;
  QSize outer_, min_client_;
  LayOut lay_out_;
  QMargins applied_frame_{-1, -1, -1, -1};
};

}  // namespace brindlex::qt
