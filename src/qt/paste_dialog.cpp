#include "qt/paste_dialog.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "app/centre_form.h"
#include "app/window_layout.h"
#include "qt/qt_ui.h"

namespace brindlex::qt {
namespace {

constexpr int kOuterWidth = FrmPaste::kWidthTwips / kTwipsPerPixel;
constexpr int kOuterHeight = FrmPaste::kHeightTwips / kTwipsPerPixel;
// The client area never gets smaller than the controls with their margin need.
constexpr int kMinClientWidth = FrmPaste::kOkPlace.left + FrmPaste::kOkPlace.width + 8;
constexpr int kMinClientHeight = FrmPaste::kOkPlace.top + FrmPaste::kOkPlace.height + 8;

}  // namespace

QFont PasteDialog::DialogFont() {
  // The small sans-serif face of classic dialogs, 11 pixels high, so that the stated texts
  // fit the stated places; Arial's metric twin where Arial itself is missing.
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

namespace {

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
  setFixedSize(kOuterWidth, kOuterHeight);
  setFont(DialogFont());

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
  connect(ok_, &QPushButton::clicked, this, [this] {
    form_.CmdOk_Click();
    FinishIfClosed();
  });
  connect(cancel_, &QPushButton::clicked, this, [this] {
    form_.CmdCancel_Click();
    FinishIfClosed();
  });
  // Esc rejects the dialog: the same as Cancel.
  connect(this, &QDialog::rejected, this, [this] { form_.Form_Unload(); });

  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    const WindowPosition place = CentreForm(area.width(), area.height(), kOuterWidth, kOuterHeight);
    move(area.left() + place.left, area.top() + place.top);
  }
}

void PasteDialog::FinishIfClosed() {
  if (form_.Closed) accept();
}

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

bool PasteDialog::event(QEvent* event) {
  const bool handled = QDialog::event(event);
  // The window manager's frame becomes known once the window is shown and framed; a move
  // or a resize follows that.
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
      if (QWindow* window = windowHandle(); window && isVisible()) {
        const QMargins frame = window->frameMargins();
        if (frame != applied_frame_) FitToFrame(frame);
      }
      break;
    default:
      break;
  }
  return handled;
}

void PasteDialog::FitToFrame(const QMargins& frame) {
  applied_frame_ = frame;
  const int frame_width = std::max(0, frame.left()) + std::max(0, frame.right());
  const int frame_height = std::max(0, frame.top()) + std::max(0, frame.bottom());
  setFixedSize(std::max(kOuterWidth - frame_width, kMinClientWidth),
               std::max(kOuterHeight - frame_height, kMinClientHeight));
}

void QtUi::ShowPasteDialog(FrmPaste& form) {
  PasteDialog dialog(parent_, form);
  dialog.exec();
}

}  // namespace brindlex::qt
