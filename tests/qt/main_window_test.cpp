#include "qt/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "scripted_ui.h"

namespace brindlex::qt {
namespace {

QStringList Captions(QMenu* menu) {
  QStringList captions;
  for (QAction* action : menu->actions())
    captions << (action->isSeparator() ? "-" : action->text());
  return captions;
}

TEST(MainWindow, MenusCarryTheirCaptionsAndShortcuts) {
  QtUi ui;
  testing::FixedScreen screen;
  MainWindow window(ui, screen, StartupPaths{});
  window.Start();
  QStringList tops;
  for (QAction* action : window.menuBar()->actions()) tops << action->text();
  EXPECT_EQ(tops,
            (QStringList{"&Archivo", "&Editar", "&Imagen", "&Color", "E&speciales", "&Ayuda"}));
  const QStringList file = Captions(window.TopMenu("MnuFile"));
  EXPECT_EQ(file[0], "&Nuevo Icono");
  EXPECT_EQ(file[2], "&Abrir\tCtrl+O");
  EXPECT_EQ(file[6], "Salvar &Como...\tCtrl+A");
  EXPECT_EQ(file[9], "Salvar COMO  &Cursor\tCtrl+R");
  EXPECT_EQ(file.last(), "sAlIR\tAlt+F4");
  const QStringList edit = Captions(window.TopMenu("MnuEdit"));
  EXPECT_EQ(edit[0], "&Desacer\tCtrl+Z");
  EXPECT_EQ(edit[1], "&Reducir");  // redo's keys are not shown
  EXPECT_EQ(edit[9], "D&eseleccionar");
  EXPECT_EQ(Captions(window.TopMenu("MnuImage"))[3],
            QString::fromUtf8("&Rotar 90°  a la &Izkierda"));
  EXPECT_EQ(Captions(window.TopMenu("MnuHelp"))[0], "&Acerka de ..\tF1");
  EXPECT_FALSE(window.ActionOf("MnuRecent", 1)->isVisible());
  EXPECT_EQ(window.windowTitle(), "Quorvane 2001 - Untitled");
}

TEST(MainWindow, ControlsStandAtTheirPlacesAndToolButtonsTakeNoFocus) {
  QtUi ui;
  testing::FixedScreen screen;
  MainWindow window(ui, screen, StartupPaths{});
  window.Start();
  EXPECT_EQ(window.Canvas()->geometry(), QRect(11, 14, 385, 385));
  EXPECT_EQ(window.Preview()->geometry(), QRect(440, 22, 32, 32));
  EXPECT_EQ(window.ToolButton(0)->geometry(), QRect(410, 238, 46, 27));
  EXPECT_EQ(window.ToolButton(11)->geometry(), QRect(456, 373, 46, 27));
  for (int i = 0; i < 12; ++i) EXPECT_EQ(window.ToolButton(i)->focusPolicy(), Qt::NoFocus);
  window.ActionOf("MnuIconSize", 0)->trigger();
  EXPECT_EQ(window.Preview()->geometry(), QRect(448, 30, 16, 16));
  EXPECT_EQ(window.Form().Document.Edge(), 16);
  EXPECT_EQ(window.width(), 574);
}

TEST(MainWindow, FrameOffersMinimizeAndCloseButNoMaximize) {
  QtUi ui;
  testing::FixedScreen screen;
  MainWindow window(ui, screen, StartupPaths{});
  window.Start();
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

// An active main window whose icon has one edit: a red pixel at (0, 0), recorded.
class MainWindowWithOneEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    window.Start();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    form.Document.PicMask.SetPixel(0, 0, kBlack);
    form.Document.PicImage.SetPixel(0, 0, 0x0000FF);
    form.Document.DisplayResults();
    form.History.RecordSnapshot(form.Document);
  }
  QtUi ui;
  testing::FixedScreen screen;
  MainWindow window{ui, screen, StartupPaths{}};
  FrmBrindlex& form = window.Form();
};

TEST_F(MainWindowWithOneEdit, UndoShortcutRefreshesItsEnablingBeforeActing) {
  // The Edit menu has not been opened since the edit: the shortcut still works.
  QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(form.Document.PicMask.GetPixel(0, 0), kWhite);
  // Nothing left to undo: the shortcut does nothing.
  QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(form.History.UndoList.size(), 1u);
  EXPECT_FALSE(window.ActionOf("MnuEditAction", 0)->isEnabled());
  EXPECT_TRUE(window.ActionOf("MnuEditAction", 1)->isEnabled());
}

TEST_F(MainWindowWithOneEdit, RedoAnswersCtrlYAndCtrlShiftZAndEscDropsTheSelection) {
  for (const QKeySequence& redo :
       {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}) {
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.Document.PicImage.GetPixel(0, 0), kBlack);
    QTest::keySequence(&window, redo);
    EXPECT_EQ(form.Document.PicImage.GetPixel(0, 0), 0x0000FFu) << redo.toString().toStdString();
    EXPECT_TRUE(form.History.RedoList.empty());
  }
  // Esc drops a marked selection, as the Edit menu's entry does.
  form.MenuClick("MnuEditAction", 10);  // select all
  ASSERT_TRUE(form.Selection.SelectionMarked);
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(form.Selection.Exists());
}

}  // namespace
}  // namespace brindlex::qt
