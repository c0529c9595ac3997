#include "qt/text_dialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "app/centre_form.h"
#include "app/window_layout.h"
#include "qt/form_buttons.h"
#include "qt/qt_fonts.h"
#include "qt/qt_ui.h"
#include "qt/surface_view.h"

namespace brindlex::qt {

TextDialog::TextDialog(QWidget* parent, FrmTxt& form) : QDialog(parent), form_(form) {
  setWindowTitle(QString::fromLatin1(FrmTxt::kCaption));
  if (parent) setWindowIcon(parent->windowIcon());
  const int width = FrmTxt::kWidthTwips / kTwipsPerPixel;
  const int height = FrmTxt::kHeightTwips / kTwipsPerPixel;
  setFixedSize(width, height);

  txt_ = new QLineEdit(this);
  txt_->setGeometry(8, 6, width - 16, 26);
  fonts_ = AddList(form_.CboFonts, 8, 121);
  sizes_ = AddList(form_.CboSize, 133, 48);
  styles_ = AddList(form_.CboStyle, 185, width - 193);
  color_ = new QPushButton(QString::fromLatin1(FrmTxt::kColorCaption), this);
  color_->setGeometry(8, 64, width - 16, 23);
  cancel_ = new QPushButton(QString::fromLatin1(FrmTxt::kCancelCaption), this);
  cancel_->setGeometry(8, 91, 120, 23);
  ok_ = new QPushButton(QString::fromLatin1(FrmTxt::kOkCaption), this);
  ok_->setGeometry(width - 128, 91, 120, 23);
  ok_->setDefault(true);

  connect(txt_, &QLineEdit::textEdited, this, [this](const QString& text) {
    form_.Txt = text.toStdString();
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

  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    const WindowPosition place = CentreForm(area.width(), area.height(), width, height);
    move(area.left() + place.left, area.top() + place.top);
  }
}

QComboBox* TextDialog::AddList(const ComboList& list, int left, int width) {
  auto* box = new QComboBox(this);
  box->setGeometry(left, 36, width, 23);
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
  txt_->end(false);
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
