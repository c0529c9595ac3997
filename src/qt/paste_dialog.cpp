#include "qt/paste_dialog.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "app/window_layout.h"
#include "qt/dialog_font.h"
#include "qt/dialog_placement.h"
#include "qt/form_buttons.h"
#include "qt/qt_ui.h"

namespace brindlex::qt {
namespace {

constexpr int kOuterWidth = FrmPaste::kWidthTwips / kTwipsPerPixel;
constexpr int kOuterHeight = FrmPaste::kHeightTwips / kTwipsPerPixel;
// The client area never gets smaller than the controls with their margin need.
constexpr int kMinClientWidth = FrmPaste::kOkPlace.left + FrmPaste::kOkPlace.width + 8;
constexpr int kMinClientHeight = FrmPaste::kOkPlace.top + FrmPaste::kOkPlace.height + 8;

// Option buttons of the classic size: a 13-pixel round indicator and 4 pixels before the
// text, so that the buttons fit their 13-pixel-high places whole.
class ClassicOptionStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    switch (metric) {
      case PM_ExclusiveIndicatorWidth:
      case PM_ExclusiveIndicatorHeight:
        return 13;
      case PM_RadioButtonLabelSpacing:
        return 4;
      default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
  }
};

QRect RectOf(const FrmPaste::Place& place) {
  return QRect(place.left, place.top, place.width, place.height);
}

}  // namespace

PasteDialog::PasteDialog(QWidget* parent, FrmPaste& form) : QDialog(parent), form_(form) {
  setWindowTitle(QString::fromLatin1(FrmPaste::kCaption));
  if (parent) setWindowIcon(parent->windowIcon());
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFont(ClassicDialogFont());

  auto* frame = new QGroupBox(QString::fromLatin1(FrmPaste::kFrameCaption), this);
  frame->setGeometry(RectOf(FrmPaste::kFramePlace));
  auto* option_style = new ClassicOptionStyle();
  option_style->setParent(this);
  const char* captions[2] = {FrmPaste::kShrinkCaption, FrmPaste::kKeepAspectCaption};
  for (int i = 0; i < 2; ++i) {
    options_[i] = new QRadioButton(QString::fromLatin1(captions[i]), frame);
    options_[i]->setStyle(option_style);
    options_[i]->setGeometry(RectOf(FrmPaste::kOptionPlaces[i]));
    connect(options_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) form_.OptPaste_Click(i);
    });
  }
  options_[form_.SelectedOption == 1 ? 1 : 0]->setChecked(true);

  cancel_ = new QPushButton(QString::fromLatin1(FrmPaste::kCancelCaption), this);
  cancel_->setGeometry(RectOf(FrmPaste::kCancelPlace));
  ok_ = new QPushButton(QString::fromLatin1(FrmPaste::kOkCaption), this);
  ok_->setGeometry(RectOf(FrmPaste::kOkPlace));
  ok_->setDefault(true);
  ConnectFormButton(this, ok_, form_, &FrmPaste::CmdOk_Click);
  ConnectFormButton(this, cancel_, form_, &FrmPaste::CmdCancel_Click);
  // Esc rejects the dialog: the same as Cancel.
  connect(this, &QDialog::rejected, this, [this] { form_.Form_Unload(); });

  placement_ = new DialogPlacement(this, QSize(kOuterWidth, kOuterHeight),
                                   QSize(kMinClientWidth, kMinClientHeight));
}

void PasteDialog::FitToFrame(const QMargins& frame) { placement_->FitToFrame(frame); }

void PasteDialog::closeEvent(QCloseEvent* event) {
  form_.Form_Unload();
  QDialog::closeEvent(event);
}

void PasteDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(QRect(FrmPaste::kTextLeft, FrmPaste::kTextTop, width() - FrmPaste::kTextLeft,
                         FrmPaste::kFramePlace.top - FrmPaste::kTextTop),
                   Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(FrmPaste::kText));
}

void QtUi::ShowPasteDialog(FrmPaste& form) {
  PasteDialog dialog(parent_, form);
  dialog.exec();
}

}  // namespace brindlex::qt
