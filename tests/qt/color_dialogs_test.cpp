// The colour adjustment and gradient windows and the colour dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include "qt/color_adjust_dialog.h"
#include "qt/gradient_dialog.h"
#include "qt/qt_ui.h"
#include "qt/step_scroll_bar.h"
#include "qt/surface_view.h"
#include "scripted_ui.h"

namespace brindlex::qt {
namespace {

// The centre of one arrow of a scroll bar.
QPoint ArrowCentre(QScrollBar* bar, bool upper) {
  QStyleOptionSlider option;
  option.initFrom(bar);
  option.orientation = Qt::Vertical;
  option.minimum = bar->minimum();
  option.maximum = bar->maximum();
  option.sliderPosition = bar->sliderPosition();
  option.sliderValue = bar->value();
  option.singleStep = bar->singleStep();
  option.pageStep = bar->pageStep();
  option.subControls = QStyle::SC_All;
  return bar->style()
      ->subControlRect(QStyle::CC_ScrollBar, &option,
                       upper ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine, bar)
      .center();
}

// Runs action on the modal window of type T as soon as it is shown.
template <typename T>
void WhenShown(std::function<void(T*)> action) {
  QTimer::singleShot(0, [action] {
    if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget())) action(window);
  });
}

struct ColorAdjust {
  Surface mask{16, 16, kWhite}, image{16, 16, kBlack};
  ColorTables tables;
  FrmColAdj form{tables, 16};
  ColorAdjust() {
    mask.SetPixel(0, 0, kBlack);
    image.SetPixel(0, 0, 0xC89664);
    FillColorTables(mask, image, 16, tables);
    form.PicShade.SetPixel(0, 0, 0xC89664);
    form.Form_Load();
  }
};

TEST(ColorAdjustDialog, LayoutCaptionsAndOuterSize) {
  ColorAdjust c;
  ColorAdjustDialog dialog(nullptr, c.form);
  EXPECT_EQ(dialog.windowTitle(), "Ajuste de kolor");
  EXPECT_EQ(dialog.size(), QSize(254, 124));
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(dialog.ValueLabel(i)->text(), "0");
    EXPECT_EQ(dialog.ValueLabel(i)->geometry(), QRect(68, FrmColAdj::kLabelTops[i], 46, 17));
    EXPECT_EQ(dialog.Slider(i)->geometry(), QRect(96, FrmColAdj::kSliderTops[i], 16, 13));
  }
  EXPECT_EQ(dialog.Preview()->geometry(), QRect(142, 27, 16, 16));
  QStringList captions;
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    captions << button->text() + QString(" %1,%2 %3x%4")
                                     .arg(button->x())
                                     .arg(button->y())
                                     .arg(button->width())
                                     .arg(button->height());
  captions.sort();
  EXPECT_EQ(captions,
            (QStringList{"&Cancelar 186,38 54x25", "&Ok 186,66 54x25", "&Reset 186,8 54x25"}));
}

TEST(ColorAdjustDialog, CaptionsKeepAMarginAndValuesArePlainReadOuts) {
  ColorAdjust c;
  ColorAdjustDialog dialog(nullptr, c.form);
  dialog.show();
  // The values stand on the window's own background, not in white fields.
  const QImage window = dialog.grab().toImage();
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(window.pixelColor(88, FrmColAdj::kLabelTops[i] + 1), ToQColor(c.form.BackColor));
  // Every caption's ink (dark pixels inside the button's border) keeps five pixels from
  // the button's edges.
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    const QImage shot = button->grab().toImage();
    int left = shot.width(), right = -1;
    for (int y = 2; y < shot.height() - 2; ++y)
      for (int x = 2; x < shot.width() - 2; ++x)
        if (qGray(shot.pixel(x, y)) < 110) left = std::min(left, x), right = std::max(right, x);
    EXPECT_GT(right, left + 10) << button->text().toStdString();  // the caption is there
    EXPECT_GE(left, 5) << button->text().toStdString();
    EXPECT_LE(right, shot.width() - 6) << button->text().toStdString();
  }
}

