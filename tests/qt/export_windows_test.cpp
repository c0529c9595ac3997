// The hot spot dialog and the multi-icon builder window: captions, geometry and wiring.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/centre_form.h"
#include "files/icon_test_files.h"
#include "qt/dialog_placement.h"
#include "qt/hot_spot_dialog.h"
#include "qt/multi_icon_builder_window.h"
#include "qt/qt_ui.h"
#include "qt/surface_view.h"
#include "scripted_ui.h"

namespace brindlex::qt {
namespace {

QPushButton* ButtonCalled(QWidget* window, const QString& caption) {
  for (QPushButton* button : window->findChildren<QPushButton*>())
    if (button->text() == caption) return button;
  return nullptr;
}

class HotSpotDialogTest : public ::testing::Test {
 protected:
  HotSpotDialogTest() {
    canvas.Box(0, 0, 11, 11, true, 0x0000FF);
    form.Form_Load();
  }
  Surface canvas{385, 385, kWhite};
  Surface img_xy{16, 16, kBlack};
  std::uint16_t hot_x = 9, hot_y = 9;
  FrmHotSpot form{canvas, 12, 31, img_xy, hot_x, hot_y};
};

TEST_F(HotSpotDialogTest, LayoutCaptionsAndTheCanvasCopy) {
  HotSpotDialog dialog(nullptr, form);
  EXPECT_EQ(dialog.windowTitle(), "Seleccionar");
  EXPECT_EQ(dialog.size(), QSize(413, 494));
  EXPECT_EQ(dialog.Picture()->geometry(), QRect(11, 39, 385, 385));
  EXPECT_EQ(dialog.HotXLabel()->geometry(), QRect(46, 9, 25, 17));
  EXPECT_EQ(dialog.HotYLabel()->geometry(), QRect(121, 9, 25, 17));
  EXPECT_EQ(dialog.HotXLabel()->text(), "00");
  QPushButton* ok = ButtonCalled(&dialog, "&Ok");
  QPushButton* cancel = ButtonCalled(&dialog, "&Cancelar");
  ASSERT_TRUE(ok && cancel);
  EXPECT_EQ(ok->geometry(), QRect(334, 436, 65, 25));
  EXPECT_EQ(cancel->geometry(), QRect(266, 436, 65, 25));

  const QImage shot = dialog.grab().toImage();
  EXPECT_EQ(shot.pixelColor(11 + 5, 39 + 5), QColor(0xFF, 0, 0));  // the copied red block
  EXPECT_EQ(shot.pixelColor(11 + 100, 39 + 100), QColor(Qt::white));
  EXPECT_EQ(shot.pixelColor(8, 36), QColor(0x80, 0x80, 0x80));  // the sunken edge
  EXPECT_EQ(shot.pixelColor(303, 10), QColor(Qt::black));       // ImgXY
  EXPECT_EQ(shot.pixelColor(397, 25), ToQColor(kButtonFace));   // the blanked readout box
}

TEST(OuterSize, TheClientIsTheStatedOuterSizeLessTheFrameButHoldsTheControls) {
  // The classic frame: 3-pixel borders and a 21-pixel caption.
  EXPECT_EQ(ClientForOuterSize(QSize(413, 494), QMargins(3, 21, 3, 3), QSize(402, 466)),
            QSize(407, 470));
  EXPECT_EQ(ClientForOuterSize(QSize(413, 494), QMargins(), QSize(402, 466)), QSize(413, 494));
  // A heavy frame never squeezes the controls off the window.
  EXPECT_EQ(ClientForOuterSize(QSize(413, 494), QMargins(8, 40, 8, 8), QSize(402, 466)),
            QSize(402, 466));
  EXPECT_EQ(ClientForOuterSize(QSize(329, 206), QMargins(-2, 21, 3, 3), QSize(320, 180)),
            QSize(326, 182));
}

TEST_F(HotSpotDialogTest, ShownItKeepsItsOuterSizeAndPlace) {
  HotSpotDialog dialog(nullptr, form);
  dialog.show();
  QTest::qWait(20);
  EXPECT_EQ(dialog.frameGeometry().size(), QSize(413, 494));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const WindowPosition place = CentreForm(screen.width(), screen.height(), 413, 494);
  EXPECT_EQ(dialog.frameGeometry().topLeft(), screen.topLeft() + QPoint(place.left, place.top));
}

TEST_F(HotSpotDialogTest, ClicksPickMovesTrackAndOkAccepts) {
  HotSpotDialog dialog(nullptr, form);
  dialog.show();
  QTest::mouseMove(dialog.Picture(), QPoint(90, 380));
  EXPECT_EQ(form.Readout, "07, 31");
  QTest::mouseClick(dialog.Picture(), Qt::LeftButton, {}, QPoint(100, 200));
  EXPECT_EQ(dialog.HotXLabel()->text(), "08");
  EXPECT_EQ(dialog.HotYLabel()->text(), "16");
  QTest::mouseClick(dialog.Picture(), Qt::RightButton, {}, QPoint(300, 300));
  EXPECT_EQ(dialog.HotXLabel()->text(), "08");
  // The readout is printed over the blanked box at (335, 12).
  const QImage shot = dialog.grab().toImage();
  bool printed = false;
  for (int x = 335; x < 397 && !printed; ++x)
    for (int y = 12; y < 25 && !printed; ++y)
      printed = shot.pixelColor(x, y) != ToQColor(kButtonFace);
  EXPECT_TRUE(printed);
  QTest::mouseClick(ButtonCalled(&dialog, "&Ok"), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_FALSE(form.DialogCancelled);
  EXPECT_EQ(hot_x, 8);
  EXPECT_EQ(hot_y, 16);
}

TEST_F(HotSpotDialogTest, CancelAndTheCloseBoxCancel) {
  HotSpotDialog dialog(nullptr, form);
  dialog.show();
  QTest::mouseClick(dialog.Picture(), Qt::LeftButton, {}, QPoint(100, 200));
  QTest::mouseClick(ButtonCalled(&dialog, "&Cancelar"), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(form.DialogCancelled);
  EXPECT_EQ(hot_x, 9);

  form.Form_Load();
  HotSpotDialog closing(nullptr, form);
  closing.show();
  closing.close();
  EXPECT_TRUE(form.Closed);
  EXPECT_TRUE(form.DialogCancelled);
}

TEST_F(HotSpotDialogTest, TheUiShowsTheDialogModally) {
  QtUi ui;
  QTimer::singleShot(0, [] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    EXPECT_EQ(modal->windowTitle(), "Seleccionar");
    ButtonCalled(modal, "&Ok")->click();
  });
  ui.ShowHotSpotDialog(form);
  EXPECT_FALSE(form.DialogCancelled);
}

// Whether the rectangle holds ink: a pixel of any colour but the given ones (smoothed text
// has many shades).
bool InkIn(const QImage& image, const QRect& area, const QList<QColor>& besides) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (!besides.contains(image.pixelColor(x, y))) return true;
  return false;
}

TEST_F(HotSpotDialogTest, EachPrintedTextEndsWellBeforeItsValue) {
  HotSpotDialog dialog(nullptr, form);
  const QImage shot = dialog.grab().toImage();
  const QList<QColor> face{ToQColor(kButtonFace)};
  // "Hot X:" from 8 and "Hot Y:" from 83, and no ink in the three columns before the values
  // at 46 and 121.
  EXPECT_TRUE(InkIn(shot, QRect(8, 9, 20, 17), face));
  EXPECT_TRUE(InkIn(shot, QRect(83, 9, 20, 17), face));
  EXPECT_FALSE(InkIn(shot, QRect(43, 0, 3, 30), face));
  EXPECT_FALSE(InkIn(shot, QRect(118, 0, 3, 30), face));
  EXPECT_TRUE(InkIn(shot, QRect(46, 9, 25, 17), face));  // the value "00" itself
}

QStringList Captions(QMenu* menu) {
  QStringList captions;
  for (QAction* action : menu->actions())
    captions << (action->isSeparator() ? "-" : action->text());
  return captions;
}

class BuilderWindowTest : public ::testing::Test {
 protected:
  BuilderWindowTest() { form.Form_Load(); }
  ~BuilderWindowTest() override { std::filesystem::current_path(start_folder_); }
  void Load(const std::string& name, int edge, int bits) {
    const std::string path = folder.File(name);
    testing::WriteBytes(path, testing::IconFile({testing::UniformImage(edge, bits, 0x44, 0)}));
    ASSERT_EQ(form.LoadIconIntoSlot(path), BuilderReadResult::kLoaded);
  }

