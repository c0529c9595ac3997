#include "qt/hot_spot_dialog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "app/window_layout.h"
#include "qt/dialog_font.h"
#include "qt/dialog_placement.h"
#include "qt/form_buttons.h"
#include "qt/qt_ui.h"
#include "qt/surface_view.h"

namespace brindlex::qt {
namespace {

QRect RectOf(const FrmHotSpot::Place& place) {
  return QRect(place.left, place.top, place.width, place.height);
}

// Prints a text with its top-left corner at (x, y), as the window's own print does.
void PrintAt(QPainter& painter, int x, int y, const std::string& text) {
  const QFontMetrics metrics(painter.font());
  painter.drawText(x, y + metrics.ascent(), QString::fromStdString(text));
}

}  // namespace

HotSpotDialog::HotSpotDialog(QWidget* parent, FrmHotSpot& form) : QDialog(parent), form_(form) {
  setWindowTitle(QString::fromLatin1(FrmHotSpot::kCaption));
  if (parent) setWindowIcon(parent->windowIcon());
  QPalette face = palette();
  face.setColor(QPalette::Window, ToQColor(kButtonFace));
  face.setColor(QPalette::Button, ToQColor(kButtonFace));
  setPalette(face);
  // The classic face, small enough for each printed text to end before its value.
  setFont(FontFitting(ClassicDialogFont(), form_.Printed));

  picture_ = new SurfaceView(this, &form_.PicCursor, 0);
  picture_->setGeometry(RectOf(FrmHotSpot::kPicCursorPlace));
  picture_->setCursor(Qt::CrossCursor);
  picture_->on_press = [this](int button, int shift, double x, double y) {
    form_.PicCursor_MouseDown(button, shift, x, y);
    hot_x_->setText(QString::fromStdString(form_.LblHotX));
    hot_y_->setText(QString::fromStdString(form_.LblHotY));
  };
  picture_->on_move = [this](int button, int shift, double x, double y) {
    form_.PicCursor_MouseMove(button, shift, x, y);
    update(QRect(QPoint(FrmHotSpot::kReadoutLeft, FrmHotSpot::kReadoutTop),
                 QPoint(FrmHotSpot::kReadoutRight, FrmHotSpot::kReadoutBottom)));
  };

  hot_x_ = new QLabel(QString::fromStdString(form_.LblHotX), this);
  hot_x_->setGeometry(RectOf(FrmHotSpot::kLblHotXPlace));
  hot_y_ = new QLabel(QString::fromStdString(form_.LblHotY), this);
  hot_y_->setGeometry(RectOf(FrmHotSpot::kLblHotYPlace));

  auto* cancel = new QPushButton(QString::fromLatin1(FrmHotSpot::kCancelCaption), this);
  cancel->setGeometry(RectOf(FrmHotSpot::kCmdCancelPlace));
  auto* ok = new QPushButton(QString::fromLatin1(FrmHotSpot::kOkCaption), this);
  ok->setGeometry(RectOf(FrmHotSpot::kCmdOkPlace));
  ok->setDefault(true);
  ConnectFormButton(this, ok, form_, &FrmHotSpot::CmdOk_Click);
  ConnectFormButton(this, cancel, form_, &FrmHotSpot::CmdCancel_Click);
  connect(this, &QDialog::rejected, this, [this] { form_.Form_Unload(); });

  // The controls at their stated places need 402 x 466 pixels; the classic frame leaves
  // 407 x 470 inside the stated outer size.
  new DialogPlacement(
      this,
      QSize(FrmHotSpot::kWidthTwips / kTwipsPerPixel, FrmHotSpot::kHeightTwips / kTwipsPerPixel),
      QSize(402, 466));
}

void HotSpotDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (form_.Background.Width() > 0) {
    painter.drawImage(0, 0, WrapSurface(form_.Background));
  } else {
    painter.fillRect(rect(), ToQColor(kButtonFace));
  }
  const FrmHotSpot::Place img = FrmHotSpot::kImgXYPlace;
  if (form_.ImgXY.Width() > 0) painter.drawImage(img.left, img.top, WrapSurface(form_.ImgXY));
  painter.setPen(palette().color(QPalette::WindowText));
  for (const PrintedText& printed : form_.Printed)
    PrintAt(painter, printed.x, printed.y, printed.text);
  // The readout is blanked and printed again on every repaint, so it survives being covered.
  painter.fillRect(QRect(QPoint(FrmHotSpot::kReadoutLeft, FrmHotSpot::kReadoutTop),
                         QPoint(FrmHotSpot::kReadoutRight, FrmHotSpot::kReadoutBottom)),
                   ToQColor(kButtonFace));
  PrintAt(painter, FrmHotSpot::kReadoutTextX, FrmHotSpot::kReadoutTextY, form_.Readout);
}

void HotSpotDialog::closeEvent(QCloseEvent* event) {
  form_.Form_Unload();
  QDialog::closeEvent(event);
}

void QtUi::ShowHotSpotDialog(FrmHotSpot& form) {
  HotSpotDialog dialog(parent_, form);
  dialog.exec();
}

}  // namespace brindlex::qt
