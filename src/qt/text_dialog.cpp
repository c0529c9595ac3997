#include "qt/text_dialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "app/window_layout.h"
#include "platform/utf8_text.h"
#include "qt/dialog_placement.h"
#include "qt/form_buttons.h"
#include "qt/qt_fonts.h"
#include "qt/qt_ui.h"
#include "qt/surface_view.h"

namespace brindlex::qt {

namespace {

// The stated size is the outer one, frame included.
const QSize kOuterSize(FrmTxt::kWidthTwips / kTwipsPerPixel, FrmTxt::kHeightTwips / kTwipsPerPixel);
// The least client area in which the four rows of controls stay usable: the classic frame
// leaves 259 x 96 inside the outer size.
const QSize kMinClientSize(253, 92);

}  // namespace

TextDialog::TextDialog(QWidget* parent, FrmTxt& form) : QDialog(parent), form_(form) {
  setWindowTitle(QString::fromLatin1(FrmTxt::kCaption));
  if (parent) setWindowIcon(parent->windowIcon());

  txt_ = new QLineEdit(this);
  fonts_ = AddList(form_.CboFonts);
  sizes_ = AddList(form_.CboSize);
  styles_ = AddList(form_.CboStyle);
  color_ = new QPushButton(QString::fromLatin1(FrmTxt::kColorCaption), this);
  cancel_ = new QPushButton(QString::fromLatin1(FrmTxt::kCancelCaption), this);
  ok_ = new QPushButton(QString::fromLatin1(FrmTxt::kOkCaption), this);
  ok_->setDefault(true);

  connect(txt_, &QLineEdit::textEdited, this, [this](const QString& text) {
    form_.Txt = text.toStdString();
    form_.TxtSelStart = CharacterCount(text.left(txt_->cursorPosition()).toStdString());
    form_.Txt_Change();
    ShowText();
  });
  connect(fonts_, &QComboBox::activated, this, [this](int index) {
    form_.CboFonts.selected = index;
    form_.CboFonts_Click();
    ShowText();
  });
  connect(sizes_, &QComboBox::activated, this, [this](int index) {
    form_.CboSize.selected = index;
    form_.CboSize_Click();
    ShowText();
  });
  connect(styles_, &QComboBox::activated, this, [this](int index) {
    form_.CboStyle.selected = index;
    form_.CboStyle_Click();
    ShowText();
  });
  connect(color_, &QPushButton::clicked, this, [this] {
    form_.CmdColor_Click();
    ShowText();
  });
  ConnectFormButton(this, ok_, form_, &FrmTxt::CmdOk_Click);
  ConnectFormButton(this, cancel_, form_, &FrmTxt::CmdCancel_Click);
  ShowText();

  placement_ = new DialogPlacement(this, kOuterSize, kMinClientSize, [this](const QMargins& frame) {
    const QSize client = ClientForOuterSize(kOuterSize, frame, kMinClientSize);
    LayOutControls(client);
    return client;
  });
}

void TextDialog::FitToFrame(const QMargins& frame) { placement_->FitToFrame(frame); }

void TextDialog::LayOutControls(QSize client) {
  // Four rows share the height: the text box, the three lists, the colour button, then
  // Cancel and Ok.
  const int width = client.width();
  const int row = (client.height() - 4) / 4;
  const int height = row - 3;
  auto top = [&](int index) { return 4 + index * row; };
  txt_->setGeometry(8, top(0), width - 16, height);
  fonts_->setGeometry(8, top(1), 121, height);
  sizes_->setGeometry(133, top(1), 48, height);
  styles_->setGeometry(185, top(1), width - 193, height);
  color_->setGeometry(8, top(2), width - 16, height);
  cancel_->setGeometry(8, top(3), 120, height);
  ok_->setGeometry(width - 128, top(3), 120, height);
}

QComboBox* TextDialog::AddList(const ComboList& list) {
  auto* box = new QComboBox(this);
  for (const std::string& item : list.items) box->addItem(QString::fromStdString(item));
  box->setCurrentIndex(list.selected);
  return box;
}

void TextDialog::ShowText() {
  txt_->setFont(ToQFont(form_.TextFont));
  QPalette colours = txt_->palette();
  colours.setColor(QPalette::Text, ToQColor(form_.TextColor));
  txt_->setPalette(colours);
  const QString text = QString::fromStdString(form_.Txt);
  if (txt_->text() != text) txt_->setText(text);
  // The form counts the caret in characters, the box in UTF-16 units.
  const std::size_t caret =
      CharacterBounds(form_.Txt).at(std::min(form_.TxtSelStart, CharacterCount(form_.Txt)));
  txt_->setCursorPosition(
      static_cast<int>(QString::fromStdString(form_.Txt.substr(0, caret)).size()));
}

void TextDialog::reject() {
  form_.Form_Unload();
  QDialog::reject();
}

void TextDialog::closeEvent(QCloseEvent* event) {
  form_.Form_Unload();
  QDialog::closeEvent(event);
}

void QtUi::ShowTextDialog(FrmTxt& form) {
  TextDialog dialog(parent_, form);
  dialog.exec();
}

}  // namespace brindlex::qt
