#pragma once

#include <QDialog>
#include <array>

#include "forms/frm_col_adj.h"
#include "pixels/surface.h"

class QLabel;

namespace brindlex::qt {

class StepScrollBar;
class SurfaceView;

// The colour adjustment window: four step sliders with their value labels, the preview,
// Reset, Cancel and Ok. Every event goes to the neutral form; Esc and the close box cancel.
class ColorAdjustDialog : public QDialog {
  Q_OBJECT
 public:
  ColorAdjustDialog(QWidget* parent, FrmColAdj& form);

  StepScrollBar* Slider(int i) { return sliders_[i]; }
  QLabel* ValueLabel(int i) { return labels_[i]; }
  SurfaceView* Preview() { return preview_; }

  void reject() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Forwards a slider's change to the form's handler for that slider.
  void SliderChanged(int slider, int value);
  // Brings the labels, sliders and preview in step with the form.
  void Sync();

  FrmColAdj& form_;
  Surface background_;
  std::array<QLabel*, 4> labels_{};
  std::array<StepScrollBar*, 4> sliders_{};
  SurfaceView* preview_ = nullptr;
};

}  // namespace brindlex::qt
