// The multi-image choice window and file drops on the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "files/icon_test_files.h"
#include "qt/main_window.h"
#include "qt/multi_icon_dialog.h"
#include "scripted_ui.h"
#include "shell/settings_file.h"

namespace brindlex::qt {
namespace {

FrmMultiIconDialog FilledForm(MultiImageState& state) {
  FrmMultiIconDialog form(state);
  form.Form_Load();
  form.LstIcons.rows = {{"16 x 16 ... Monochrome", 1}, {"48 x 48 ... 256 Color", 8}};
  form.LstIcons.selected = 0;
  return form;
}

TEST(MultiIconDialog, DoubleClickPicksTheRowAndTheCloseBoxCancels) {
  MultiImageState state;
  FrmMultiIconDialog form = FilledForm(state);
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
  EXPECT_EQ(state.ChosenWidth, 48);
  EXPECT_EQ(state.ChosenHeight, 48);
  EXPECT_EQ(state.ChosenBitCount, 8);
  EXPECT_EQ(state.ChosenIndex, 1);
  EXPECT_FALSE(dialog.isVisible());

  MultiImageState cancelled;
  FrmMultiIconDialog other = FilledForm(cancelled);
  MultiIconDialog closing(nullptr, other);
  closing.show();
  closing.close();
  EXPECT_TRUE(other.Closed);
  EXPECT_EQ(cancelled.ChosenWidth, 0);
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
  EXPECT_EQ(window.Form().OpenFilePath, path);
  EXPECT_EQ(window.windowTitle(), "Quorvane- soltado.ico");
  EXPECT_EQ(window.Form().Document.Edge(), 16);
  EXPECT_EQ(window.Preview()->geometry(), QRect(448, 30, 16, 16));
  EXPECT_TRUE(window.ActionOf("MnuRecent", 1)->isVisible());
  EXPECT_EQ(window.ActionOf("MnuRecent", 1)->text(), "&1 soltado.ico");
  // The canvas takes input again a quarter of a second after the open.
  EXPECT_FALSE(window.Canvas()->isEnabled());
  QTRY_VERIFY_WITH_TIMEOUT(window.Canvas()->isEnabled(), 2000);
}

}  // namespace
}  // namespace brindlex::qt
