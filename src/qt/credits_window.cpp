#include "qt/credits_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScreen>

#include "app/centre_form.h"
#include "qt/qt_ui.h"

namespace brindlex::qt {
namespace {

constexpr char kTitle[] = "Quorvane 2001";

// A line's text as the label shows it: a run of blanks fills out its line, so what follows
// starts a new one.
QString Shown(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QRegularExpression(QStringLiteral(" {2,}")), QStringLiteral("\n"));
  return shown;
}

}  // namespace

CreditsWindow::CreditsWindow(QWidget* parent, Form1& form) : QDialog(parent), form_(form) {
  setWindowTitle(QString::fromLatin1(kTitle));
  if (parent) setWindowIcon(parent->windowIcon());
  const int width = Form1::kClientWidthTwips / Form1::kTwipsPerPixel;
  const int height = Form1::kClientHeightTwips / Form1::kTwipsPerPixel;
  setFixedSize(width, height);
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    auto* label = new QLabel(Shown(form_.Labels[i].text), this);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPixelSize(12);
    font.setBold(true);
    label->setFont(font);
    // Clicks reach the window, and the form decides whether they hit a line.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    labels_[i] = label;
  }
  PlaceLines();
  timer_.setInterval(Form1::kTimerMilliseconds);
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
  if (form_.Timer1Enabled) timer_.start();

  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    const WindowPosition place = CentreForm(area.width(), area.height(), width, height);
    move(area.left() + place.left, area.top() + place.top);
  }
}

void CreditsWindow::PlaceLines() {
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    const CreditsLabel& line = form_.Labels[i];
    labels_[i]->setGeometry(Form1::Pixels(line.left), Form1::Pixels(line.top),
                            Form1::Pixels(line.width), Form1::Pixels(line.height));
  }
}

void CreditsWindow::Tick() {
  form_.Timer1_Timer();
  PlaceLines();
}

void CreditsWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  form_.ClickAt(event->position().x(), event->position().y());
  if (!form_.Closed) return;
  timer_.stop();
  accept();
}

// Keys never close the window (Esc included): only a click on its background does, or its
// close box.
void CreditsWindow::keyPressEvent(QKeyEvent* event) { event->accept(); }

void CreditsWindow::closeEvent(QCloseEvent* event) {
  timer_.stop();
  QDialog::closeEvent(event);
}

void QtUi::ShowCreditsWindow(Form1& form) {
  CreditsWindow window(parent_, form);
  window.exec();
}

}  // namespace brindlex::qt