  const std::filesystem::path start_folder_ = std::filesystem::current_path();
  testing::TempFolder folder;
  testing::ScriptedUi ui;
  FrmMir form{ui};
};

TEST_F(BuilderWindowTest, CaptionMenusAndSlotPlaces) {
  MultiIconBuilderWindow window(nullptr, form);
  EXPECT_EQ(window.windowTitle(), "Create Multi Icon Resource");
  EXPECT_EQ(window.size(), QSize(329, 206));
  ASSERT_EQ(window.MenuBar()->actions().size(), 1);
  EXPECT_EQ(window.MenuBar()->actions()[0]->text(), "&File");
  EXPECT_EQ(Captions(window.FileMenu()), (QStringList{"&Open", "&Create", "-", "E&xit"}));
  const int top = window.Client()->y();
  EXPECT_GT(top, 0);
  EXPECT_EQ(window.Slot(0)->geometry(), QRect(19, 29, 16, 16));
  EXPECT_EQ(window.Slot(4)->geometry(), QRect(98, 54, 32, 32));
  EXPECT_EQ(window.Slot(11)->geometry(), QRect(256, 95, 48, 48));
  EXPECT_EQ(window.Client()->geometry(), QRect(0, top, 329, 206 - top));
  const QImage client = window.Client()->grab().toImage();
  EXPECT_EQ(client.pixelColor(8, 100), QColor(0x80, 0x80, 0x80));  // a group frame
  EXPECT_EQ(client.pixelColor(18, 28), QColor(0x80, 0x80, 0x80));  // a slot's edge
}

TEST_F(BuilderWindowTest, FrameTitlesStayOverTheBlankedPartOfTheirFrames) {
  MultiIconBuilderWindow window(nullptr, form);
  const QImage client = window.Client()->grab().toImage();
  // The face and the etched frame's two lines.
  const QList<QColor> drawn{ToQColor(kButtonFace), QColor(0x80, 0x80, 0x80), QColor(Qt::white)};
  const struct {
    int title_x, blank_right, frame_right;
  } frames[] = {{17, 45, 78}, {96, 136, 157}, {175, 221, 236}, {254, 304, 315}};
  for (const auto& frame : frames) {
    EXPECT_TRUE(InkIn(client, QRect(frame.title_x, 5, 20, 16), drawn)) << frame.title_x;
    // From the end of the blanked line to the frame's corner: the frame line alone.
    EXPECT_FALSE(InkIn(
        client, QRect(frame.blank_right + 1, 0, frame.frame_right - frame.blank_right, 25), drawn))
        << frame.title_x;
  }
}

TEST_F(BuilderWindowTest, CreateIsEnabledFromTwoSlotsAsTheMenuOpens) {
  MultiIconBuilderWindow window(nullptr, form);
  window.show();
  emit window.FileMenu()->aboutToShow();
  EXPECT_FALSE(window.CreateAction()->isEnabled());
  Load("a.ico", 16, 1);
  emit window.FileMenu()->aboutToShow();
  EXPECT_FALSE(window.CreateAction()->isEnabled());
  Load("b.ico", 48, 24);
  emit window.FileMenu()->aboutToShow();
  EXPECT_TRUE(window.CreateAction()->isEnabled());
  window.ExitAction()->trigger();
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(form.Closed);
}

TEST_F(BuilderWindowTest, TheRightButtonOverAFilledSlotOffersDelete) {
  Load("c.ico", 32, 4);
  MultiIconBuilderWindow window(nullptr, form);
  window.show();
  QTest::mouseClick(window.Slot(3), Qt::RightButton);  // empty: no menu
  EXPECT_EQ(window.DeleteMenu(), nullptr);
  QString shown_caption;
  QTimer::singleShot(0, [&] {
    QMenu* menu = window.DeleteMenu();
    ASSERT_NE(menu, nullptr);
    shown_caption = menu->actions()[0]->text();
    menu->setActiveAction(menu->actions()[0]);
    QTest::keyClick(menu, Qt::Key_Return);
  });
  QTest::mouseClick(window.Slot(4), Qt::RightButton);
  EXPECT_EQ(shown_caption, "&Delete");
  EXPECT_EQ(form.PicIcoTag[4], "");
  EXPECT_EQ(form.UsedCount(), 0);
}

}  // namespace
}  // namespace brindlex::qt
