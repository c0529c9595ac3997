#include "qt/main_window.h"

#include <QAction>
#include <QBitmap>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>

#include "app/app_icon.h"
#include "app/centre_form.h"
#include "app/window_layout.h"
#include "document/tools.h"
#include "qt/palette_events.h"
#include "qt/qt_fonts.h"
#include "qt/qt_screen_grab.h"
#include "qt/tool_box.h"

namespace brindlex::qt {
namespace {

// The client area below the menu bar: the form's painted background, the two readout
// pictures and the readout texts.
class ClientArea : public QWidget {
 public:
  ClientArea(QWidget* parent, const FrmBrindlex& form) : QWidget(parent), form_(form) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const Surface& background = form_.WindowBackground();
    if (background.Width() > 0) {
      painter.drawImage(0, 0, WrapSurface(background));
    } else {
      painter.fillRect(rect(), ToQColor(kButtonFace));
    }
    if (form_.ImgXY.Width() > 0)
      painter.drawImage(kImgXYPlace.left, kImgXYPlace.top, WrapSurface(form_.ImgXY));
    if (form_.ImgToXY.Width() > 0)
      painter.drawImage(kImgToXYPlace.left, kImgToXYPlace.top, WrapSurface(form_.ImgToXY));
    painter.setPen(palette().color(QPalette::WindowText));
    DrawReadout(painter, kPositionReadout, form_.PositionReadout);
    DrawReadout(painter, kSizeReadout, form_.SizeReadout);
  }

 private:
  static void DrawReadout(QPainter& painter, const ReadoutPlace& place, const std::string& text) {
    painter.fillRect(QRect(QPoint(place.box_left, place.box_top),
                           QPoint(place.box_right - 1, place.box_bottom - 1)),
                     ToQColor(kButtonFace));
    painter.drawText(QRect(place.text_x, place.text_y, place.box_right - place.text_x,
                           place.box_bottom - place.text_y + 2),
                     Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(text));
  }

  const FrmBrindlex& form_;
};

// The editor's icon with its button-face pixels transparent.
QIcon AppIcon() {
  QPixmap pixmap = QPixmap::fromImage(WrapSurface(MakeAppIcon()).copy());
  pixmap.setMask(pixmap.createMaskFromColor(ToQColor(kButtonFace)));
  return QIcon(pixmap);
}

QKeySequence ShortcutOf(const std::string& shortcut) {
  return QKeySequence(QString::fromStdString(shortcut), QKeySequence::PortableText);
}

QString ActionText(const MenuEntry& entry) {
  QString text = QString::fromStdString(entry.caption);
  if (!entry.shortcut.empty())
    text += QLatin1Char('\t') + ShortcutOf(entry.shortcut).toString(QKeySequence::NativeText);
  return text;
}

}  // namespace

MainWindow::MainWindow(QtUi& ui, const Screen& screen, StartupPaths paths, Registry* registry)
    : ui_(ui), form_(ui, screen, std::move(paths), registry) {
  // The window has a fixed size: its frame offers minimize and close, no maximize.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setAcceptDrops(true);
  setWindowIcon(AppIcon());
  form_.SetFontRenderer(QtFontRenderer::Instance());
  form_.SetScreenGrab(QtScreenGrab::Instance());
  ui_.SetParentWindow(this);
  form_.SetClipboard(&clipboard_);
  QPalette window_palette = palette();
  window_palette.setColor(QPalette::Window, ToQColor(kButtonFace));
  window_palette.setColor(QPalette::Button, ToQColor(kButtonFace));
  setPalette(window_palette);
  BuildMenus();
  BuildControls();
  enable_timer_.setInterval(kEnableTimerMilliseconds);
  enable_timer_.setSingleShot(false);
  connect(&enable_timer_, &QTimer::timeout, this, [this] {
    form_.TmrEnable_Timer();
    Sync();
  });
}

MainWindow::~MainWindow() {
  ui_.SetParentWindow(nullptr);
  ui_.on_repaint_canvas = nullptr;
}

