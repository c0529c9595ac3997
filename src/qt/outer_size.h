#pragma once

#include <QMargins>
#include <QSize>

class QDialog;
class QEvent;

namespace brindlex::qt {

// The client size of a window whose outer size, the window manager's frame included, is to
// be `outer`: `outer` less the frame margins, but never smaller than `minimum` (what the
// controls at their stated places need).
QSize ClientForOuterSize(QSize outer, const QMargins& frame, QSize minimum);

// Keeps a fixed-layout dialog at its stated outer size: sized before it is shown as if it
// had no frame, and again whenever the frame the window manager gave it becomes known or
// changes; its outer frame is placed by CentreForm.
class OuterSizeKeeper {
 public:
  OuterSizeKeeper(QDialog& dialog, QSize outer, QSize minimum);
  // Call from the dialog's event(): refits after a show, move or resize once framed.
  void Watch(const QEvent* event);

 private:
  void Fit(const QMargins& frame);

  QDialog& dialog_;
  QSize outer_, minimum_;
  QMargins applied_;
};

}  // namespace brindlex::qt
