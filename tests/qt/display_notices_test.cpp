// Pointer confinement on a display that cannot move the pointer: the pick still works, and
// the user is told once, after the button is released.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "app/window_layout.h"
#include "qt/main_window.h"
#include "qt/pointer_confinement.h"
#include "qt/surface_view.h"
#include "scripted_ui.h"

namespace brindlex::qt {
namespace {

struct SeenBox {
  QString title, text;
};

// Closes every message box that opens while `action` runs, recording its title and text.
std::vector<SeenBox> ClosingMessageBoxes(const std::function<void()>& action) {
  std::vector<SeenBox> seen;
  QTimer timer;
  timer.setInterval(10);
  QObject::connect(&timer, &QTimer::timeout, [&seen] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      seen.push_back({box->windowTitle(), box->text()});
      box->accept();
    }
  });
  timer.start();
  action();
  return seen;
}

// The boxes shown: the confinement notice alone, with its title and text.
void ExpectConfinementNoticeOnce(const std::vector<SeenBox>& seen) {
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].title, QString::fromUtf8(kX11NoticeTitle));
  EXPECT_EQ(seen[0].text, QString::fromStdString(X11FeatureNotice(X11Feature::kPointerConfinement))
                              .replace("\r\n", "\n"));
}

class DisplayNoticesTest : public ::testing::Test {
 protected:
  DisplayNoticesTest() : window(ui, screen, StartupPaths{}) { window.Start(); }
  ~DisplayNoticesTest() override { DisplayNotices() = X11FeatureNotices(); }

  // Picks from the grey ramp with the pointer pushed far past its right edge, then lets go;
  // returns the message boxes shown meanwhile.
  std::vector<SeenBox> DragOutOfGreyPalette() {
    SurfaceView* grey = GreyPalette();
    if (grey == nullptr) {
      ADD_FAILURE() << "no grey palette";
      return {};
    }
    return ClosingMessageBoxes([grey] {
      QTest::mousePress(grey, Qt::LeftButton, {}, QPoint(10, 10));
      grey->on_move(kLeftButton, 0, 500, 10);
      QTest::mouseRelease(grey, Qt::LeftButton, {}, QPoint(10, 10));
    });
  }

  SurfaceView* GreyPalette() {
    for (SurfaceView* view : window.findChildren<SurfaceView*>())
      if (view->geometry() == QRect(kPicGreyPalPlace.left, kPicGreyPalPlace.top,
                                    kPicGreyPalPlace.width, kPicGreyPalPlace.height))
        return view;
    return nullptr;
  }

  QtUi ui;
  testing::FixedScreen screen;
  MainWindow window;
};

TEST_F(DisplayNoticesTest, OnXThePointerIsMovedBackAndNothingIsSaid) {
  SurfaceView* grey = GreyPalette();
  ASSERT_NE(grey, nullptr);
  QCursor::setPos(0, 0);
  EXPECT_TRUE(DragOutOfGreyPalette().empty());
  EXPECT_EQ(QCursor::pos(), grey->mapToGlobal(QPoint(91 + grey->Border(), 10 + grey->Border())));
}

TEST_F(DisplayNoticesTest, OnWaylandTheUserIsToldOnceAfterRelease) {
  DisplayNotices().SetAvailable(false);
  QCursor::setPos(0, 0);
  FrmBrindlex& form = window.Form();
  ExpectConfinementNoticeOnce(DragOutOfGreyPalette());
  EXPECT_EQ(QCursor::pos(), QPoint(0, 0)) << "the pointer was not moved";
  EXPECT_EQ(form.ConfinePointer, PaletteControl::kNone);
  // The colour still comes from the nearest edge of the ramp.
  EXPECT_EQ(form.Document.DrawColor[0],
            static_cast<DrawColorValue>(form.PicGreyPal.GetPixel(91, 10)));

  EXPECT_TRUE(DragOutOfGreyPalette().empty()) << "told only once per run";
}

// The editor's own reading of the platform it shows on. On Qt's Wayland platform (where
// tests/packaging/wayland_session.sh runs this test, in a real compositor) the palettes say
// once that they cannot hold the pointer; on a platform that moves the pointer, nothing.
TEST_F(DisplayNoticesTest, ThePlatformShownOnDecidesWhetherThePalettesSaySo) {
  TakeDisplayPlatform();
  if (QGuiApplication::platformName().startsWith("wayland")) {
    EXPECT_FALSE(DisplayNotices().Available());
    ExpectConfinementNoticeOnce(DragOutOfGreyPalette());
  } else {
    EXPECT_TRUE(DisplayNotices().Available());
    EXPECT_TRUE(DragOutOfGreyPalette().empty());
  }
  EXPECT_TRUE(DragOutOfGreyPalette().empty()) << "told only once per run";
}

}  // namespace
}  // namespace brindlex::qt
