#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <set>

#include "app/centre_form.h"
#include "forms/form1.h"
#include "forms/frm_snap.h"
#include "forms/frm_txt.h"
#include "qt/capture_window.h"
#include "qt/credits_window.h"
#include "qt/main_window.h"
#include "qt/qt_fonts.h"
#include "qt/text_dialog.h"
#include "scripted_ui.h"

namespace brindlex::qt {
namespace {

const FontChoice kDejaVu{"DejaVu Sans", 13, false, false};

// The set of pixels of a surface that differ from a colour.
std::set<std::pair<int, int>> Marked(const Surface& s, Color background) {
  std::set<std::pair<int, int>> marked;
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x)
      if (s.GetPixel(x, y) != background) marked.insert({x, y});
  return marked;
}

TEST(QtFonts, ListsTheInstalledFamilies) {
  const std::vector<std::string> families = QtFontRenderer::Instance().FontFamilies();
  EXPECT_NE(std::find(families.begin(), families.end(), "DejaVu Sans"), families.end());
}

TEST(QtFonts, DrawsWithoutSmoothingTheSameGlyphsInEveryColour) {
  const QtFontRenderer& fonts = QtFontRenderer::Instance();
  for (bool bold : {false, true}) {
    FontChoice font_choice = kDejaVu;
    font_choice.bold = bold;
    Surface mask(48, 48, kWhite), image(48, 48, kBlack);
    fonts.DrawText(mask, font_choice, "Wg&", kBlack);
    fonts.DrawText(image, font_choice, "Wg&", 0x3366CC);
    const auto glyphs = Marked(mask, kWhite);
    EXPECT_GT(glyphs.size(), 30u);
    EXPECT_EQ(glyphs, Marked(image, kBlack));
    for (const auto& [x, y] : glyphs) {
      ASSERT_EQ(mask.GetPixel(x, y), kBlack);
      ASSERT_EQ(image.GetPixel(x, y), 0x3366CCu);
    }
    // Top-left placement: ink near the top and the left, nothing below the line's height.
    int top = 48, left = 48, bottom = 0;
    for (const auto& [x, y] : glyphs) {
      top = std::min(top, y);
      left = std::min(left, x);
      bottom = std::max(bottom, y);
    }
    EXPECT_LE(top, 4);
    EXPECT_LE(left, 1);
    EXPECT_LT(bottom, 17);
  }
}

TEST(QtFonts, AmpersandIsACharacterAndSizesArePixels) {
  const QtFontRenderer& fonts = QtFontRenderer::Instance();
  const int ab = fonts.TextWidth(kDejaVu, "AB");
  const int a_amp_b = fonts.TextWidth(kDejaVu, "A&B");
  EXPECT_GT(a_amp_b, ab + 5);
  Surface amp(20, 20, kWhite), underlined(20, 20, kWhite);
  fonts.DrawText(amp, kDejaVu, "&", kBlack);
  EXPECT_FALSE(Marked(amp, kWhite).empty());
  fonts.DrawText(underlined, kDejaVu, "&a", kBlack);
  // The & keeps its own place; the a follows it without an underline below the baseline.
  auto lowest = [](const Surface& s) {
    int bottom = -1;
    for (const auto& point : Marked(s, kWhite)) bottom = std::max(bottom, point.second);
    return bottom;
  };
  EXPECT_EQ(lowest(underlined), lowest(amp));
  EXPECT_EQ(fonts.TextWidth(kDejaVu, "&a"),
            fonts.TextWidth(kDejaVu, "&") + fonts.TextWidth(kDejaVu, "a"));
  // A capital at 8 pixels is smaller than at 13.
  FontChoice small = kDejaVu;
  small.pixel_size = 8;
  Surface h8(20, 20, kWhite), h13(20, 20, kWhite);
  fonts.DrawText(h8, small, "H", kBlack);
  fonts.DrawText(h13, kDejaVu, "H", kBlack);
  EXPECT_LT(Marked(h8, kWhite).size(), Marked(h13, kWhite).size());
  EXPECT_EQ(fonts.TextWidth(kDejaVu, ""), 0);
}

class TextDialogTest : public ::testing::Test {
 protected:
  TextDialogTest() : document(resources), form(ui, QtFontRenderer::Instance(), document) {
    document.MakeBlank(0);
    form.Form_Load();
  }
  ResourceBitmaps resources;
  IconDocument document;
  testing::ScriptedUi ui;
  FrmTxt form;
};

TEST_F(TextDialogTest, ShowsTheFormsListsAndCaptions) {
  TextDialog dialog(nullptr, form);
  EXPECT_EQ(dialog.windowTitle(), "escribir texto");
  EXPECT_EQ(dialog.size(), QSize(265, 120));
  EXPECT_EQ(dialog.Fonts()->count(), static_cast<int>(form.CboFonts.items.size()));
  EXPECT_EQ(dialog.Fonts()->currentIndex(), 0);
  EXPECT_EQ(dialog.Sizes()->itemText(4), "16");
  EXPECT_EQ(dialog.Styles()->itemText(3), "Bold Italic");
  EXPECT_EQ(dialog.ColorButton()->text(), "&Color del texto");
  EXPECT_EQ(dialog.OkButton()->text(), "&Ok");
  EXPECT_EQ(dialog.CancelButton()->text(), "&Cancelar");
}

TEST_F(TextDialogTest, TypingIsCutToTheIconAndOkHandsItOver) {
  TextDialog dialog(nullptr, form);
  form.CboFonts.selected = -1;
  const int dejavu = dialog.Fonts()->findText("DejaVu Sans");
  ASSERT_GE(dejavu, 0);
  emit dialog.Fonts()->activated(dejavu);
  EXPECT_EQ(form.TextFont.family, "DejaVu Sans");
  emit dialog.Sizes()->activated(4);
  EXPECT_EQ(form.FontPoints, 10);
  EXPECT_EQ(form.TextFont.pixel_size, 13);
  QTest::keyClicks(dialog.TextBox(), "WWWWWWW");
  EXPECT_LT(form.Txt.size(), 7u);
  EXPECT_FALSE(form.Txt.empty());
  EXPECT_EQ(dialog.TextBox()->text().toStdString(), form.Txt);
  EXPECT_EQ(dialog.TextBox()->cursorPosition(), dialog.TextBox()->text().size());
  EXPECT_LE(QtFontRenderer::Instance().TextWidth(form.TextFont, form.Txt), 16);
  // A key at the start: the caret stays after it, or goes to the end when the text is cut.
  const bool cut = QtFontRenderer::Instance().TextWidth(form.TextFont, "I" + form.Txt) > 16;
  dialog.TextBox()->setCursorPosition(0);
  QTest::keyClick(dialog.TextBox(), Qt::Key_I);
  EXPECT_EQ(dialog.TextBox()->cursorPosition(), cut ? dialog.TextBox()->text().size() : 1);
  dialog.OkButton()->click();
  EXPECT_FALSE(form.DialogCancelled);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(document.PicSelMask.Width(), 16);
  EXPECT_FALSE(Marked(document.PicSelMask, kWhite).empty());
}

TEST_F(TextDialogTest, TypingInTheMiddleKeepsTheCaretThere) {
  document.MakeBlank(2);  // 48 x 48: room for five letters at 6 points
  form.Form_Load();
  TextDialog dialog(nullptr, form);
  QTest::keyClicks(dialog.TextBox(), "ab");
  QTest::keyClick(dialog.TextBox(), Qt::Key_Home);
  QTest::keyClicks(dialog.TextBox(), "WWW");
  EXPECT_EQ(form.Txt, "WWWab");
  EXPECT_EQ(dialog.TextBox()->text(), "WWWab");
  EXPECT_EQ(dialog.TextBox()->cursorPosition(), 3);
}

TEST_F(TextDialogTest, TheStatedSizeIsTheOuterOneFrameIncluded) {
  TextDialog dialog(nullptr, form);
  // The classic frame: 3-pixel borders and a 21-pixel caption leave 259 x 96, and every
  // control lies inside it without overlapping another.
  dialog.FitToFrame(QMargins(3, 21, 3, 3));
  EXPECT_EQ(dialog.size(), QSize(259, 96));
  const std::vector<QWidget*> controls = {
      dialog.TextBox(),     dialog.Fonts(),        dialog.Sizes(),   dialog.Styles(),
      dialog.ColorButton(), dialog.CancelButton(), dialog.OkButton()};
  for (std::size_t i = 0; i < controls.size(); ++i) {
    EXPECT_TRUE(dialog.rect().contains(controls[i]->geometry())) << i;
    EXPECT_GE(controls[i]->height(), 19) << i;
    for (std::size_t j = 0; j < i; ++j)
      EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry())) << i << ", " << j;
  }
  // Shown, whatever frame the platform gives, the outer size is the stated one, placed as
  // every window is.
  dialog.FitToFrame(QMargins());
  dialog.show();
  QTest::qWait(20);
  EXPECT_EQ(dialog.frameGeometry().size(), QSize(265, 120));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const WindowPosition place = CentreForm(screen.width(), screen.height(), 265, 120);
  EXPECT_EQ(dialog.frameGeometry().topLeft(), screen.topLeft() + QPoint(place.left, place.top));
}

