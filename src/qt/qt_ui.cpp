#include "qt/qt_ui.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include "qt/multi_icon_dialog.h"

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

void QtUi::RepaintWindows() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible()) window->repaint();
}

FileDialogResult QtUi::ShowFileDialog(const FileDialogSetup& setup, int& filter_index) {
  QFileDialog dialog(parent_, ToQString(setup.title), QDir::currentPath());
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::ReadOnly, false);
  // The display texts name their pattern ("Windows Icon (*.ico)"); Qt reads the pattern
  // from the parentheses.
  QStringList filters;
  for (const auto& filter : setup.filters) filters << ToQString(filter.first);
  dialog.setNameFilters(filters);
  if (filter_index >= 1 && filter_index <= filters.size())
    dialog.selectNameFilter(filters[filter_index - 1]);
  if (setup.save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(ToQString(setup.default_extension));
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString path = dialog.selectedFiles().first();
  filter_index = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  return {path.toStdString(), QFileInfo(path).fileName().toStdString(), true};
}

void QtUi::ShowMultiIconDialog(FrmMultiIconDialog& form) {
  MultiIconDialog dialog(parent_, form);
  dialog.exec();
}

void QtUi::SetBusyPointer(BusyPointer pointer) {
  if (pointer == BusyPointer::kHourglass) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

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
