// The colour dialog and the repaint of long loops.
#include <QApplication>
#include <QColorDialog>

#include "qt/qt_ui.h"
#include "qt/surface_view.h"

namespace brindlex::qt {
namespace {

std::uint32_t FromQColor(const QColor& c) {
  return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
         static_cast<std::uint32_t>(c.blue()) << 16;
}

}  // namespace

Ui::ColorChoice QtUi::ChooseColor(std::uint32_t initial,
                                  std::array<std::uint32_t, 16>& custom_colors) {
  for (int i = 0; i < 16; ++i) QColorDialog::setCustomColor(i, ToQColor(custom_colors[i]));
  QWidget* owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : parent_;
  QColorDialog dialog(ToQColor(initial & 0xFFFFFF), owner);
  // Qt's own dialog, so that the custom colours are the ones given here.
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  dialog.setOption(QColorDialog::ShowAlphaChannel, false);
  const bool accepted = dialog.exec() == QDialog::Accepted;
  for (int i = 0; i < 16; ++i) custom_colors[i] = FromQColor(QColorDialog::customColor(i));
  return {accepted, accepted ? FromQColor(dialog.selectedColor()) : initial};
}

void QtUi::RepaintCanvas() { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

}  // namespace brindlex::qt
