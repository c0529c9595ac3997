#pragma once

#include <QDialog>

#include "forms/frm_icons.h"

class QLabel;
class QScrollBar;
class QPushButton;

namespace brindlex::qt {

class SurfaceView;

// The window of the icon extraction: the grid of icons in a sunken frame with its scroll
// bar, the information line, and Cancel, Ok and Browse. Every event goes to the neutral
// form; after each the window shows what the form holds.
class IconsDialog : public QDialog {
  Q_OBJECT
 public:
  IconsDialog(QWidget* parent, FrmIcons& form);

  SurfaceView* Grid() { return grid_; }
  QScrollBar* ScrollBar() { return scroll_; }
  QLabel* Info() { return info_; }
  QPushButton* OkButton() { return ok_; }
  QPushButton* BrowseButton() { return browse_; }
  QPushButton* CancelButton() { return cancel_; }

  // Shows the form's caption, grid, scroll bar and information line.
  void Sync();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  FrmIcons& form_;
  SurfaceView* grid_;
  QScrollBar* scroll_;
  QLabel* info_;
  QPushButton* cancel_;
  QPushButton* ok_;
  QPushButton* browse_;
};

}  // namespace brindlex::qt