TEST(ColorAdjustDialog, ArrowsStepByFiveAndJumpsAreRefused) {
  ColorAdjust c;
  ColorAdjustDialog dialog(nullptr, c.form);
  dialog.show();
  StepScrollBar* red = dialog.Slider(FrmColAdj::kRed);
  QTest::mouseClick(red, Qt::LeftButton, {}, ArrowCentre(red, true));
  EXPECT_EQ(dialog.ValueLabel(FrmColAdj::kRed)->text(), "5");
  EXPECT_EQ(c.tables[kAdjColors][0].red, 105);
  EXPECT_EQ(c.form.PicShade.GetPixel(0, 0), 0xC89669u);
  QTest::mouseClick(red, Qt::LeftButton, {}, ArrowCentre(red, false));
  QTest::mouseClick(red, Qt::LeftButton, {}, ArrowCentre(red, false));
  EXPECT_EQ(dialog.ValueLabel(FrmColAdj::kRed)->text(), "-5");
  EXPECT_EQ(c.tables[kAdjColors][0].red, 95);
  // Keys: the arrows step, Page, Home and End do nothing; neither does the wheel.
  red->setFocus();
  QTest::keyClick(red, Qt::Key_Up);
  EXPECT_EQ(dialog.ValueLabel(FrmColAdj::kRed)->text(), "0");
  for (Qt::Key key : {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End})
    QTest::keyClick(red, key);
  QWheelEvent wheel(QPointF(8, 6), red->mapToGlobal(QPointF(8, 6)), QPoint(), QPoint(0, 120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(red, &wheel);
  EXPECT_EQ(dialog.ValueLabel(FrmColAdj::kRed)->text(), "0");
  EXPECT_EQ(c.tables[kAdjColors][0].red, 100);
  EXPECT_EQ(red->contextMenuPolicy(), Qt::NoContextMenu);
  // Reset puts the labels and sliders back to 0.
  StepScrollBar* bright = dialog.Slider(FrmColAdj::kBrightness);
  QTest::mouseClick(bright, Qt::LeftButton, {}, ArrowCentre(bright, true));
  EXPECT_EQ(c.tables[kAdjColors][0].green, 155);
  QTest::mouseClick(dialog.findChildren<QPushButton*>()[0], Qt::LeftButton);
  EXPECT_EQ(bright->FormValue(), 0);
  EXPECT_EQ(dialog.ValueLabel(FrmColAdj::kBrightness)->text(), "0");
  EXPECT_EQ(c.form.PicShade.GetPixel(1, 1), kButtonFace);
  // Esc cancels.
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(c.form.Closed);
  EXPECT_FALSE(c.form.ColAdjAccepted);
}

TEST(ColorAdjustDialog, OkAcceptsThroughTheUi) {
  ColorAdjust c;
  QtUi ui;
  WhenShown<ColorAdjustDialog>([](ColorAdjustDialog* dialog) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
      if (button->text() == "&Ok") button->click();
  });
  ui.ShowColorAdjustDialog(c.form);
  EXPECT_TRUE(c.form.ColAdjAccepted);
}

TEST(ColorAdjustDialog, EnterIsOkWhereverTheFocusIs) {
  for (const char* focused : {"slider", "&Reset", "&Cancelar", "&Ok"}) {
    SCOPED_TRACE(focused);
    ColorAdjust c;
    ColorAdjustDialog dialog(nullptr, c.form);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    StepScrollBar* red = dialog.Slider(FrmColAdj::kRed);
    QTest::mouseClick(red, Qt::LeftButton, {}, ArrowCentre(red, true));
    QWidget* target = red;
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
      if (button->text() == focused) target = button;
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(c.form.ColAdjAccepted);
    // The step is kept, not reset.
    EXPECT_EQ(c.tables[kAdjColors][0].red, 105);
  }
}

TEST(GradientDialog, LayoutCaptionsAndTheAngleBar) {
  testing::ScriptedUi ui;
  Surface pic_load;
  FrmGrad form(ui, pic_load, 32);
  form.Form_Load();
  GradientDialog dialog(nullptr, form);
  EXPECT_EQ(dialog.windowTitle(), "grados de kolores");
  EXPECT_EQ(dialog.Linear()->geometry(), QRect(19, 19, 32, 32));
  EXPECT_EQ(dialog.Spherical()->geometry(), QRect(114, 19, 32, 32));
  EXPECT_EQ(dialog.AngleLabel()->text(), "000");
  EXPECT_EQ(dialog.Option(0)->text(), "Linear");
  EXPECT_EQ(dialog.Option(1)->text(), "Sperical");
  EXPECT_TRUE(dialog.Option(0)->isChecked());
  EXPECT_EQ(dialog.Ok()->text(), "&Ok");
  EXPECT_EQ(dialog.Cancel()->text(), "&Cancelar");
  QStringList labels;
  for (QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
  for (const char* text :
       {"&Empezar:", "&Terminar:", "Primero da klick en la kaja de kolores ", "Click"})
    EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;
  dialog.show();
  StepScrollBar* angle = dialog.Angle();
  const Surface before = form.PicLinear;
  QTest::mouseClick(angle, Qt::LeftButton, {}, ArrowCentre(angle, true));
  EXPECT_EQ(dialog.AngleLabel()->text(), "045");
  EXPECT_FALSE(form.PicLinear.SamePixels(before));
  QTest::mouseClick(angle, Qt::LeftButton, {}, ArrowCentre(angle, false));
  EXPECT_EQ(dialog.AngleLabel()->text(), "000");
  // The spherical kind, then Ok hands that preview over.
  QTest::mouseClick(dialog.Option(1), Qt::LeftButton);
  EXPECT_EQ(form.OptGradType, 1);
  QTest::mouseClick(dialog.Spherical(), Qt::LeftButton, {}, QPoint(5, 6));
  EXPECT_EQ(form.SphereX, 5.0f);
  QTest::mouseClick(dialog.Ok(), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_FALSE(form.DialogCancelled);
  EXPECT_TRUE(pic_load.SamePixels(form.PicSpherical));
}

TEST(GradientDialog, ControlsAreDisabledWhileTheSphereGrowsAndTheCloseBoxCancels) {
  testing::ScriptedUi ui;
  Surface pic_load;
  FrmGrad form(ui, pic_load, 16);
  form.Form_Load();
  GradientDialog dialog(nullptr, form);
  dialog.show();
  int steps = 0, disabled = 0;
  const auto step = form.PreviewStep;
  form.PreviewStep = [&] {
    step();
    ++steps;
    if (!dialog.Ok()->isEnabled() && !dialog.Cancel()->isEnabled() &&
        !dialog.Spherical()->isEnabled())
      ++disabled;
  };
  QTest::mouseClick(dialog.Spherical(), Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(steps, 258);
  EXPECT_EQ(disabled, 257);
  EXPECT_TRUE(dialog.Ok()->isEnabled());
  dialog.close();
  EXPECT_TRUE(form.Closed);
  EXPECT_TRUE(form.DialogCancelled);
}

TEST(ColorChooser, CustomColoursGoInAndComeBackWithRedAndBlueInPlace) {
  QtUi ui;
  std::array<Color, 16> custom;
  custom.fill(kWhite);
  custom[0] = 0x0000FF;  // red
  // Another dialog's custom colours must not leak in.
  QColorDialog::setCustomColor(1, QColor(1, 2, 3));
  QColor seen_first, seen_second;
  WhenShown<QColorDialog>([&](QColorDialog* dialog) {
    seen_first = QColorDialog::customColor(0);
    seen_second = QColorDialog::customColor(1);
    EXPECT_TRUE(dialog->testOption(QColorDialog::DontUseNativeDialog));
    EXPECT_FALSE(dialog->testOption(QColorDialog::ShowAlphaChannel));
    EXPECT_EQ(dialog->currentColor(), QColor(0, 0, 0));
    QColorDialog::setCustomColor(5, QColor(0x10, 0x20, 0x30));
    dialog->setCurrentColor(QColor(255, 160, 0));
    dialog->accept();
  });
  const Ui::ColorChoice chosen = ui.ChooseColor(kBlack, custom);
  EXPECT_EQ(seen_first, QColor(255, 0, 0));
  EXPECT_EQ(seen_second, QColor(255, 255, 255));
  ASSERT_TRUE(chosen.Accepted);
  EXPECT_EQ(chosen.Color, 0x00A0FFu);
  EXPECT_EQ(custom[5], 0x302010u);
  // A cancel answers nothing but still returns the edited custom colours.
  WhenShown<QColorDialog>([](QColorDialog* dialog) {
    QColorDialog::setCustomColor(15, QColor(0, 0, 255));
    dialog->reject();
  });
  EXPECT_FALSE(ui.ChooseColor(kBlack, custom).Accepted);
  EXPECT_EQ(custom[15], 0xFF0000u);
  EXPECT_EQ(custom[5], 0x302010u);
}

}  // namespace
}  // namespace brindlex::qt
