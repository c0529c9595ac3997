#include "qt/multi_icon_builder_window.h"

#include <QCloseEvent>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

#include "app/window_layout.h"
#include "qt/dialog_font.h"
#include "qt/dialog_placement.h"
#include "qt/qt_ui.h"
#include "qt/surface_view.h"

namespace brindlex::qt {
namespace {

// The client area below the menu bar: the form's painted background and printed titles.
class BuilderClient : public QWidget {
 public:
  BuilderClient(QWidget* parent, const FrmMir& form) : QWidget(parent), form_(form) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (form_.Background.Width() > 0) {
      painter.fillRect(rect(), ToQColor(kButtonFace));
      painter.drawImage(0, 0, WrapSurface(form_.Background));
    } else {
      painter.fillRect(rect(), ToQColor(kButtonFace));
    }
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(painter.font());
    for (const PrintedText& printed : form_.Printed)
      painter.drawText(printed.x, printed.y + metrics.ascent(),
                       QString::fromStdString(printed.text));
  }

 private:
  const FrmMir& form_;
};

}  // namespace

MultiIconBuilderWindow::MultiIconBuilderWindow(QWidget* parent, FrmMir& form)
    : QDialog(parent), form_(form) {
  setWindowTitle(QString::fromLatin1(FrmMir::kCaption));
  if (parent) setWindowIcon(parent->windowIcon());
  QPalette face = palette();
  face.setColor(QPalette::Window, ToQColor(kButtonFace));
  setPalette(face);

  menu_bar_ = new QMenuBar(this);
  file_menu_ = menu_bar_->addMenu(QString::fromLatin1(FrmMir::kFileCaption));
  open_ = file_menu_->addAction(QString::fromLatin1(FrmMir::kOpenCaption));
  create_ = file_menu_->addAction(QString::fromLatin1(FrmMir::kCreateCaption));
  file_menu_->addSeparator();
  exit_ = file_menu_->addAction(QString::fromLatin1(FrmMir::kExitCaption));
  const int menu_height = menu_bar_->sizeHint().height();
  connect(file_menu_, &QMenu::aboutToShow, this, [this] {
    form_.MnuFile_Click();
    create_->setEnabled(form_.MnuCreateEnabled);
  });
  connect(open_, &QAction::triggered, this, [this] {
    form_.MnuOpen_Click();
    Refresh();
  });
  connect(create_, &QAction::triggered, this, [this] {
    // Enabling is computed as the menu opens; a stale state never writes.
    form_.MnuFile_Click();
    if (form_.MnuCreateEnabled) form_.MnuCreate_Click();
    Refresh();
  });
  connect(exit_, &QAction::triggered, this, [this] {
    form_.MnuExit_Click();
    Refresh();
  });

  client_ = new BuilderClient(this, form_);
  // The frame titles in the classic face, small enough for each to stay over its frame's
  // blanked line.
  client_->setFont(FontFitting(ClassicDialogFont(), form_.Printed));
  for (int slot = 0; slot < kBuilderSlotCount; ++slot) {
    auto* view = new SurfaceView(client_, &form_.PicIco[slot], 0);
    view->setGeometry(FrmMir::SlotLeft(slot), FrmMir::SlotTop(slot), SlotEdge(slot),
                      SlotEdge(slot));
    view->on_release = [this, slot](int button, int shift, double x, double y) {
      SlotReleased(slot, button, shift, x, y);
    };
    slots_[slot] = view;
  }
  connect(this, &QDialog::rejected, this, [this] { form_.Form_Unload(); });

  // The frames and slots need 320 x 158 pixels below the menu bar.
  new DialogPlacement(
      this, QSize(FrmMir::kWidthTwips / kTwipsPerPixel, FrmMir::kHeightTwips / kTwipsPerPixel),
      QSize(320, menu_height + 158));
  LayOutClient();
}

void MultiIconBuilderWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  LayOutClient();
}

void MultiIconBuilderWindow::LayOutClient() {
  const int menu_height = menu_bar_->sizeHint().height();
  menu_bar_->setGeometry(0, 0, width(), menu_height);
  client_->setGeometry(0, menu_height, width(), height() - menu_height);
}

void MultiIconBuilderWindow::SlotReleased(int slot, int button, int shift, double x, double y) {
  form_.PicIco_MouseUp(slot, button, shift, x, y);
  if (!form_.MnuDelPopup) return;
  form_.MnuDelPopup = false;
  QMenu menu(QString::fromLatin1(FrmMir::kDelCaption), this);
  QAction* remove = menu.addAction(QString::fromLatin1(FrmMir::kDeleteCaption));
  delete_menu_ = &menu;
  const QAction* chosen = menu.exec(QCursor::pos());
  delete_menu_ = nullptr;
  if (chosen == remove) form_.MnuDelete_Click();
  Refresh();
}

void MultiIconBuilderWindow::Refresh() {
  for (SurfaceView* view : slots_) view->update();
  if (form_.Closed) accept();
}

void MultiIconBuilderWindow::closeEvent(QCloseEvent* event) {
  form_.Form_Unload();
  QDialog::closeEvent(event);
}

void QtUi::ShowMultiIconBuilder(FrmMir& form) {
  MultiIconBuilderWindow window(parent_, form);
  // The builder's messages and file dialogs belong to its own window while it is open.
  QWidget* owner = parent_;
  parent_ = &window;
  window.exec();
  parent_ = owner;
}

}  // namespace brindlex::qt
