#include "qt/gradient_dialog.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "qt/dialog_placement.h"
#include "qt/form_buttons.h"
#include "qt/qt_ui.h"
#include "qt/step_scroll_bar.h"
#include "qt/surface_view.h"

namespace brindlex::qt {
namespace {

constexpr QSize kClientSize(GradientDialog::kClientWidth, GradientDialog::kClientHeight);
constexpr int kBoxBorder = 2;

QLabel* Caption(QWidget* parent, const char* text, QRect place) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setGeometry(place);
  return label;
}

}  // namespace

GradientDialog::GradientDialog(QWidget* parent, FrmGrad& form) : QDialog(parent), form_(form) {
  setWindowTitle(QString::fromUtf8(FrmGrad::kCaption));
  if (parent) setWindowIcon(parent->windowIcon());
  QPalette dialog_palette = palette();
  dialog_palette.setColor(QPalette::Window, ToQColor(kButtonFace));
  dialog_palette.setColor(QPalette::Button, ToQColor(kButtonFace));
  setPalette(dialog_palette);
  new DialogPlacement(this, QSize(), kClientSize);

  const int size = form_.GradSize;
  linear_ = new SurfaceView(this, &form_.PicLinear, 0);
  linear_->setGeometry(form_.PicLinearLeft, form_.PicLinearTop, size, size);
  spherical_ = new SurfaceView(this, &form_.PicSpherical, 0);
  spherical_->setGeometry(form_.PicSphericalLeft, form_.PicSphericalTop, size, size);
  spherical_->on_press = [this](int button, int shift, double x, double y) {
    form_.PicSpherical_MouseDown(button, shift, x, y);
    Sync();
  };

  angle_label_ = Caption(this, "000", QRect(14, 68, 26, 17));
  angle_label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  angle_ =
      new StepScrollBar(this, FrmGrad::kAngleTop, FrmGrad::kAngleBottom, FrmGrad::kAngleStep, true);
  angle_->setGeometry(42, 67, 16, 19);
  angle_->on_change = [this](int value) {
    form_.VsbAngle_Change(value);
    Sync();
  };
  Caption(this, FrmGrad::kClickCaption, QRect(105, 68, 50, 17))->setAlignment(Qt::AlignCenter);

  BuildColorFrame();

  auto* kinds = new QButtonGroup(this);
  for (int i = 0; i < 2; ++i) {
    options_[i] = new QRadioButton(
        QString::fromUtf8(i == 0 ? FrmGrad::kLinearCaption : FrmGrad::kSphericalCaption), this);
    options_[i]->setGeometry(10, 176 + 22 * i, 72, 19);
    kinds->addButton(options_[i], i);
  }
  options_[0]->setChecked(true);
  connect(kinds, &QButtonGroup::idClicked, this, [this](int id) {
    form_.OptGradType_Click(id);
    Sync();
  });

  ok_ = new QPushButton(QString::fromUtf8(FrmGrad::kOkCaption), this);
  ok_->setGeometry(88, 172, 70, 23);
  cancel_ = new QPushButton(QString::fromUtf8(FrmGrad::kCancelCaption), this);
  cancel_->setGeometry(88, 198, 70, 23);
  ConnectFormButton(this, ok_, form_, &FrmGrad::CmdOk_Click);
  ConnectFormButton(this, cancel_, form_, &FrmGrad::CmdCancel_Click);

  // After each circle the window shows the preview and the disabled controls at once;
  // repaint() draws now and runs no queued input.
  form_.PreviewStep = [this] {
    Sync();
    repaint();
  };
  Sync();
}

GradientDialog::~GradientDialog() { form_.PreviewStep = nullptr; }

void GradientDialog::BuildColorFrame() {
  auto* frame = new QFrame(this);
  frame->setFrameShape(QFrame::Box);
  frame->setFrameShadow(QFrame::Sunken);
  frame->setGeometry(8, 90, 150, 78);
  const QSize box(FrmGrad::kColorBoxWidth + 2 * kBoxBorder,
                  FrmGrad::kColorBoxHeight + 2 * kBoxBorder);
  start_box_ = new SurfaceView(frame, &form_.PicStartColor, kBoxBorder);
  start_box_->setGeometry(QRect(QPoint(72, 8), box));
  end_box_ = new SurfaceView(frame, &form_.PicEndColor, kBoxBorder);
  end_box_->setGeometry(QRect(QPoint(72, 29), box));
  for (SurfaceView* view : {start_box_, end_box_}) view->setFocusPolicy(Qt::StrongFocus);
  Caption(frame, FrmGrad::kStartCaption, QRect(8, 9, 62, 17))->setBuddy(start_box_);
  Caption(frame, FrmGrad::kEndCaption, QRect(8, 30, 62, 17))->setBuddy(end_box_);
  // A click is a press and a release of the left button over the box.
  start_box_->on_release = [this](int button, int, double x, double y) {
    if (button != 1 || !start_box_->rect().contains(QPoint(int(x), int(y)))) return;
    form_.PicStartColor_Click();
    Sync();
  };
  end_box_->on_release = [this](int button, int, double x, double y) {
    if (button != 1 || !end_box_->rect().contains(QPoint(int(x), int(y)))) return;
    form_.PicEndColor_Click();
    Sync();
  };
  QLabel* hint = Caption(frame, FrmGrad::kHint, QRect(6, 50, 140, 26));
  hint->setWordWrap(true);
  QPalette red = hint->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  hint->setPalette(red);
}

void GradientDialog::Sync() {
  angle_label_->setText(QString::fromStdString(form_.LblAngle));
  if (angle_->FormValue() != form_.VsbAngle) angle_->SetFormValue(form_.VsbAngle);
  options_[form_.OptGradType == 0 ? 0 : 1]->setChecked(true);
  spherical_->setEnabled(form_.PicSphericalEnabled);
  ok_->setEnabled(form_.CmdOkEnabled);
  cancel_->setEnabled(form_.CmdCancelEnabled);
  for (QWidget* view : {static_cast<QWidget*>(linear_), static_cast<QWidget*>(spherical_),
                        static_cast<QWidget*>(start_box_), static_cast<QWidget*>(end_box_)})
    view->update();
}

void GradientDialog::reject() {
  form_.Form_Unload();
  QDialog::reject();
}

void GradientDialog::paintEvent(QPaintEvent*) {
  if (background_.Width() != width() || background_.Height() != height())
    background_ = Surface(width(), height());
  form_.Form_Paint(background_);
  QPainter painter(this);
  painter.drawImage(0, 0, WrapSurface(background_));
}

void QtUi::ShowGradientDialog(FrmGrad& form) {
  GradientDialog dialog(parent_, form);
  dialog.exec();
}

}  // namespace brindlex::qt
