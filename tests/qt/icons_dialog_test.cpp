// The icon-extraction window: its size, caption, grid, scroll bar, information line and
// buttons, wired to the neutral form.
#include "qt/icons_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "files/library_test_files.h"
#include "qt/surface_view.h"
#include "scripted_ui.h"

namespace brindlex::qt {
namespace {

class IconsDialogTest : public ::testing::Test {
 protected:
  FrmIcons& Loaded(int icons) {
    const std::string path = folder.File("shell32.dll");
    testing::WriteBytes(path, testing::NumberedPeLibrary(
                                  icons, [](int k) { return 0x102030u + static_cast<Color>(k); }));
    form = std::make_unique<FrmIcons>(ui, path, filter_index);
    form->Form_Load();
    return *form;
  }
  testing::TempFolder folder;
  testing::ScriptedUi ui;
  int filter_index = 4;
  std::unique_ptr<FrmIcons> form;
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
