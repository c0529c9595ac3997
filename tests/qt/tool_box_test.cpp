// The tool box, the canvas pointer and the palettes on real widgets.
#include "qt/tool_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTest>

#include "app/window_layout.h"
#include "document/tools.h"
#include "qt/main_window.h"
#include "qt/pointer_confinement.h"
#include "scripted_ui.h"

namespace brindlex::qt {
namespace {

SurfaceView* ViewAt(MainWindow& window, const ControlPlace& place) {
  for (SurfaceView* view : window.findChildren<SurfaceView*>())
    if (view->geometry() == QRect(place.left, place.top, place.width, place.height)) return view;
  return nullptr;
}

QPoint CanvasPoint(int px, int py, int zoom) {
  return QPoint(px * zoom + zoom / 2, py * zoom + zoom / 2);
}

class ToolBox : public ::testing::Test {
 protected:
  ToolBox() : window(ui, screen, StartupPaths{}) { window.Start(); }
  QtUi ui;
  testing::FixedScreen screen;
  MainWindow window;
};

TEST_F(ToolBox, ButtonsShowTheirPictureAndCarryTheirNames) {
  for (int i = 0; i < 12; ++i) {
    QAbstractButton* button = window.ToolButton(i);
    EXPECT_EQ(button->text().toStdString(), kToolTable[i].name);
    ASSERT_FALSE(button->icon().isNull()) << i;
    const QImage shown =
        button->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(shown, ToolImage(ToolButtonPicture(i))) << i;
  }
}

TEST_F(ToolBox, TheCanvasShowsTheChosenToolsPointer) {
  auto shown_tool_image = [&] {
    return window.Canvas()->cursor().pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  };
  EXPECT_EQ(shown_tool_image(), ToolImage(ToolPointerPicture(CanvasPointer::kPencil)));
  EXPECT_EQ(window.Canvas()->cursor().hotSpot(), QPoint(0, 15));
  window.ToolButton(kToolFlood)->click();
  EXPECT_EQ(shown_tool_image(), ToolImage(ToolPointerPicture(CanvasPointer::kBucket)));
  window.ToolButton(kToolFilledEllipse)->click();
  EXPECT_EQ(shown_tool_image(), ToolImage(ToolPointerPicture(CanvasPointer::kCrossHairs)));
  EXPECT_EQ(window.Canvas()->cursor().hotSpot(), QPoint(7, 7));
}

TEST_F(ToolBox, PaintingAndTheSampleToolsHandBackThroughTheWidgets) {
  FrmBrindlex& form = window.Form();
  window.ToolButton(kToolRectangle)->click();
  const int zoom = form.Document.ZoomFactor;
  QTest::mouseClick(window.Canvas(), Qt::LeftButton, {}, CanvasPoint(3, 4, zoom));
  EXPECT_EQ(form.Document.PicMask.GetPixel(3, 4), kBlack);
  window.ToolButton(kToolSample)->click();
  QTest::mouseClick(window.Canvas(), Qt::RightButton, {}, CanvasPoint(3, 4, zoom));
  EXPECT_EQ(form.Document.DrawColor[1], static_cast<DrawColorValue>(kBlack));
  EXPECT_TRUE(window.ToolButton(kToolRectangle)->isChecked());
  // The middle button paints nothing.
  QTest::mouseClick(window.Canvas(), Qt::MiddleButton, {}, CanvasPoint(5, 5, zoom));
  EXPECT_EQ(form.Document.PicMask.GetPixel(5, 5), kWhite);
}

TEST_F(ToolBox, PalettesPickWithEitherButtonAndConfineUntilRelease) {
  FrmBrindlex& form = window.Form();
  SurfaceView* pal = ViewAt(window, kPicPalPlace);
  SurfaceView* mini = ViewAt(window, kPicMiniPalPlace);
  SurfaceView* screen_swatch = ViewAt(window, kPicScreenPlace);
  ASSERT_TRUE(pal && mini && screen_swatch);
  // The colour field is drawn inside a two-pixel border: (25, 0) is pure red.
  QTest::mousePress(pal, Qt::RightButton, {}, QPoint(27, 2));
  EXPECT_EQ(form.Document.DrawColor[1], 0x0000FF);
  EXPECT_EQ(form.ConfinePointer, PaletteControl::kPicPal);
  QTest::mouseRelease(pal, Qt::RightButton, {}, QPoint(27, 2));
  EXPECT_EQ(form.ConfinePointer, PaletteControl::kNone);
  QTest::mouseClick(mini, Qt::LeftButton, {}, QPoint(30, 20));
  EXPECT_EQ(form.Document.DrawColor[0], 0x800080);
  QTest::mouseClick(screen_swatch, Qt::LeftButton, {}, QPoint(10, 6));
  EXPECT_EQ(form.Document.DrawColor[0], kTransparentColor);
}

TEST_F(ToolBox, ConfinementLimitsThePointToTheClientArea) {
  SurfaceView* grey = ViewAt(window, kPicGreyPalPlace);
  ASSERT_NE(grey, nullptr);
  const Surface& client = window.Form().PicGreyPal;
  EXPECT_EQ(KeepPointerInside(grey, client, 10.5, 3), QPointF(10.5, 3));
  EXPECT_EQ(KeepPointerInside(grey, client, 200, -7), QPointF(91, 0));
  EXPECT_EQ(KeepPointerInside(grey, client, -1, 40), QPointF(0, 31));
}

}  // namespace
}  // namespace brindlex::qt
