#pragma once

#include <QDialog>
#include <QTimer>
#include <array>

#include "forms/form1.h"

class QLabel;

namespace brindlex::qt {

// The credits window: the form's seven lines as labels that move with the scroll timer. A
// click goes to the form, which tells a line from the background.
class CreditsWindow : public QDialog {
  Q_OBJECT
 public:
  CreditsWindow(QWidget* parent, Form1& form);

  QLabel* Line(int i) { return labels_[i]; }
  // One step of the scroll timer.
  void Tick();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void PlaceLines();

  Form1& form_;
  std::array<QLabel*, 7> labels_{};
  QTimer timer_;
};

}  // namespace brindlex::qt