void MainWindow::BuildMenus() {
  for (const MenuEntry& top : form_.Menus) {
    QMenu* menu = menuBar()->addMenu(QString::fromStdString(top.caption));
    top_menus_[top.control] = menu;
    // Only entries that carry a tooltip (the recent files' full paths) show one.
    menu->setToolTipsVisible(true);
    connect(menu, &QMenu::aboutToShow, this, [this, control = top.control] {
      form_.MenuOpening(control);
      Sync();
    });
    // Entries, one level of submenus deep (the new-icon sizes).
    std::function<void(QMenu*, const std::vector<MenuEntry>&)> add_entries =
        [&](QMenu* into, const std::vector<MenuEntry>& entries) {
          for (const MenuEntry& entry : entries) {
            QAction* action;
            if (!entry.children.empty()) {
              QMenu* sub = into->addMenu(QString::fromStdString(entry.caption));
              add_entries(sub, entry.children);
              action = sub->menuAction();
            } else if (entry.IsSeparator()) {
              action = into->addSeparator();
            } else {
              action = into->addAction(ActionText(entry));
              connect(action, &QAction::triggered, this,
                      [this, top_control = top.control, control = entry.control,
                       index = entry.index] { RunMenuEntry(top_control, control, index); });
              std::vector<std::string> keys = entry.unshown_shortcuts;
              if (!entry.shortcut.empty()) keys.push_back(entry.shortcut);
              for (const std::string& key : keys) {
                auto* shortcut = new QShortcut(ShortcutOf(key), this);
                shortcut->setContext(Qt::WindowShortcut);
                connect(shortcut, &QShortcut::activated, this,
                        [this, top_control = top.control, control = entry.control,
                         index = entry.index] { RunMenuEntry(top_control, control, index); });
              }
            }
            actions_[{entry.control, entry.index}] = action;
          }
        };
    add_entries(menu, top.children);
  }
  SyncMenus(form_.Menus);
}

void MainWindow::BuildControls() {
  client_ = new ClientArea(this, form_);
  client_->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client_);

  canvas_ = new SurfaceView(client_, &form_.Document.PicMain, 0);
  canvas_->setGeometry(kPicMainPlace.left, kPicMainPlace.top, kPicMainPlace.width,
                       kPicMainPlace.height);
  canvas_->on_press = [this](int b, int s, double x, double y) {
    form_.PicMain_MouseDown(b, s, x, y);
    Sync();
  };
  canvas_->on_move = [this](int b, int s, double x, double y) {
    form_.PicMain_MouseMove(b, s, x, y);
    Sync();
  };
  canvas_->on_release = [this](int b, int s, double x, double y) {
    form_.PicMain_MouseUp(b, s, x, y);
    Sync();
  };

  preview_ = new SurfaceView(client_, &form_.Document.PicIcon, 0);
  // A moving selection is shown at every step without running other events.
  ui_.on_repaint_canvas = [this] {
    canvas_->repaint();
    preview_->repaint();
  };

  const struct {
    const Surface* surface;
    ControlPlace place;
    int border;
  } swatches[] = {
      {&form_.PicLeft, kPicLeftPlace, 2},       {&form_.PicRight, kPicRightPlace, 2},
      {&form_.PicPal, kPicPalPlace, 2},         {&form_.PicScreen, kPicScreenPlace, 2},
      {&form_.PicGreyPal, kPicGreyPalPlace, 2}, {&form_.PicMiniPal, kPicMiniPalPlace, 0},
  };
  for (const auto& swatch : swatches) {
    auto* view = new SurfaceView(client_, swatch.surface, swatch.border);
    view->setGeometry(swatch.place.left, swatch.place.top, swatch.place.width, swatch.place.height);
    swatches_.push_back(view);
  }
  ConnectPalettes(form_, {swatches_[2], swatches_[4], swatches_[5], swatches_[3]},
                  [this] { Sync(); });

  tool_group_ = new QButtonGroup(this);
  tool_group_->setExclusive(true);
  for (int i = 0; i < kToolCount; ++i) {
    auto* button = new QToolButton(client_);
    const ControlPlace place = ToolButtonPlace(i);
    button->setGeometry(place.left, place.top, place.width, place.height);
    button->setText(QString::fromLatin1(kToolTable[i].name));
    button->setToolTip(QString::fromLatin1(kToolTable[i].name));
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    QFont small = button->font();
    small.setPixelSize(9);
    button->setFont(small);
    DecorateToolButton(button, i);
    tool_group_->addButton(button, i);
    tool_buttons_[i] = button;
  }
  connect(tool_group_, &QButtonGroup::idClicked, this, [this](int id) {
    form_.OptTool_Click(id);
    Sync();
  });
}

