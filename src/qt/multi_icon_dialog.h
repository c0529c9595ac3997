#pragma once

#include <QDialog>

#include "forms/frm_multi_icon_dialog.h"

class QListWidget;

namespace brindlex::qt {

// The window of the multi-image choice: the text, the list of images in a fixed-pitch font,
// Cancel and Ok. Every event goes to the neutral form.
class MultiIconDialog : public QDialog {
  Q_OBJECT
 public:
  MultiIconDialog(QWidget* parent, FrmMultiIconDialog& form);

  QListWidget* List() { return list_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void FinishIfClosed();

  FrmMultiIconDialog& form_;
  QListWidget* list_;
};

}  // namespace brindlex::qt
