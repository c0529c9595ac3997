// The multi-image choice window and file drops on the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QUrl>

#include "files/icon_test_files.h"
#include "qt/main_window.h"
#include "qt/multi_icon_dialog.h"
#include "scripted_ui.h"
#include "shell/settings_file.h"

namespace brindlex::qt {
namespace {

FrmMultiIconDialog FilledForm() {
  FrmMultiIconDialog form;
  form.Form_Load();
  form.LstIcons.rows = {{"16 x 16 ... Monochrome", 1}, {"48 x 48 ... 256 Color", 8}};
  form.LstIcons.selected = 0;
  return form;
}

TEST(MultiIconDialog, DoubleClickPicksTheRowAndTheCloseBoxCancels) {
  FrmMultiIconDialog form = FilledForm();
  MultiIconDialog dialog(nullptr, form);
  EXPECT_EQ(dialog.windowTitle(), "Multi Icon Resource");
  EXPECT_EQ(dialog.size(), QSize(211, 213));
  ASSERT_EQ(dialog.List()->count(), 2);
  EXPECT_EQ(dialog.List()->currentRow(), 0);
  dialog.show();
  QListWidget* list = dialog.List();
  const QRect row = list->visualItemRect(list->item(1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
  EXPECT_EQ(form.ChosenRow, 1);
  EXPECT_FALSE(dialog.isVisible());

  FrmMultiIconDialog other = FilledForm();
  MultiIconDialog closing(nullptr, other);
  closing.show();
  closing.close();
  EXPECT_TRUE(other.Closed);
  EXPECT_EQ(other.ChosenRow, -1);
}

TEST(MultiIconDialog, LayoutKeepsTheOuterSizeAndWholeRows) {
  // The classic frame (3-pixel borders, 21-pixel caption): the stated places.
  MultiIconDialogLayout classic = LayOutMultiIconDialog(QMargins(3, 21, 3, 3), 14, 1);
  EXPECT_EQ(classic.client, QSize(205, 189));
  EXPECT_EQ(classic.text, QRect(8, 6, 189, 37));
  EXPECT_EQ(classic.cancel, QRect(8, 155, 93, 25));
  EXPECT_EQ(classic.ok, QRect(104, 155, 93, 25));
  EXPECT_EQ(classic.list, QRect(8, 52, 189, 6 * 14 + 2));
  // A tall caption: the buttons move up with the bottom edge, the list loses whole rows.
  MultiIconDialogLayout tall = LayOutMultiIconDialog(QMargins(1, 37, 1, 1), 17, 1);
  EXPECT_EQ(tall.client, QSize(209, 175));
  EXPECT_EQ(tall.ok.bottom() + 1 + 9, 175);
  EXPECT_EQ(tall.ok.right() + 1 + 8, 209);
  EXPECT_EQ((tall.list.height() - 2) % 17, 0);
  EXPECT_LE(tall.list.bottom() + 1 + 9, tall.cancel.top());
  EXPECT_GT(tall.list.bottom() + 1 + 9 + 17, tall.cancel.top()) << "no room for another row";
  // No frame known: the client is the whole outer size.
  EXPECT_EQ(LayOutMultiIconDialog(QMargins(), 14, 1).client, QSize(211, 213));
}

TEST(MultiIconDialog, RowsAreWholeAndTheWidestRowFitsWithoutAHorizontalBar) {
  FrmMultiIconDialog form;
  form.Form_Load();
  form.LstIcons.rows = {{"16 x 16 ... Monochrome", 1},    {"32 x 32 ... 16 Color", 4},
                        {"48 x 48 ... 256 Color", 8},     {"64 x 64 ... True Color", 24},
                        {"128 x 128 ... True Color", 24}, {"256 x 256 ... True Color", 24},
                        {"16 x 16 ... 256 Color", 8},     {"32 x 32 ... True Color", 24},
                        {"48 x 48 ... True Color", 24},   {"16 x 16 ... 16 Color", 4},
                        {"24 x 24 ... 256 Color", 8},     {"20 x 20 ... True Color", 24}};
  form.LstIcons.selected = 0;
  MultiIconDialog dialog(nullptr, form);
  dialog.show();
  QTest::qWait(20);
  // Whatever frame the platform gives the window, the outer size is the stated one.
  EXPECT_EQ(dialog.frameGeometry().size(), QSize(211, 213));
  QListWidget* list = dialog.List();
  EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  const int viewport = list->viewport()->height();
  const int row = list->sizeHintForRow(0);
  EXPECT_EQ(viewport % row, 0) << "a row is cut";
  EXPECT_GE(viewport / row, 4);
  EXPECT_LT(viewport / row, 12) << "twelve rows need the vertical bar";
  EXPECT_TRUE(list->verticalScrollBar()->isVisible());
  const QFontMetrics metrics(list->font());
  EXPECT_LE(metrics.horizontalAdvance("256 x 256 ... True Color"), list->viewport()->width() - 4);
  // The buttons sit 9 pixels above the bottom edge: no blank band under them.
  EXPECT_EQ(dialog.OkButton()->geometry().bottom() + 1 + 9, dialog.height());
}

TEST(MainWindow, DroppedFilesOpenTheFirstAndOtherDataIsIgnored) {
  testing::TempFolder folder;
  const std::string path = folder.File("soltado.ico");
  testing::WriteBytes(path, testing::IconFile({testing::UniformImage(16, 4, 0x9C, 0)}));
  QtUi ui;
  testing::FixedScreen screen;
  SettingsFile settings;
  MainWindow window(ui, screen, StartupPaths{}, &settings);
  window.Start();
  // A drop on the canvas, as a file manager delivers it: enter, then drop.
  auto drop = [&](QMimeData* data) {
    QWidget* target = window.Canvas();
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDropEvent event(QPointF(100, 100), Qt::CopyAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &event);
  };
  QMimeData text;
  text.setText("not files");
  drop(&text);
  EXPECT_EQ(window.windowTitle(), "Quorvane 2001 - Untitled");
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(QString::fromStdString(path)),
                 QUrl::fromLocalFile("/nonexistent/other.ico")});
  drop(&files);
  EXPECT_EQ(window.Form().CurrentFilePath, path);
  EXPECT_EQ(window.windowTitle(), "Quorvane- soltado.ico");
  EXPECT_EQ(window.Form().Document.Edge(), 16);
  EXPECT_EQ(window.Preview()->geometry(), QRect(448, 30, 16, 16));
  EXPECT_TRUE(window.ActionOf("MnuRecent", 1)->isVisible());
  EXPECT_EQ(window.ActionOf("MnuRecent", 1)->text(), "&1 soltado.ico");
  EXPECT_EQ(window.ActionOf("MnuRecent", 1)->toolTip().toStdString(), path);
  EXPECT_TRUE(window.TopMenu("MnuFile")->toolTipsVisible());
  // The canvas takes input again a quarter of a second after the open.
  EXPECT_FALSE(window.Canvas()->isEnabled());
  QTRY_VERIFY_WITH_TIMEOUT(window.Canvas()->isEnabled(), 2000);
}

}  // namespace
}  // namespace brindlex::qt
