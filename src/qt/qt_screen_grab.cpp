#include "qt/qt_screen_grab.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>

namespace brindlex::qt {
namespace {

// How long the windows that lay under the editor get to repaint before the screen is read.
constexpr int kSettleMilliseconds = 150;

void LetWindowsRepaint() {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < kSettleMilliseconds) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    QThread::msleep(10);
  }
}

}  // namespace

bool QtScreenGrab::GrabScreen(Surface& picture) {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return false;
  LetWindowsRepaint();
  const QImage image = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGBX8888);
  if (image.isNull() || image.width() <= 0 || image.height() <= 0) return false;
  Surface grabbed(image.width(), image.height(), kBlack);
  for (int y = 0; y < image.height(); ++y) {
    const auto* source = reinterpret_cast<const Color*>(image.constScanLine(y));
    Color* row = grabbed.Row(y);
    for (int x = 0; x < image.width(); ++x) row[x] = source[x] & 0xFFFFFF;
  }
  picture = std::move(grabbed);
  return true;
}

QtScreenGrab& QtScreenGrab::Instance() {
  static QtScreenGrab grab;
  return grab;
}

}  // namespace brindlex::qt
