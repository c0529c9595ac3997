// The icon-extraction window: its size, caption, grid, scroll bar, information line and
// buttons, wired to the neutral form.
#include "qt/icons_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "app/centre_form.h"
#include "extraction/library_test_files.h"
#include "qt/dialog_placement.h"
#include "qt/qt_ui.h"
#include "qt/surface_view.h"
#include "scripted_ui.h"

namespace brindlex::qt {
namespace {

class IconsDialogTest : public ::testing::Test {
 protected:
  std::string Library(const std::string& name, int icons) {
    const std::string path = folder.File(name);
    testing::WriteBytes(path, testing::NumberedPeLibrary(
                                  icons, [](int k) { return 0x102030u + static_cast<Color>(k); }));
    return path;
  }
  FrmIcons& Loaded(int icons, Ui* with = nullptr) {
    form =
        std::make_unique<FrmIcons>(with ? *with : ui, Library("shell32.dll", icons), filter_index);
    form->Form_Load();
    return *form;
  }
  testing::TempFolder folder;
  testing::ScriptedUi ui;
  int filter_index = 4;
  std::unique_ptr<FrmIcons> form;
};

// The toolkit's Ui whose file dialog answers with a file, and meanwhile the user clicks a
// button: the click is queued while the new file is counted and drawn.
class ClickWhileCountingUi : public QtUi {
 public:
  FileDialogResult ShowFileDialog(const FileDialogSetup&, int&) override {
    const QPoint middle = button->rect().center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
      QCoreApplication::postEvent(
          button, new QMouseEvent(type, middle, button->mapToGlobal(middle), Qt::LeftButton,
                                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                  Qt::NoModifier));
    return testing::ScriptedUi::Chosen(answer);
  }
  QPushButton* button = nullptr;
  std::string answer;
};

TEST_F(IconsDialogTest, LayoutCaptionAndScrollBarFollowTheForm) {
  IconsDialog dialog(nullptr, Loaded(51));
  EXPECT_EQ(dialog.size(), QSize(423, 269));
  EXPECT_EQ(dialog.windowTitle(), "Vor - Shell32.dll - 51 Icons");
  EXPECT_EQ(dialog.Info()->text(), "Icon No 1 Selected.");
  EXPECT_EQ(dialog.CancelButton()->text(), "&Cancelar");
  EXPECT_EQ(dialog.OkButton()->text(), "&Ok");
  EXPECT_EQ(dialog.BrowseButton()->text(), "&Buskar");
  EXPECT_EQ(dialog.Grid()->geometry(), QRect(2, 2, 380, 190));
  EXPECT_EQ(dialog.ScrollBar()->size(), QSize(17, 190));
  EXPECT_TRUE(dialog.ScrollBar()->isEnabled());
  EXPECT_EQ(dialog.ScrollBar()->maximum(), 38);
  EXPECT_EQ(dialog.ScrollBar()->singleStep(), 38);
  // Scrolling shows the grid from the bar's value on and draws the row that came into view.
  dialog.ScrollBar()->setValue(38);
  EXPECT_EQ(form->Vsb.Value, 38);
  EXPECT_EQ(form->PicIconsTop, -38);
  EXPECT_TRUE(form->RowDrawn(5));
  EXPECT_EQ(form->PicIcons.GetPixel(3 + 16, 190 - 38 + 3 + 16), 0x102030u + 50);

  IconsDialog small(nullptr, Loaded(50));
  EXPECT_FALSE(small.ScrollBar()->isEnabled());
  EXPECT_EQ(small.ScrollBar()->maximum(), 0);
}

TEST_F(IconsDialogTest, ItsOuterSizeFrameIncludedIsTheStatedOne) {
  // Under a classic frame the client is smaller by it, the buttons stay inside, and the
  // outer frame is placed.
  IconsDialog framed(nullptr, Loaded(3));
  framed.Placement()->FitToFrame(QMargins(3, 21, 3, 3));
  EXPECT_EQ(framed.size(), QSize(417, 245));
  for (QPushButton* button : {framed.CancelButton(), framed.OkButton(), framed.BrowseButton()})
    EXPECT_TRUE(framed.rect().contains(button->geometry())) << button->geometry().bottom();
  EXPECT_LT(framed.Info()->geometry().bottom(), framed.OkButton()->geometry().top());
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const WindowPosition place = CentreForm(screen.width(), screen.height(), 423, 269);
  EXPECT_EQ(framed.pos(), screen.topLeft() + QPoint(place.left, place.top));
}

TEST_F(IconsDialogTest, AClickQueuedWhileAFileIsCountedRunsOnlyAfterwards) {
  ClickWhileCountingUi clicking;
  IconsDialog dialog(nullptr, Loaded(20, &clicking));
  dialog.show();
  QTest::mouseClick(dialog.Grid(), Qt::LeftButton, {}, QPoint(40, 50));  // icon 11
  clicking.button = dialog.OkButton();
  clicking.answer = Library("other.dll", 4);
  dialog.BrowseButton()->click();
  // The Ok click did not run in the middle of the browse, pairing the new file with the
  // old selection: the dialog is still open, showing the new file from its first icon.
  EXPECT_FALSE(form->Closed);
  EXPECT_TRUE(form->DialogCancelled);
  EXPECT_EQ(dialog.windowTitle(), "Vor - other.dll - 4 Icons");
  EXPECT_EQ(form->SelectedIcon, 0);
  QTRY_VERIFY_WITH_TIMEOUT(form->Closed, 1000);
  EXPECT_FALSE(form->DialogCancelled);
  EXPECT_EQ(form->ExtractPath, clicking.answer);
  EXPECT_EQ(form->ExtractIndex, 0);
}

TEST_F(IconsDialogTest, TheWheelOverTheGridScrollsOneRowPerNotch) {
  IconsDialog dialog(nullptr, Loaded(80));
  dialog.show();
  for (int eighths : {-120, -60, -60}) {  // a notch, then two halves of one
    QWheelEvent wheel(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, eighths), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(dialog.Grid(), &wheel);
  }
  EXPECT_EQ(dialog.ScrollBar()->value(), 76);
  EXPECT_EQ(form->PicIcons.GetPixel(3 + 16, 3 + 16), 0x102030u + 20);
}

TEST_F(IconsDialogTest, AClickSelectsAndOkClosesWithTheChoice) {
  IconsDialog dialog(nullptr, Loaded(20));
  dialog.show();
  QTest::mouseClick(dialog.Grid(), Qt::LeftButton, {}, QPoint(40, 50));  // row 1, column 1
  EXPECT_EQ(dialog.Info()->text(), "Icon No 12 Selected.");
  EXPECT_EQ(form->SelBoxX, 39);
  EXPECT_EQ(form->PicIcons.GetPixel(39, 39), kBlack);
  QTest::mouseClick(dialog.Grid(), Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_EQ(form->SelectedIcon, 11);
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_FALSE(form->DialogCancelled);
  EXPECT_EQ(form->ExtractIndex, 11);

  // Scrolled down, a click lands on the row shown there.
  IconsDialog scrolled(nullptr, Loaded(80));
  scrolled.show();
  scrolled.ScrollBar()->setValue(76);
  QTest::mouseClick(scrolled.Grid(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(form->SelectedIcon, 20);
  EXPECT_EQ(scrolled.Info()->text(), "Icon No 21 Selected.");

  IconsDialog closing(nullptr, Loaded(3));
  closing.show();
  closing.close();
  EXPECT_TRUE(form->Closed);
  EXPECT_TRUE(form->DialogCancelled);
}

}  // namespace
}  // namespace brindlex::qt