TEST(CreditsWindow, LinesScrollAndOnlyTheBackgroundCloses) {
  Form1 form;
  form.Form_Load();
  CreditsWindow window(nullptr, form);
  EXPECT_EQ(window.size(), QSize(385, 68));
  EXPECT_EQ(window.Line(0)->text(), "TeAm Quorvane 2001");
  EXPECT_EQ(window.Line(0)->geometry(), QRect(40, 24, 305, 25));
  EXPECT_TRUE(window.Line(6)->text().endsWith("\nPARA CERRAR LA VENTANA DALE CLICK"));
  EXPECT_EQ(window.Line(6)->geometry().top(), 304);
  for (int i = 0; i < 3; ++i) window.Tick();
  EXPECT_EQ(window.Line(0)->geometry().top(), 14);
  EXPECT_EQ(window.Line(6)->geometry().top(), 294);
  window.show();
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_TRUE(window.isVisible());
  QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(100, 20));  // on Label1 (14..38)
  EXPECT_FALSE(form.Closed);
  EXPECT_TRUE(window.isVisible());
  QTest::mouseClick(&window, Qt::RightButton, {}, QPoint(100, 50));
  EXPECT_FALSE(form.Closed);
  QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(100, 50));  // between the lines
  EXPECT_TRUE(form.Closed);
  EXPECT_FALSE(window.isVisible());
}

