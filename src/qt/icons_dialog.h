#pragma once

#include <QDialog>

#include "forms/frm_icons.h"

class QLabel;
class QScrollBar;
class QPushButton;

namespace brindlex::qt {

class DialogPlacement;
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
  // What sizes and places the window by its outer size as its frame becomes known.
  DialogPlacement* Placement() { return placement_; }

  // Shows the form's caption, grid, scroll bar and information line.
  void Sync();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Places the information line and the buttons in a client area of this height.
  void LayOutUnderGrid(int client_height);

  FrmIcons& form_;
  SurfaceView* grid_;
  QScrollBar* scroll_;
  QLabel* info_;
  QPushButton* cancel_;
  QPushButton* ok_;
  QPushButton* browse_;
  DialogPlacement* placement_;
};

}  // namespace brindlex::qt
