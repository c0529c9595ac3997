#pragma once

#include <QDialog>
#include <QMargins>
#include <QRect>
#include <QSize>

#include "forms/frm_multi_icon_dialog.h"

class QListWidget;
class QLabel;
class QPushButton;

namespace brindlex::qt {

class DialogPlacement;

// Where the choice window's controls stand inside its frame.
struct MultiIconDialogLayout {
  QSize client;
  QRect text, list, cancel, ok;
};

// Lays out the choice window so that its outer size, frame included, is the form's stated
// size: the client is that size less the window manager's frame margins. The controls keep
// their stated places for the classic frame (a 205 x 189 client); on another client the
// buttons stay 9 pixels above the bottom edge and the list fills the room above them. The
// list's height is a whole number of rows of `row_height` pixels inside its `list_frame`,
// so no row is ever cut.
MultiIconDialogLayout LayOutMultiIconDialog(const QMargins& frame, int row_height, int list_frame);

// The window of the multi-image choice: the text, the list of images in a fixed-pitch font,
// Cancel and Ok. Every event goes to the neutral form. Once shown, it reads the frame the
// window manager gave it and sizes itself so that the frame's outer size is the stated one.
class MultiIconDialog : public QDialog {
  Q_OBJECT
 public:
  MultiIconDialog(QWidget* parent, FrmMultiIconDialog& form);

  QListWidget* List() { return list_; }
  QPushButton* OkButton() { return ok_; }
  // Sizes and lays out the window for the given frame margins and centres its outer frame.
  void FitToFrame(const QMargins& frame);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void FinishIfClosed();
  // Picks the list's font: Courier New (or its metric twin) at 12 pixels, smaller only when
  // the widest row would not fit beside the vertical scroll bar.
  void FitListFont(int list_width);
  // Lays the controls out for a frame of these margins and answers the client size.
  QSize LayOut(const QMargins& frame);

  FrmMultiIconDialog& form_;
  QLabel* text_;
  QListWidget* list_;
  QPushButton* cancel_;
  QPushButton* ok_;
  DialogPlacement* placement_ = nullptr;
};

}  // namespace brindlex::qt
