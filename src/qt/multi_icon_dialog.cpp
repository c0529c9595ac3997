#include "qt/multi_icon_dialog.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "app/centre_form.h"
#include "app/window_layout.h"

namespace brindlex::qt {
namespace {

// Courier New when it is installed, else the system's fixed-pitch font.
QFont ListFont() {
  if (QFontDatabase::families().contains(QStringLiteral("Courier New")))
    return QFont(QStringLiteral("Courier New"), 9);
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(9);
  return font;
}

}  // namespace

MultiIconDialog::MultiIconDialog(QWidget* parent, FrmMultiIconDialog& form)
    : QDialog(parent), form_(form) {
  setWindowTitle(QString::fromLatin1(FrmMultiIconDialog::kCaption));
  if (parent) setWindowIcon(parent->windowIcon());
  const int width = FrmMultiIconDialog::kWidthTwips / kTwipsPerPixel;
  const int height = FrmMultiIconDialog::kHeightTwips / kTwipsPerPixel;
  setFixedSize(width, height);

  auto* text = new QLabel(QString::fromLatin1(FrmMultiIconDialog::kText), this);
  text->setWordWrap(true);
  text->setGeometry(8, 6, 189, 37);
  QFont small = text->font();
  small.setPixelSize(10);
  text->setFont(small);

  list_ = new QListWidget(this);
  list_->setGeometry(8, 52, 189, 94);
  list_->setFont(ListFont());
  for (const IconListRow& row : form_.LstIcons.rows) {
    auto* item = new QListWidgetItem(QString::fromStdString(row.text), list_);
    item->setData(Qt::UserRole, row.bit_count);
  }
  list_->setCurrentRow(form_.LstIcons.selected);

  auto* cancel = new QPushButton(QString::fromLatin1(FrmMultiIconDialog::kCancelCaption), this);
  cancel->setGeometry(8, 155, 93, 25);
  auto* ok = new QPushButton(QString::fromLatin1(FrmMultiIconDialog::kOkCaption), this);
  ok->setGeometry(104, 155, 93, 25);
  ok->setDefault(true);

  connect(list_, &QListWidget::currentRowChanged, this,
          [this](int row) { form_.LstIcons.selected = row; });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
    form_.LstIcons_DblClick();
    FinishIfClosed();
  });
  connect(ok, &QPushButton::clicked, this, [this] {
    form_.CmdOk_Click();
    FinishIfClosed();
  });
  connect(cancel, &QPushButton::clicked, this, [this] {
    form_.CmdCancel_Click();
    FinishIfClosed();
  });
  connect(this, &QDialog::rejected, this, [this] { form_.Form_Unload(); });

  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    const WindowPosition place = CentreForm(area.width(), area.height(), width, height);
    move(area.left() + place.left, area.top() + place.top);
  }
}

void MultiIconDialog::FinishIfClosed() {
  if (form_.Closed) accept();
}

void MultiIconDialog::closeEvent(QCloseEvent* event) {
  form_.Form_Unload();
  QDialog::closeEvent(event);
}

}  // namespace brindlex::qt
