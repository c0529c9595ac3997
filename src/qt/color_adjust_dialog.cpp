#include "qt/color_adjust_dialog.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "app/window_layout.h"
#include "qt/dialog_font.h"
#include "qt/dialog_placement.h"
#include "qt/form_buttons.h"
#include "qt/qt_ui.h"
#include "qt/step_scroll_bar.h"
#include "qt/surface_view.h"

namespace brindlex::qt {
namespace {

constexpr QSize kOuterSize(FrmColAdj::kWidthTwips / kTwipsPerPixel,
                           FrmColAdj::kHeightTwips / kTwipsPerPixel);
// The client area always holds the buttons.
constexpr QSize kMinClient(FrmColAdj::kOkPlace.left + FrmColAdj::kOkPlace.width + 4,
                           FrmColAdj::kOkPlace.top + FrmColAdj::kOkPlace.height + 4);

QPushButton* Button(QWidget* parent, const char* caption, FrmColAdj::ButtonPlace place) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setGeometry(place.left, place.top, place.width, place.height);
  return button;
}

}  // namespace

ColorAdjustDialog::ColorAdjustDialog(QWidget* parent, FrmColAdj& form)
    : QDialog(parent), form_(form) {
  setWindowTitle(QString::fromUtf8(FrmColAdj::kCaption));
  if (parent) setWindowIcon(parent->windowIcon());
  QPalette dialog_palette = palette();
  dialog_palette.setColor(QPalette::Window, ToQColor(form_.BackColor));
  dialog_palette.setColor(QPalette::Button, ToQColor(form_.BackColor));
  setPalette(dialog_palette);
  // The classic face: the captions keep a margin inside their buttons.
  setFont(ClassicDialogFont());
  new DialogPlacement(this, kOuterSize, kMinClient);

  // The values are read-outs, not fields to type in: plain text on the window's own
  // background, without a frame.
  for (int i = 0; i < 4; ++i) {
    auto* label = new QLabel(this);
    label->setGeometry(FrmColAdj::kLabelLeft, FrmColAdj::kLabelTops[i], FrmColAdj::kLabelWidth,
                       FrmColAdj::kLabelHeight);
    label->setFrameStyle(QFrame::NoFrame);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    labels_[i] = label;
  }
  // The sliders lie over the right end of their labels.
  for (int i = 0; i < 4; ++i) {
    auto* slider = new StepScrollBar(this, FrmColAdj::kSliderTop, FrmColAdj::kSliderBottom,
                                     FrmColAdj::kSliderStep, false);
    slider->setGeometry(FrmColAdj::kSliderLeft, FrmColAdj::kSliderTops[i], FrmColAdj::kSliderWidth,
                        FrmColAdj::kSliderHeight);
    slider->on_change = [this, i](int value) { SliderChanged(i, value); };
    sliders_[i] = slider;
  }

  preview_ = new SurfaceView(this, &form_.PicShade, 0);
  preview_->setGeometry(form_.PicShadeLeft, form_.PicShadeTop, form_.PicShade.Width(),
                        form_.PicShade.Height());

  QPushButton* reset = Button(this, FrmColAdj::kResetCaption, FrmColAdj::kResetPlace);
  QPushButton* cancel = Button(this, FrmColAdj::kCancelCaption, FrmColAdj::kCancelPlace);
  QPushButton* ok = Button(this, FrmColAdj::kOkCaption, FrmColAdj::kOkPlace);
  // Enter accepts the adjustment wherever the focus is; Reset and Cancel take a click or
  // the space bar.
  for (QPushButton* other : {reset, cancel}) other->setAutoDefault(false);
  ok->setDefault(true);
  connect(reset, &QPushButton::clicked, this, [this] {
    form_.CmdReset_Click();
    Sync();
  });
  ConnectFormButton(this, cancel, form_, &FrmColAdj::CmdCancel_Click);
  ConnectFormButton(this, ok, form_, &FrmColAdj::CmdOk_Click);
  Sync();
}

void ColorAdjustDialog::SliderChanged(int slider, int value) {
  switch (slider) {
    case FrmColAdj::kBrightness:
      form_.VsbBrightness_Change(value);
      break;
    case FrmColAdj::kRed:
      form_.VsbRed_Change(value);
      break;
    case FrmColAdj::kGreen:
      form_.VsbGreen_Change(value);
      break;
    default:
      form_.VsbBlue_Change(value);
      break;
  }
  Sync();
}

void ColorAdjustDialog::Sync() {
  for (int i = 0; i < 4; ++i) {
    labels_[i]->setText(QString::fromStdString(form_.LabelText[i]));
    if (sliders_[i]->FormValue() != form_.SliderValue[i])
      sliders_[i]->SetFormValue(form_.SliderValue[i]);
  }
  preview_->update();
}

void ColorAdjustDialog::reject() {
  form_.Form_Unload();
  QDialog::reject();
}

void ColorAdjustDialog::paintEvent(QPaintEvent*) {
  if (background_.Width() != width() || background_.Height() != height())
    background_ = Surface(width(), height());
  form_.Form_Paint(background_);
  QPainter painter(this);
  painter.drawImage(0, 0, WrapSurface(background_));
  painter.setPen(palette().color(QPalette::WindowText));
  for (int i = 0; i < 4; ++i)
    painter.drawText(QRect(FrmColAdj::kCaptionLeft, FrmColAdj::kCaptionTops[i], 58, 16),
                     Qt::AlignLeft | Qt::AlignTop,
                     QString::fromUtf8(FrmColAdj::kSliderCaptions[i]));
}

void QtUi::ShowColorAdjustDialog(FrmColAdj& form) {
  ColorAdjustDialog dialog(parent_, form);
  dialog.exec();
}

}  // namespace brindlex::qt
