#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "qt/qt_screen_grab.h"

namespace brindlex::qt {
namespace {

// The colour of the test picture at (x, y): red, green and blue all differ from pixel to pixel
// and from each other, so a swapped or shifted channel shows.
QRgb PatternAt(int x, int y) { return qRgb(x % 256, y % 256, (x * 3 + y) % 256); }

// A frameless window over the whole screen showing the test picture.
class PatternWindow : public QWidget {
 public:
  explicit PatternWindow(QSize size) : pattern_(size, QImage::Format_RGB32) {
    setWindowFlags(Qt::FramelessWindowHint);
    for (int y = 0; y < size.height(); ++y)
      for (int x = 0; x < size.width(); ++x) pattern_.setPixel(x, y, PatternAt(x, y));
  }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, pattern_); }

 private:
  QImage pattern_;
};

TEST(QtScreenGrab, ReadsTheScreenAsTheCoresColours) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  PatternWindow window(screen.size());
  window.setGeometry(screen);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  Surface picture(1, 1, kBlack);
  ASSERT_TRUE(QtScreenGrab::Instance().GrabScreen(picture));
  ASSERT_EQ(picture.Width(), screen.width());
  ASSERT_EQ(picture.Height(), screen.height());
  int wrong = 0;
  for (int y = 0; y < screen.height(); ++y) {
    for (int x = 0; x < screen.width(); ++x) {
      const QRgb c = PatternAt(x, y);
      const Color expected = qRed(c) | qGreen(c) << 8 | qBlue(c) << 16;  // 0x00BBGGRR
      if (picture.GetPixel(x, y) != expected && wrong++ == 0)
        ADD_FAILURE() << "first wrong pixel at " << x << ", " << y << ": " << std::hex
                      << picture.GetPixel(x, y) << " instead of " << expected;
    }
  }
  EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace brindlex::qt
