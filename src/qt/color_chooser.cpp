// The colour dialog: Qt's own (not the desktop's, so that the custom colours given are the
// ones shown), without alpha.
#include <QApplication>
#include <QColorDialog>

#include "qt/qt_ui.h"
#include "qt/surface_view.h"

namespace brindlex::qt {
namespace {

// A Qt colour in the planes' order 0x00BBGGRR.
Color FromQColor(const QColor& c) {
  return static_cast<Color>(c.red() | (c.green() << 8) | (c.blue() << 16));
}

}  // namespace

std::optional<Color> QtUi::ChooseColor(Color initial, std::array<Color, 16>& custom_colors) {
  // Qt keeps one set of custom colours for the whole program: load this caller's set before
  // opening and read it back after either answer, so no other dialog's colours leak in.
  for (int i = 0; i < 16; ++i) QColorDialog::setCustomColor(i, ToQColor(custom_colors[i]));
  QWidget* owner = QApplication::activeModalWidget();
  QColorDialog dialog(ToQColor(initial), owner ? owner : parent_);
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  dialog.setOption(QColorDialog::ShowAlphaChannel, false);
  const bool accepted = dialog.exec() == QDialog::Accepted;
  for (int i = 0; i < 16; ++i) custom_colors[i] = FromQColor(QColorDialog::customColor(i));
  if (!accepted) return std::nullopt;
  return FromQColor(dialog.selectedColor());
}

}  // namespace brindlex::qt
