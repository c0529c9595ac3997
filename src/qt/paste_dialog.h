#pragma once

#include <QDialog>

#include "forms/frm_paste.h"

class QRadioButton;
class QPushButton;

namespace brindlex::qt {

// The window of the paste options: the text, the two options in their frame, Cancel and Ok.
// Every event goes to the neutral form; Esc and the close box are Cancel.
class PasteDialog : public QDialog {
  Q_OBJECT
 public:
  PasteDialog(QWidget* parent, FrmPaste& form);

  QRadioButton* Option(int index) { return options_[index]; }
  QPushButton* OkButton() { return ok_; }
  QPushButton* CancelButton() { return cancel_; }
  // The font of the window's texts.
  static QFont DialogFont();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void FinishIfClosed();
  // Makes the outer size, frame included, the form's stated size once the window manager's
  // frame is known.
  void FitOuterSize();

  FrmPaste& form_;
  QRadioButton* options_[2] = {};
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace brindlex::qt
