// Qt's own buttons and dialogs in Spanish.
#include "qt/toolkit_translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace brindlex::qt {
namespace {

// The caption of a button without its access-key marker.
QString Plain(const QAbstractButton* button) { return button->text().remove('&'); }

// The accept button of a widget-drawn file dialog in the given mode.
QString AcceptButtonText(QFileDialog::AcceptMode mode) {
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(mode);
  auto* box = dialog.findChild<QDialogButtonBox*>();
  if (box == nullptr || box->buttons().isEmpty()) return {};
  const QList<QAbstractButton*> buttons = box->buttons();
  for (QAbstractButton* button : buttons)
    if (box->buttonRole(button) == QDialogButtonBox::AcceptRole) return Plain(button);
  return {};
}

TEST(ToolkitTranslations, StandardButtonsAndFileDialogsSpeakSpanish) {
  QTranslator* translator = InstallToolkitTranslations(*QCoreApplication::instance());
  ASSERT_NE(translator, nullptr) << "qtbase_es is missing: install qt6-translations-l10n";
  QMessageBox prompt(QMessageBox::Question, "Quorvane - Salvar kambios?", "salvar kambios??",
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(Plain(prompt.button(QMessageBox::Yes)), QString::fromUtf8("Sí"));
  EXPECT_EQ(Plain(prompt.button(QMessageBox::No)), "No");
  EXPECT_EQ(Plain(prompt.button(QMessageBox::Cancel)), "Cancelar");
  QMessageBox notice(QMessageBox::Warning, "Quorvane - Error", "x", QMessageBox::Ok);
  EXPECT_EQ(Plain(notice.button(QMessageBox::Ok)), "Aceptar");
  EXPECT_EQ(AcceptButtonText(QFileDialog::AcceptOpen), "Abrir");
  EXPECT_EQ(AcceptButtonText(QFileDialog::AcceptSave), "Guardar");
  // The editor's own texts are left as they are.
  EXPECT_EQ(prompt.windowTitle(), "Quorvane - Salvar kambios?");

  QCoreApplication::removeTranslator(translator);
  delete translator;
  QMessageBox english(QMessageBox::Question, "t", "x", QMessageBox::Yes);
  EXPECT_EQ(Plain(english.button(QMessageBox::Yes)), "Yes");
}

}  // namespace
}  // namespace brindlex::qt
