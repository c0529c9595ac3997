#pragma once

#include <QDialog>
#include <QMargins>

#include "forms/frm_txt.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace brindlex::qt {

class DialogPlacement;

// The text stamp's window: the text box, the font, size and style lists, the colour button,
// Ok and Cancel. Every event goes to the neutral form; the text box shows the form's text
// in its font and colour.
class TextDialog : public QDialog {
  Q_OBJECT
 public:
  TextDialog(QWidget* parent, FrmTxt& form);

  QLineEdit* TextBox() { return txt_; }
  QComboBox* Fonts() { return fonts_; }
  QComboBox* Sizes() { return sizes_; }
  QComboBox* Styles() { return styles_; }
  QPushButton* ColorButton() { return color_; }
  QPushButton* OkButton() { return ok_; }
  QPushButton* CancelButton() { return cancel_; }
  // Makes the outer size, frame included, the form's stated size for the window manager's
  // frame (none until the window is framed), and lays the controls out in what is left.
  void FitToFrame(const QMargins& frame);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  QComboBox* AddList(const ComboList& list);
  void LayOutControls(QSize client);
  // Shows the form's text, font and colour in the text box, the caret where the form has it.
  void ShowText();

  FrmTxt& form_;
  QLineEdit* txt_;
  QComboBox *fonts_, *sizes_, *styles_;
  QPushButton *color_, *ok_, *cancel_;
  DialogPlacement* placement_ = nullptr;
};

}  // namespace brindlex::qt