void MainWindow::Start() {
  ui_.on_show_main_window = [this] { PlaceAndShow(); };
  form_.Form_Load();
  ui_.on_show_main_window = nullptr;
  Sync();
  if (form_.Unloaded) close();
}

void MainWindow::PlaceAndShow() {
  setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    const WindowPosition place =
        CentreForm(area.width(), area.height(), kWindowWidthTwips / kTwipsPerPixel,
                   kWindowHeightTwips / kTwipsPerPixel);
    move(area.left() + place.left, area.top() + place.top);
  }
  Sync();
  show();
}

QAction* MainWindow::ActionOf(const std::string& control, int index) {
  auto it = actions_.find({control, index});
  return it == actions_.end() ? nullptr : it->second;
}

QMenu* MainWindow::TopMenu(const std::string& control) {
  auto it = top_menus_.find(control);
  return it == top_menus_.end() ? nullptr : it->second;
}

void MainWindow::RunMenuEntry(const std::string& top_menu, const std::string& control, int index) {
  // A canvas stroke whose release went to another window ends before the entry looks at it.
  form_.EndLostStroke(ButtonSet(QGuiApplication::mouseButtons()));
  form_.MenuOpening(top_menu);
  form_.MenuClick(control, index);
  Sync();
}

void MainWindow::SyncMenus(const std::vector<MenuEntry>& entries) {
  for (const MenuEntry& entry : entries) {
    if (QAction* action = ActionOf(entry.control, entry.index)) {
      action->setEnabled(entry.enabled);
      action->setVisible(entry.visible);
      if (!entry.IsSeparator() && entry.children.empty()) {
        action->setText(ActionText(entry));
        action->setToolTip(QString::fromStdString(entry.tooltip));
      }
    }
    SyncMenus(entry.children);
  }
}

void MainWindow::Sync() {
  setWindowTitle(QString::fromStdString(form_.Caption));
  SyncMenus(form_.Menus);
  const IconDocument& document = form_.Document;
  preview_->setGeometry(document.PreviewLeft, document.PreviewTop, document.Edge(),
                        document.Edge());
  canvas_->setEnabled(form_.PicMainEnabled);
  if (form_.TmrEnableRunning && !enable_timer_.isActive()) enable_timer_.start();
  if (!form_.TmrEnableRunning && enable_timer_.isActive()) enable_timer_.stop();
  if (QAbstractButton* button = tool_buttons_[form_.CurrentTool]; button && !button->isChecked())
    button->setChecked(true);
  ShowCanvasPointer(canvas_, form_.CanvasPointerShown);
  canvas_->update();
  preview_->update();
  for (SurfaceView* view : swatches_) view->update();
  client_->update(QRect(kPositionReadout.box_left, kPositionReadout.box_top,
                        kSizeReadout.box_right - kPositionReadout.box_left,
                        kSizeReadout.box_bottom - kPositionReadout.box_top));
  if (form_.Unloaded && !closing_) close();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  std::vector<std::string> files;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
  if (files.empty()) return;
  event->acceptProposedAction();
  form_.OpenDroppedFile(files);
  Sync();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!form_.Unloaded && form_.Form_QueryUnload()) {
    event->ignore();
    Sync();
    return;
  }
  closing_ = true;
  event->accept();
}

}  // namespace brindlex::qt
