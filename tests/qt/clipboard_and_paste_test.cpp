// The system clipboard through Qt, the paste-options window and the Edit menu's wiring.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFontMetrics>
#include <QGroupBox>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include "document/tool_names.h"
#include "files/png_test_files.h"
#include "qt/main_window.h"
#include "qt/paste_dialog.h"
#include "qt/qt_clipboard.h"
#include "scripted_ui.h"

namespace brindlex::qt {
namespace {

QClipboard* SystemClipboard() { return QGuiApplication::clipboard(); }

TEST(QtClipboard, ColoursCrossTheBoundaryInTheirOwnOrderBothWays) {
  QtClipboard clipboard;
  Surface picture(2, 1);
  picture.SetPixel(0, 0, 0x302010);  // red 0x10, green 0x20, blue 0x30
  picture.SetPixel(1, 0, 0x0000FF);  // pure red
  clipboard.PutImage(picture);
  const QImage put = SystemClipboard()->image(QClipboard::Clipboard);
  ASSERT_EQ(put.size(), QSize(2, 1));
  EXPECT_EQ(put.pixel(0, 0), qRgb(0x10, 0x20, 0x30));
  EXPECT_EQ(put.pixel(1, 0), qRgb(0xFF, 0, 0));
  EXPECT_TRUE(clipboard.HasImage());

  // A picture from another program, with alpha: painted over white on the way in.
  QImage other(3, 1, QImage::Format_ARGB32);
  other.setPixel(0, 0, qRgba(0x10, 0x20, 0x30, 0xFF));
  other.setPixel(1, 0, qRgba(0x00, 0x00, 0xFF, 0x00));
  other.setPixel(2, 0, qRgba(0xFF, 0x80, 0x00, 0x40));
  SystemClipboard()->setImage(other, QClipboard::Clipboard);
  const Surface got = clipboard.GetImage();
  ASSERT_EQ(got.Width(), 3);
  EXPECT_EQ(got.GetPixel(0, 0), 0x302010u);
  EXPECT_EQ(got.GetPixel(1, 0), kWhite);
  EXPECT_EQ(got.GetPixel(2, 0), 0xBFDFFFu);

  // Text only: no picture.
  SystemClipboard()->setText(QStringLiteral("hola"), QClipboard::Clipboard);
  EXPECT_FALSE(clipboard.HasImage());
  EXPECT_EQ(clipboard.GetImage().Width(), 0);
  SystemClipboard()->clear(QClipboard::Clipboard);
  EXPECT_FALSE(clipboard.HasImage());
  // Null and oversized pictures are no pictures.
  EXPECT_EQ(SurfaceFromImage(QImage()).Width(), 0);
  EXPECT_EQ(SurfaceFromImage(QImage(9000, 9000, QImage::Format_Mono)).Width(), 0);
}

// A picture another program offers as encoded bytes; the toolkit's own decoding of it
// (what asking for a ready picture does) is counted.
class OfferedPicture : public QMimeData {
 public:
  OfferedPicture(QString format, QByteArray bytes, int& decodes)
      : format_(std::move(format)), bytes_(std::move(bytes)), decodes_(decodes) {}
  QStringList formats() const override {
    return {format_, QStringLiteral("application/x-qt-image")};
  }
  bool hasFormat(const QString& format) const override { return formats().contains(format); }

 protected:
  QVariant retrieveData(const QString& format, QMetaType type) const override {
    if (format == format_ && type.id() == QMetaType::QByteArray) return bytes_;
    ++decodes_;
    return QImage::fromData(bytes_);
  }

