#include "qt/multi_icon_dialog.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "app/window_layout.h"
#include "qt/dialog_placement.h"
#include "qt/form_buttons.h"

namespace brindlex::qt {
namespace {

constexpr int kOuterWidth = FrmMultiIconDialog::kWidthTwips / kTwipsPerPixel;
constexpr int kOuterHeight = FrmMultiIconDialog::kHeightTwips / kTwipsPerPixel;
constexpr int kMargin = 8;
constexpr int kTextTop = 6, kTextHeight = 37;
constexpr int kListTop = 52;
constexpr int kButtonWidth = 93, kButtonHeight = 25;
// Below the buttons, and between the list and the buttons.
constexpr int kBottomGap = 9;
// The smallest client that still holds the text, two rows and the buttons.
constexpr int kMinClientWidth = 2 * kMargin + 2 * 60 + 3;
constexpr int kMinClientHeight = kListTop + 40 + kBottomGap + kButtonHeight + kBottomGap;
// The list's font size: 9 points at 96 dots per inch, and the smallest it may shrink to.
constexpr int kListPixels = 12, kMinListPixels = 8;

QFont ListFont(int pixels) {
  QFont font(QStringLiteral("Courier New"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPixelSize(pixels);
  return font;
}

}  // namespace

MultiIconDialogLayout LayOutMultiIconDialog(const QMargins& frame, int row_height, int list_frame) {
  MultiIconDialogLayout layout;
  const int width = std::max(kMinClientWidth,
                             kOuterWidth - std::max(0, frame.left()) - std::max(0, frame.right()));
  const int height = std::max(
      kMinClientHeight, kOuterHeight - std::max(0, frame.top()) - std::max(0, frame.bottom()));
  layout.client = QSize(width, height);
  const int inner = width - 2 * kMargin;
  layout.text = QRect(kMargin, kTextTop, inner, kTextHeight);
  const int button_top = height - kBottomGap - kButtonHeight;
  const int button_width = std::min(kButtonWidth, (inner - 3) / 2);
  layout.cancel = QRect(kMargin, button_top, button_width, kButtonHeight);
  layout.ok = QRect(width - kMargin - button_width, button_top, button_width, kButtonHeight);
  const int row = std::max(1, row_height);
  const int room = button_top - kBottomGap - kListTop - 2 * list_frame;
  const int rows = std::max(1, room / row);
  layout.list = QRect(kMargin, kListTop, inner, rows * row + 2 * list_frame);
  return layout;
}

MultiIconDialog::MultiIconDialog(QWidget* parent, FrmMultiIconDialog& form)
    : QDialog(parent), form_(form) {
  setWindowTitle(QString::fromLatin1(FrmMultiIconDialog::kCaption));
  if (parent) setWindowIcon(parent->windowIcon());

  text_ = new QLabel(QString::fromLatin1(FrmMultiIconDialog::kText), this);
  text_->setWordWrap(true);
  QFont small = text_->font();
  small.setPixelSize(10);
  text_->setFont(small);

  list_ = new QListWidget(this);
  list_->setUniformItemSizes(true);
  list_->setTextElideMode(Qt::ElideNone);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  for (const IconListRow& row : form_.LstIcons.rows) {
    auto* item = new QListWidgetItem(QString::fromStdString(row.text), list_);
    item->setData(Qt::UserRole, row.bit_count);
  }
  list_->setCurrentRow(form_.LstIcons.selected);

  cancel_ = new QPushButton(QString::fromLatin1(FrmMultiIconDialog::kCancelCaption), this);
  ok_ = new QPushButton(QString::fromLatin1(FrmMultiIconDialog::kOkCaption), this);
  ok_->setDefault(true);

  connect(list_, &QListWidget::currentRowChanged, this,
          [this](int row) { form_.LstIcons.selected = row; });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
    form_.LstIcons_DblClick();
    FinishIfClosed();
  });
  ConnectFormButton(this, ok_, form_, &FrmMultiIconDialog::CmdOk_Click);
  ConnectFormButton(this, cancel_, form_, &FrmMultiIconDialog::CmdCancel_Click);
  connect(this, &QDialog::rejected, this, [this] { form_.Form_Unload(); });

  // Until the window manager has framed the window, no frame is known.
  placement_ = new DialogPlacement(this, QSize(kOuterWidth, kOuterHeight), QSize(),
                                   [this](const QMargins& frame) { return LayOut(frame); });
}

void MultiIconDialog::FitToFrame(const QMargins& frame) { placement_->FitToFrame(frame); }

void MultiIconDialog::FitListFont(int list_width) {
  int pixels = kListPixels;
  for (; pixels > kMinListPixels; --pixels) {
    const QFontMetrics metrics(ListFont(pixels));
    int widest = 0;
    for (int i = 0; i < list_->count(); ++i)
      widest = std::max(widest, metrics.horizontalAdvance(list_->item(i)->text()));
    // Room for the text beside the vertical scroll bar, the frame and the item's margins.
    const int room =
        list_width - 2 * list_->frameWidth() - list_->verticalScrollBar()->sizeHint().width() - 6;
    if (widest <= room) break;
  }
  list_->setFont(ListFont(pixels));
}

QSize MultiIconDialog::LayOut(const QMargins& frame) {
  const int list_width = LayOutMultiIconDialog(frame, 1, 0).list.width();
  FitListFont(list_width);
  const int row_height =
      list_->count() > 0 ? list_->sizeHintForRow(0) : QFontMetrics(list_->font()).height();
  const MultiIconDialogLayout layout =
      LayOutMultiIconDialog(frame, row_height, list_->frameWidth());
  text_->setGeometry(layout.text);
  list_->setGeometry(layout.list);
  cancel_->setGeometry(layout.cancel);
  ok_->setGeometry(layout.ok);
  if (list_->currentItem()) list_->scrollToItem(list_->currentItem());
  return layout.client;
}

void MultiIconDialog::FinishIfClosed() {
  if (form_.Closed) accept();
}

void MultiIconDialog::closeEvent(QCloseEvent* event) {
  form_.Form_Unload();
  QDialog::closeEvent(event);
}

}  // namespace brindlex::qt
