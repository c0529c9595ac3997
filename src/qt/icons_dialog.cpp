#include "qt/icons_dialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "app/window_layout.h"
#include "qt/dialog_placement.h"
#include "qt/form_buttons.h"
#include "qt/qt_ui.h"
#include "qt/surface_view.h"

namespace brindlex::qt {
namespace {

constexpr QSize kOuterSize(FrmIcons::kWidthTwips / kTwipsPerPixel,
                           FrmIcons::kHeightTwips / kTwipsPerPixel);
// The frame around the grid and its two-pixel sunken border.
constexpr QRect kFrame(8, 8, 401, 194);
constexpr int kFrameBorder = 2;
// Under the grid: the information line, then the three buttons side by side.
constexpr int kInfoHeight = 16;
constexpr int kButtonHeight = 23;
constexpr int kRowGap = 2;
constexpr int kButtonGap = 7;
constexpr int kUnderGrid = kInfoHeight + kRowGap + kButtonHeight;
// The grid, the information line and the buttons need this much room at the least.
constexpr QSize kMinClient(kFrame.right() + 1 + kFrame.left(),
                           kFrame.bottom() + 1 + kUnderGrid + 2);

}  // namespace

IconsDialog::IconsDialog(QWidget* parent, FrmIcons& form) : QDialog(parent), form_(form) {
  if (parent) setWindowIcon(parent->windowIcon());

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
  cancel_ = new QPushButton(QString::fromLatin1(FrmIcons::kCancelCaption), this);
  ok_ = new QPushButton(QString::fromLatin1(FrmIcons::kOkCaption), this);
  ok_->setDefault(true);
  browse_ = new QPushButton(QString::fromLatin1(FrmIcons::kBrowseCaption), this);

  grid_->on_release = [this](int button, int shift, double x, double y) {
    form_.PicView_MouseUp(button, shift, x, y);
    Sync();
  };
  grid_->on_wheel = [this](int notches) {
    form_.PicIcons_MouseWheel(notches);
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
  placement_ =
      new DialogPlacement(this, kOuterSize, kMinClient, [this](const QMargins& window_frame) {
        const QSize client = ClientForOuterSize(kOuterSize, window_frame, kMinClient);
        LayOutUnderGrid(client.height());
        return client;
      });
}

void IconsDialog::LayOutUnderGrid(int client_height) {
  // The information line and the buttons stand in the middle of the room under the grid.
  const int room_top = kFrame.bottom() + 1;
  const int top = room_top + (client_height - room_top - kUnderGrid) / 2;
  info_->setGeometry(kFrame.left(), top, kFrame.width(), kInfoHeight);
  const int button_top = top + kInfoHeight + kRowGap;
  const int button_width = (kFrame.width() - 2 * kButtonGap) / 3;
  QPushButton* const buttons[] = {cancel_, ok_, browse_};
  for (int i = 0; i < 3; ++i)
    buttons[i]->setGeometry(kFrame.left() + i * (button_width + kButtonGap), button_top,
                            button_width, kButtonHeight);
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
