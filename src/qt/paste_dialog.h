#pragma once

#include <QDialog>
#include <QMargins>

#include "forms/frm_paste.h"

class QRadioButton;
class QPushButton;

namespace brindlex::qt {

class DialogPlacement;

// The window of the paste options: the text, the two options in their frame, Cancel and Ok.
// Every event goes to the neutral form; Esc and the close box are Cancel.
class PasteDialog : public QDialog {
  Q_OBJECT
 public:
  PasteDialog(QWidget* parent, FrmPaste& form);

  QRadioButton* Option(int index) { return options_[index]; }
  QPushButton* OkButton() { return ok_; }
  QPushButton* CancelButton() { return cancel_; }
  // Makes the outer size, frame included, the form's stated size for the window manager's
  // frame (none until the window is framed); the client area never gets smaller than the
  // controls need.
  void FitToFrame(const QMargins& frame);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  FrmPaste& form_;
  QRadioButton* options_[2] = {};
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  DialogPlacement* placement_ = nullptr;
};

}  // namespace brindlex::qt