 private:
  QString format_;
  QByteArray bytes_;
  int& decodes_;
};

QByteArray AsBytes(const testing::Bytes& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

// The headers of a 24-bit bitmap file of the given size, without its pixels.
QByteArray BitmapHeaderOnly(std::int32_t width, std::int32_t height) {
  QByteArray b(54, '\0');
  auto put = [&b](int at, std::uint32_t v, int size) {
    for (int i = 0; i < size; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put(10, 54, 4);  // where the pixels would start
  put(14, 40, 4);
  put(18, static_cast<std::uint32_t>(width), 4);
  put(22, static_cast<std::uint32_t>(height), 4);
  put(26, 1, 2);
  put(28, 24, 2);
  return b;
}

TEST(QtClipboard, AnOfferedPictureIsMeasuredBeforeItIsDecoded) {
  QtClipboard clipboard;
  int decodes = 0;
  const auto offer = [&](const char* format, const QByteArray& bytes) {
    SystemClipboard()->setMimeData(new OfferedPicture(format, bytes, decodes),
                                   QClipboard::Clipboard);
  };
  // Too large by its header: refused, and nothing is decoded.
  offer("image/png", AsBytes(testing::PngHeaderOnly(8193, 8192)));
  EXPECT_TRUE(clipboard.HasImage());
  EXPECT_EQ(clipboard.GetImage().Width(), 0);
  offer("image/bmp", BitmapHeaderOnly(20000, 20000));
  EXPECT_EQ(clipboard.GetImage().Width(), 0);
  offer("image/png", AsBytes(testing::PngHeaderOnly(100000, 1000)));
  EXPECT_EQ(clipboard.GetImage().Width(), 0);
  // Of the largest size taken, but with no pixels after the header: unreadable.
  offer("image/png", AsBytes(testing::PngHeaderOnly(8192, 8192)));
  EXPECT_EQ(clipboard.GetImage().Width(), 0);
  EXPECT_EQ(decodes, 0);

  // A small one is read from the offered bytes.
  QImage small(2, 1, QImage::Format_RGB32);
  small.setPixel(0, 0, qRgb(0x10, 0x20, 0x30));
  small.setPixel(1, 0, qRgb(0xFF, 0xFF, 0xFF));
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(small.save(&buffer, "PNG"));
  offer("image/png", png);
  const Surface got = clipboard.GetImage();
  ASSERT_EQ(got.Width(), 2);
  EXPECT_EQ(got.GetPixel(0, 0), 0x302010u);
  EXPECT_EQ(got.GetPixel(1, 0), kWhite);
  EXPECT_EQ(decodes, 0);
  SystemClipboard()->clear(QClipboard::Clipboard);
}

TEST(PasteDialog, ShowsItsTextsAtTheirPlacesAndEndsThroughTheForm) {
  int option = 5;
  FrmPaste form(option);
  form.Form_Load();
  PasteDialog dialog(nullptr, form);
  EXPECT_EQ(dialog.windowTitle(), "Paste Options");
  EXPECT_EQ(dialog.size(), QSize(207, 154));
  auto* frame = dialog.findChild<QGroupBox*>();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->title(), "Please Select An Option");
  EXPECT_EQ(frame->geometry(), QRect(8, 28, 185, 59));
  EXPECT_EQ(dialog.Option(0)->text(), "Shrink To Fit");
  EXPECT_EQ(dialog.Option(1)->text(), "Shrink To Fit (Keep Aspect)");
  EXPECT_EQ(dialog.Option(0)->geometry(), QRect(9, 20, 121, 13));
  EXPECT_EQ(dialog.Option(1)->geometry(), QRect(9, 36, 153, 13));
  EXPECT_TRUE(dialog.Option(0)->isChecked());
  EXPECT_EQ(dialog.CancelButton()->text(), "&Cancel");
  EXPECT_EQ(dialog.CancelButton()->geometry(), QRect(8, 96, 91, 25));
  EXPECT_EQ(dialog.OkButton()->text(), "&Ok");
  EXPECT_EQ(dialog.OkButton()->geometry(), QRect(102, 96, 91, 25));

  // Every text fits its place.
  const QFontMetrics metrics(dialog.font());
  EXPECT_LE(FrmPaste::kTextLeft + metrics.horizontalAdvance(FrmPaste::kText), dialog.width() - 4);
  for (int i = 0; i < 2; ++i) {
    QRadioButton* option = dialog.Option(i);
    const int indicator = option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
    const int spacing = option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    EXPECT_LE(indicator + spacing + QFontMetrics(option->font()).horizontalAdvance(option->text()),
              option->width())
        << i;
    EXPECT_LE(option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight), option->height());
    EXPECT_LE(QFontMetrics(option->font()).height(), option->height() + 1);
  }
  EXPECT_LE(metrics.horizontalAdvance(frame->title()), frame->width() - 16);

  // Framed by a window manager, the frame is part of the stated outer size; a very large
  // frame never squeezes the buttons out.
  dialog.FitToFrame(QMargins(3, 22, 3, 3));
  EXPECT_EQ(dialog.size(), QSize(201, 129));
  dialog.FitToFrame(QMargins(6, 40, 6, 6));
  EXPECT_EQ(dialog.size(), QSize(201, 129));
  dialog.FitToFrame(QMargins());
  EXPECT_EQ(dialog.size(), QSize(207, 154));

  dialog.Option(1)->click();
  dialog.OkButton()->click();
  EXPECT_EQ(option, 1);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  // Esc is Cancel.
  FrmPaste second(option);
  second.Form_Load();
  PasteDialog escaped(nullptr, second);
  escaped.show();
  escaped.Option(1)->click();
  QTest::keyClick(&escaped, Qt::Key_Escape);
  EXPECT_EQ(option, -1);
  EXPECT_TRUE(second.Closed);
}

class EditWindow : public ::testing::Test {
 protected:
  EditWindow() : window(ui, screen, StartupPaths{}) {
    window.Start();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  QPoint CanvasPoint(int px, int py) {
    const int zoom = window.Form().Document.ZoomFactor;
    return QPoint(px * zoom + zoom / 2, py * zoom + zoom / 2);
  }

  QtUi ui;
  testing::FixedScreen screen;
  MainWindow window;
};

TEST_F(EditWindow, TheEditEntriesCarryTheirShortcutsAndPasteTakesTheSystemClipboard) {
  QStringList captions;
  for (QAction* action : window.TopMenu("MnuEdit")->actions())
    captions << (action->isSeparator() ? "-" : action->text());
  EXPECT_EQ(captions, (QStringList{"&Desacer\tCtrl+Z", "&Reducir", "-", "Cort&ar\tCtrl+X",
                                   "&Copiar\tCtrl+C", "&Pegar\tCtrl+V", "Pegado &especial",
                                   "&Borrar\tDel", "-", "D&eseleccionar", "&Selecionar todo"}));
  QImage picture(2, 2, QImage::Format_RGB32);
  picture.fill(qRgb(0xFF, 0, 0));
  SystemClipboard()->setImage(picture, QClipboard::Clipboard);
  QTest::keyClick(&window, Qt::Key_V, Qt::ControlModifier);
  FrmBrindlex& form = window.Form();
  ASSERT_TRUE(form.Selection.SelectionFloating);
  EXPECT_EQ(form.Document.PicSelImage.GetPixel(1, 1), 0x0000FFu);
  EXPECT_TRUE(window.ToolButton(kToolSelect)->isChecked());
  // Ctrl+C puts the floating block back on the system clipboard.
  SystemClipboard()->clear(QClipboard::Clipboard);
  QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(SystemClipboard()->image(QClipboard::Clipboard).pixel(0, 1), qRgb(0xFF, 0, 0));
  // Del discards it as one step.
  const std::size_t steps = form.History.UndoList.size();
  QTest::keyClick(&window, Qt::Key_Delete);
  EXPECT_FALSE(form.Selection.Exists());
  EXPECT_EQ(form.History.UndoList.size(), steps + 1);
}

TEST_F(EditWindow, ALargePictureAsksThroughThePasteWindow) {
  QImage picture(64, 8, QImage::Format_RGB32);
  picture.fill(qRgb(0, 0xFF, 0));
  SystemClipboard()->setImage(picture, QClipboard::Clipboard);
  bool asked = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<PasteDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    asked = true;
    dialog->Option(1)->click();
    dialog->OkButton()->click();
  });
  window.ActionOf("MnuEditAction", 5)->trigger();
  EXPECT_TRUE(asked);
  FrmBrindlex& form = window.Form();
  EXPECT_EQ(form.Document.PicSelImage.Width(), 32);
  EXPECT_EQ(form.Document.PicSelImage.Height(), 4);
  EXPECT_EQ(form.Document.PicSelImage.GetPixel(0, 0), 0x00FF00u);
}

TEST_F(EditWindow, UndoShortcutWaitsWhileTheCanvasButtonIsHeld) {
  FrmBrindlex& form = window.Form();
  QTest::mouseClick(window.Canvas(), Qt::LeftButton, {}, CanvasPoint(3, 3));
  ASSERT_EQ(form.History.UndoList.size(), 2u);
  QTest::mousePress(window.Canvas(), Qt::LeftButton, {}, CanvasPoint(5, 5));
  QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(form.Document.PicMask.GetPixel(3, 3), kBlack);
  EXPECT_EQ(form.Document.PicMask.GetPixel(5, 5), kBlack);
  QTest::mouseRelease(window.Canvas(), Qt::LeftButton, {}, CanvasPoint(5, 5));
  EXPECT_EQ(form.History.UndoList.size(), 3u);
  EXPECT_FALSE(form.History.CanRedo());
  QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(form.Document.PicMask.GetPixel(5, 5), kWhite);
  EXPECT_EQ(form.Document.PicMask.GetPixel(3, 3), kBlack);
}

}  // namespace
}  // namespace brindlex::qt
