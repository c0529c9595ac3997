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

#include "document/tools.h"
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
  EXPECT_FALSE(put.hasAlphaChannel());
  EXPECT_TRUE(clipboard.HasImage());
  // A picture with transparent pixels is offered with its alpha.
  picture.Row(0)[1] = 0x7F0000FF;  // red of alpha 128
  clipboard.PutImage(picture);
  const QImage soft = SystemClipboard()->image(QClipboard::Clipboard);
  EXPECT_TRUE(soft.hasAlphaChannel());
  EXPECT_EQ(soft.pixel(1, 0), qRgba(0xFF, 0, 0, 128));

  // A picture from another program, with alpha: its transparency comes along.
  QImage other(3, 1, QImage::Format_ARGB32);
  other.setPixel(0, 0, qRgba(0x10, 0x20, 0x30, 0xFF));
  other.setPixel(1, 0, qRgba(0x00, 0x00, 0xFF, 0x00));
  other.setPixel(2, 0, qRgba(0xFF, 0x80, 0x00, 0x40));
  SystemClipboard()->setImage(other, QClipboard::Clipboard);
  const Surface got = clipboard.GetImage();
  ASSERT_EQ(got.Width(), 3);
  EXPECT_EQ(got.GetPixel(0, 0), 0x00302010u);
  EXPECT_EQ(got.GetPixel(1, 0), 0xFFFF0000u);
  EXPECT_EQ(got.GetPixel(2, 0), 0xBF0080FFu);

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
  QStringList formats() const override { return {format_, "application/x-qt-image"}; }
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

QByteArray PngHeader(std::uint32_t width, std::uint32_t height) {
  const testing::Bytes png = testing::PngHeaderOnly(width, height);
  return QByteArray(reinterpret_cast<const char*>(png.data()), static_cast<qsizetype>(png.size()));
}

TEST(QtClipboard, AnOfferedPictureIsMeasuredBeforeItIsDecoded) {
  QtClipboard clipboard;
  int decodes = 0;
  const auto offer_and_read = [&](const char* format, const QByteArray& bytes) {
    SystemClipboard()->setMimeData(new OfferedPicture(format, bytes, decodes),
                                   QClipboard::Clipboard);
    return clipboard.GetImage();
  };
  // Too large by its header, PNG or BMP (54 header bytes, 20,000 x 20,000): refused unread.
  QByteArray bmp(54, '\0');
  bmp[0] = 'B', bmp[1] = 'M', bmp[10] = 54, bmp[14] = 40, bmp[26] = 1, bmp[28] = 24;
  bmp[18] = bmp[22] = static_cast<char>(20000 & 0xFF), bmp[19] = bmp[23] = 20000 >> 8;
  EXPECT_EQ(offer_and_read("image/png", PngHeader(8193, 8192)).Width(), 0);
  EXPECT_EQ(offer_and_read("image/bmp", bmp).Width(), 0);
  // Of the largest size taken, but with no pixels after the header: unreadable.
  EXPECT_EQ(offer_and_read("image/png", PngHeader(8192, 8192)).Width(), 0);
  // A small one is read from the offered bytes.
  QImage small(2, 1, QImage::Format_RGB32);
  small.fill(qRgb(0x10, 0x20, 0x30));
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(small.save(&buffer, "PNG"));
  const Surface got = offer_and_read("image/png", png);
  ASSERT_EQ(got.Width(), 2);
  EXPECT_EQ(got.GetPixel(1, 0), 0x302010u);
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
    QRadioButton* button = dialog.Option(i);
    const int indicator = button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
    const int spacing = button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    EXPECT_LE(indicator + spacing + QFontMetrics(button->font()).horizontalAdvance(button->text()),
              button->width())
        << i;
    EXPECT_LE(button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight), button->height());
    EXPECT_LE(QFontMetrics(button->font()).height(), button->height() + 1);
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
