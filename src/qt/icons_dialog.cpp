#include "qt/icons_dialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include "app/centre_form.h"
#include "app/window_layout.h"
#include "qt/form_buttons.h"
#include "qt/qt_ui.h"
#include "qt/surface_view.h"

namespace brindlex::qt {
namespace {

// The frame around the grid and its two-pixel sunken border.
constexpr QRect kFrame(8, 8, 401, 194);
constexpr int kFrameBorder = 2;

}  // namespace

IconsDialog::IconsDialog(QWidget* parent, FrmIcons& form) : QDialog(parent), form_(form) {
  if (parent) setWindowIcon(parent->windowIcon());
  const int width = FrmIcons::kWidthTwips / kTwipsPerPixel;
  const int height = FrmIcons::kHeightTwips / kTwipsPerPixel;
  setFixedSize(width, height);

  auto* frame = new QFrame(this);
  frame->setGeometry(kFrame);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setLineWidth(kFrameBorder);
  // The window onto the grid: the form composes what it shows for the scroll bar's value.
  grid_ = new SurfaceView(frame, &form_.PicIcons, 0);
  grid_->setGeometry(kFrameBorder, kFrameBorder, FrmIcons::kGridWidth, FrmIcons::kVisibleHeight);
  scroll_ = new QScrollBar(Qt::Vertical, frame);
  scroll_->setGeometry(kFrameBorder + FrmIcons::kGridWidth, kFrameBorder, 17,
                       FrmIcons::kVisibleHeight);

  info_ = new QLabel(this);
  info_->setGeometry(8, 206, 401, 18);
  cancel_ = new QPushButton(QString::fromLatin1(FrmIcons::kCancelCaption), this);
  cancel_->setGeometry(8, 230, 129, 27);
  ok_ = new QPushButton(QString::fromLatin1(FrmIcons::kOkCaption), this);
  ok_->setGeometry(144, 230, 129, 27);
  ok_->setDefault(true);
  browse_ = new QPushButton(QString::fromLatin1(FrmIcons::kBrowseCaption), this);
  browse_->setGeometry(280, 230, 129, 27);

  grid_->on_release = [this](int button, int shift, double x, double y) {
    form_.PicView_MouseUp(button, shift, x, y);
    Sync();
  };
  connect(scroll_, &QScrollBar::valueChanged, this, [this](int value) {
    if (scroll_->isSliderDown()) {
      form_.Vsb_Scroll(value);
    } else {
      form_.Vsb_Change(value);
    }
    Sync();
  });
  connect(browse_, &QPushButton::clicked, this, [this] {
    form_.CmdBrowse_Click();
    Sync();
  });
  ConnectFormButton(this, ok_, form_, &FrmIcons::CmdOk_Click);
  ConnectFormButton(this, cancel_, form_, &FrmIcons::CmdCancel_Click);
  connect(this, &QDialog::rejected, this, [this] { form_.Form_Unload(); });

  Sync();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    const WindowPosition place = CentreForm(area.width(), area.height(), width, height);
    move(area.left() + place.left, area.top() + place.top);
  }
}

void IconsDialog::Sync() {
  setWindowTitle(ToQString(form_.Caption));
  info_->setText(ToQString(form_.LblInfo));
  {
    const QSignalBlocker blocker(scroll_);
    scroll_->setEnabled(form_.Vsb.Enabled);
    scroll_->setRange(0, form_.Vsb.Max);
    scroll_->setSingleStep(form_.Vsb.SmallChange);
    scroll_->setPageStep(form_.Vsb.LargeChange);
    scroll_->setValue(form_.Vsb.Value);
  }
  grid_->update();
}

void IconsDialog::closeEvent(QCloseEvent* event) {
  form_.Form_Unload();
  QDialog::closeEvent(event);
}

void QtUi::ShowExtractDialog(FrmIcons& form) {
  IconsDialog dialog(parent_, form);
  dialog.exec();
}

}  // namespace brindlex::qt
