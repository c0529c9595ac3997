#include "platform/qt/qt_ui.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace brindlex::qt {

QString ToQString(const std::string& text) {
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

MessageAnswer QtUi::ShowMessage(const std::string& text, const std::string& title, MessageIcon icon,
                                MessageButtons buttons) {
  QMessageBox::Icon qt_icon = QMessageBox::NoIcon;
  switch (icon) {
    case MessageIcon::kCritical:
      qt_icon = QMessageBox::Critical;
      break;
    case MessageIcon::kQuestion:
      qt_icon = QMessageBox::Question;
      break;
    case MessageIcon::kExclamation:
      qt_icon = QMessageBox::Warning;
      break;
    case MessageIcon::kInformation:
      qt_icon = QMessageBox::Information;
      break;
    case MessageIcon::kNone:
      break;
  }
  QMessageBox::StandardButtons qt_buttons = QMessageBox::Ok;
  QMessageBox::StandardButton escape = QMessageBox::Ok;
  switch (buttons) {
    case MessageButtons::kOk:
      break;
    case MessageButtons::kOkCancel:
      qt_buttons = QMessageBox::Ok | QMessageBox::Cancel;
      escape = QMessageBox::Cancel;
      break;
    case MessageButtons::kYesNo:
      qt_buttons = QMessageBox::Yes | QMessageBox::No;
      escape = QMessageBox::No;
      break;
    case MessageButtons::kYesNoCancel:
      qt_buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
      escape = QMessageBox::Cancel;
      break;
  }
  QMessageBox box(qt_icon, ToQString(title), ToQString(text), qt_buttons, parent_);
  box.setEscapeButton(escape);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return MessageAnswer::kYes;
    case QMessageBox::No:
      return MessageAnswer::kNo;
    case QMessageBox::Ok:
      return MessageAnswer::kOk;
    default:
      return MessageAnswer::kCancel;
  }
}

void QtUi::DoEvents() { QApplication::processEvents(); }

int QtScreen::BitsPerPixel() const {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->depth() : 24;
}

int QtScreen::Width() const {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().width() : 1024;
}

int QtScreen::Height() const {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().height() : 768;
}

}  // namespace brindlex::qt