class CaptureWindowTest : public ::testing::Test {
 protected:
  CaptureWindowTest() : document(resources), form(document, 16) {
    document.MakeBlank(0);
    Surface screen(200, 100, 0x0000FF);
    screen.SetPixel(11, 21, 0x00FF00);
    form.Form_Load(screen);
  }
  void Release(CaptureWindow& window, Qt::MouseButton button) {
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(10, 20), QPointF(10, 20), button,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &release);
  }
  ResourceBitmaps resources;
  IconDocument document;
  FrmSnap form;
};

TEST_F(CaptureWindowTest, CoversTheScreenAndCapturesWithALeftClick) {
  CaptureWindow window(form);
  EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(window.cursor().shape(), Qt::BlankCursor);
  window.show();
  EXPECT_TRUE(form.TmrEnabled);
  EXPECT_EQ(form.CaptureSize, 18);
  QTRY_VERIFY_WITH_TIMEOUT(form.FrameLeft >= 0, 1000);
  window.PointerAt(QPointF(10, 20), 0, 0);
  EXPECT_EQ(form.PointerX, 10);
  QTest::keyClick(&window, Qt::Key_A);
  Release(window, Qt::RightButton);
  EXPECT_TRUE(window.isVisible());
  Release(window, Qt::LeftButton);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_EQ(document.PicImage.GetPixel(0, 0), 0x00FF00u);
  EXPECT_EQ(document.PicImage.GetPixel(1, 0), 0x0000FFu);
  EXPECT_EQ(document.PicMask.GetPixel(15, 15), kBlack);
}

TEST_F(CaptureWindowTest, EscGivesUpWithTheIconUnchanged) {
  const Surface image_before = document.PicImage;
  CaptureWindow window(form);
  window.show();
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Rejected);
  EXPECT_FALSE(form.Captured || form.PointerConfined);
  EXPECT_TRUE(document.PicImage.SamePixels(image_before));
}

// A Ui that looks at the text dialog the main window opens and cancels it.
class PeekingUi : public QtUi {
 public:
  void ShowTextDialog(FrmTxt& dialog) override {
    families = dialog.CboFonts.items.size();
    dialog.CmdCancel_Click();
  }
  std::size_t families = 0;
};

TEST(MainWindow, EffectsMenuRunsTheEffectsWithTheSystemFonts) {
  PeekingUi ui;
  testing::FixedScreen screen;
  MainWindow window(ui, screen, StartupPaths{});
  window.Start();
  window.ActionOf("MnuFxAction", 0)->trigger();
  EXPECT_GT(ui.families, 0u);
  EXPECT_EQ(window.Form().History.UndoList.size(), 1u);
  window.ActionOf("MnuFxAction", 1)->trigger();
  EXPECT_EQ(window.Form().History.UndoList.size(), 2u);
  EXPECT_EQ(window.TopMenu("MnuFx")->actions()[2]->text(), "&Capturar");
}

}  // namespace
}  // namespace brindlex::qt
