#pragma once

#include <QDialog>
#include <memory>

#include "forms/frm_hot_spot.h"

class QLabel;

namespace brindlex::qt {

class SurfaceView;

// The window of the hot spot choice: the canvas copy, the two hot spot labels, the pointer
// readout, Cancel and Ok. Every event goes to the neutral form; the window only shows it.
class HotSpotDialog : public QDialog {
  Q_OBJECT
 public:
  HotSpotDialog(QWidget* parent, FrmHotSpot& form);

  SurfaceView* Picture() { return picture_; }
  QLabel* HotXLabel() { return hot_x_; }
  QLabel* HotYLabel() { return hot_y_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  FrmHotSpot& form_;
  SurfaceView* picture_;
  QLabel* hot_x_;
  QLabel* hot_y_;
};

}  // namespace brindlex::qt
