#pragma once

#include <QDialog>

#include "forms/frm_grad.h"
#include "pixels/surface.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace brindlex::qt {

class StepScrollBar;
class SurfaceView;

// The transparency gradient window: the two previews with the direction scroll bar and its
// label, the colour boxes, the gradient kind, Ok and Cancel. Every event goes to the neutral
// form; Esc and the close box cancel. While the spherical preview grows, the window is
// repainted after each circle without running any user input.
class GradientDialog : public QDialog {
  Q_OBJECT
 public:
  GradientDialog(QWidget* parent, FrmGrad& form);
  ~GradientDialog() override;

  // Client size and the places of the controls that the form does not fix.
  static constexpr int kClientWidth = 166;
  static constexpr int kClientHeight = 226;

  SurfaceView* Linear() { return linear_; }
  SurfaceView* Spherical() { return spherical_; }
  SurfaceView* StartBox() { return start_box_; }
  SurfaceView* EndBox() { return end_box_; }
  StepScrollBar* Angle() { return angle_; }
  QLabel* AngleLabel() { return angle_label_; }
  QRadioButton* Option(int i) { return options_[i]; }
  QPushButton* Ok() { return ok_; }
  QPushButton* Cancel() { return cancel_; }

  void reject() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildColorFrame();
  // Brings every control in step with the form.
  void Sync();

  FrmGrad& form_;
  Surface background_;
  SurfaceView* linear_ = nullptr;
  SurfaceView* spherical_ = nullptr;
  SurfaceView* start_box_ = nullptr;
  SurfaceView* end_box_ = nullptr;
  StepScrollBar* angle_ = nullptr;
  QLabel* angle_label_ = nullptr;
  QRadioButton* options_[2] = {};
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace brindlex::qt
