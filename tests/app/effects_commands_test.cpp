#include <gtest/gtest.h>

#include <functional>

#include "app/frm_brindlex.h"
#include "document/tools.h"
#include "effects/glyph_font.h"
#include "forms/form1.h"
#include "forms/frm_snap.h"
#include "forms/frm_txt.h"
#include "picture.h"
#include "scripted_ui.h"

namespace brindlex {
namespace {

using testing::FixedScreen;
using testing::GlyphFont;
using testing::ScriptedUi;

// A Ui that runs each effect window through a script and logs the main window's
// visibility.
class EffectsUi : public ScriptedUi {
 public:
  void ShowTextDialog(FrmTxt& dialog) override {
    ++text_dialogs;
    if (on_text) on_text(dialog);
  }
  void ShowCaptureWindow(FrmSnap& window) override {
    visibility.push_back(window.ScreenWidth > 0 ? 'S' : '?');
    if (on_capture) on_capture(window);
  }
  void ShowCreditsWindow(Form1& window) override {
    credits_timer_running = window.Timer1Enabled;
    credits_top = window.Labels[0].top;
    window.ClickAt(0, 0);
  }
  void SetMainWindowVisible(bool visible) override { visibility.push_back(visible ? 'V' : 'H'); }
  void RepaintCanvas() override { ++repaints; }

  std::function<void(FrmTxt&)> on_text;
  std::function<void(FrmSnap&)> on_capture;
  int text_dialogs = 0;
  std::string visibility;
  int repaints = 0;
  bool credits_timer_running = false;
  std::int64_t credits_top = 0;
};

// The text dialog answered with a text and Ok.
std::function<void(FrmTxt&)> Stamp(const std::string& text) {
  return [text](FrmTxt& dialog) {
    dialog.Txt = text;
    dialog.Txt_Change();
    dialog.CmdOk_Click();
  };
}

// A screen grab of a fixed picture, or a failure.
class FixedGrab : public ScreenGrab {
 public:
  bool GrabScreen(Surface& picture) override {
    ++grabs;
    if (!works) return false;
    picture = screen;
    return true;
  }
  Surface screen;
  bool works = true;
  int grabs = 0;
};

class EffectsTest : public ::testing::Test {
 protected:
  EffectsTest() : form(ui, screen, StartupPaths{}) {
    form.Form_Load();
    form.SetFontRenderer(font);
    form.SetScreenGrab(grab);
  }
  // Paints an opaque pixel and records it, as a drawing stroke would.
  void Paint(int x, int y, Color c) {
    form.Document.PicMask.SetPixel(x, y, kBlack);
    form.Document.PicImage.SetPixel(x, y, c);
    form.Document.DisplayResults();
    form.History.CommitEdit(form.Document);
  }
  EffectsUi ui;
  FixedScreen screen;
  GlyphFont font;
  FixedGrab grab;
  FrmBrindlex form;
};

TEST_F(EffectsTest, TextLandsAsAFloatingSelectionAtTheOrigin) {
  form.MenuClick("MnuIconSize", 0);  // 16 x 16, zoom 24
  Paint(0, 0, 0x00FF00);
  Paint(10, 10, 0x0000FF);
  form.Document.IconChanged = false;
  const Surface mask_before = form.Document.PicMask, image_before = form.Document.PicImage;
  ui.on_text = Stamp("AI");
  form.MenuClick("MnuFxAction", 0);
  ASSERT_EQ(ui.text_dialogs, 1);
  const SelectionState& sel = form.Selection;
  EXPECT_TRUE(sel.SelectionFloating);
  EXPECT_FALSE(sel.SelectionMarked);
  EXPECT_EQ(sel.SelLeft, 0);
  EXPECT_EQ(sel.SelTop, 0);
  EXPECT_EQ(sel.SelRight, 384);
  EXPECT_EQ(sel.SelBottom, 384);
  EXPECT_EQ(form.CurrentTool, kToolSelect);
  EXPECT_TRUE(form.Document.IconChanged);
  EXPECT_EQ(form.History.UndoList.size(), 3u);
  // The planes are untouched; the preview shows the text over them: the A's top-left pixel
  // is transparent in the text, so the green pixel shows through.
  EXPECT_TRUE(form.Document.PicMask.SamePixels(mask_before));
  EXPECT_TRUE(form.Document.PicImage.SamePixels(image_before));
  EXPECT_EQ(form.Document.PicIcon.GetPixel(0, 0), 0x00FF00u);
  EXPECT_EQ(form.Document.PicIcon.GetPixel(1, 0), kBlack);  // A
  EXPECT_EQ(form.Document.PicIcon.GetPixel(4, 4), kBlack);  // I
  EXPECT_EQ(form.Document.PicIcon.GetPixel(10, 10), 0x0000FFu);
  EXPECT_EQ(form.Document.PicMain.GetPixel(24 + 12, 12), kBlack);  // the A on the canvas
  EXPECT_EQ(form.Document.PicMain.GetPixel(12, 12), 0x00FF00u);

  // Undo drops the text (one step) and takes that step back: the icon as before.
  form.MnuEditAction_Click(0);
  EXPECT_FALSE(form.Selection.Exists());
  EXPECT_EQ(form.History.UndoList.size(), 3u);
  EXPECT_TRUE(form.Document.PicMask.SamePixels(mask_before));
}

TEST_F(EffectsTest, DroppingTheTextMergesItAsOneStep) {
  ui.on_text = Stamp("I");
  form.MnuFxAction_Click(0);
  EXPECT_EQ(form.History.UndoList.size(), 1u);
  form.OptTool_Click(kToolPencil);  // drops the selection
  EXPECT_FALSE(form.Selection.Exists());
  EXPECT_EQ(form.History.UndoList.size(), 2u);
  EXPECT_EQ(form.Document.PicMask.GetPixel(0, 4), kBlack);
  EXPECT_EQ(form.Document.PicMask.GetPixel(1, 0), kWhite);
  EXPECT_EQ(form.Document.PicImage.GetPixel(0, 0), kBlack);
}

TEST_F(EffectsTest, CancelledTextLeavesEverythingAfterTheDrop) {
  form.Document.IconChanged = false;
  ui.on_text = Stamp("   ");
  form.MnuFxAction_Click(0);
  EXPECT_FALSE(form.Selection.Exists());
  EXPECT_FALSE(form.Document.IconChanged);
  EXPECT_EQ(form.CurrentTool, kToolPencil);
  ui.on_text = [](FrmTxt& dialog) { dialog.CmdCancel_Click(); };
  form.MnuFxAction_Click(0);
  EXPECT_FALSE(form.Selection.Exists());
  EXPECT_EQ(form.History.UndoList.size(), 1u);
  // A window that could not be shown is cancelled too.
  ui.on_text = nullptr;
  form.MnuFxAction_Click(0);
  EXPECT_FALSE(form.Selection.Exists());
  EXPECT_EQ(ui.text_dialogs, 3);
}

TEST_F(EffectsTest, ButtonBevelsAndIsOneUndoStep) {
  form.MenuClick("MnuIconSize", 0);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      form.Document.PicMask.SetPixel(x, y, kBlack);
      form.Document.PicImage.SetPixel(x, y, kGrey);
    }
  form.Document.DisplayResults();
  form.History.RecordSnapshot(form.Document);
  form.MenuClick("MnuFxAction", 1);
  EXPECT_EQ(form.Document.PicImage.GetPixel(5, 0), 0xF8F8F8u);
  EXPECT_EQ(form.Document.PicImage.GetPixel(5, 14), 0x444444u);
  EXPECT_EQ(form.Document.PicIcon.GetPixel(5, 0), 0xF8F8F8u);
  EXPECT_EQ(form.History.UndoList.size(), 3u);
  EXPECT_EQ(ui.repaints, 2);  // before each of the two rings
  form.MnuEditAction_Click(0);
  EXPECT_EQ(form.Document.PicImage.GetPixel(5, 0), kGrey);
}

TEST_F(EffectsTest, ButtonOnATransparentIconStillRecords) {
  form.Document.IconChanged = false;
  form.MnuFxAction_Click(1);
  EXPECT_EQ(form.History.UndoList.size(), 2u);
  EXPECT_TRUE(form.Document.IconChanged);
  EXPECT_TRUE(form.Document.PicMask.SamePixels(Surface(32, 32, kWhite)));
  EXPECT_TRUE(form.Document.PicImage.SamePixels(Surface(32, 32, kBlack)));
}

TEST_F(EffectsTest, ButtonDropsAFloatingTextFirst) {
  ui.on_text = Stamp("I");
  form.MnuFxAction_Click(0);
  form.MnuFxAction_Click(1);
  EXPECT_FALSE(form.Selection.Exists());
  // Drop and bevel: two steps.
  EXPECT_EQ(form.History.UndoList.size(), 3u);
  // The I's top pixel (0, 0) sits on ring 0: lightened from black by 120.
  EXPECT_EQ(form.Document.PicImage.GetPixel(0, 0), 0x787878u);
}

TEST_F(EffectsTest, CaptureCopiesTheFrozenScreenAndMakesTheIconOpaque) {
  grab.screen = Surface(1920, 1080, kBlack);
  grab.screen.Box(1887, 1047, 1918, 1078, true, 0x336699);
  grab.screen.SetPixel(1918, 1078, 0x0000FF);
  grab.screen.SetPixel(1919, 1079, 0x00FF00);
  ui.on_capture = [](FrmSnap& snap) {
    snap.Form_Activate();
    snap.Form_MouseMove(0, 0, 1900, 1070);
    snap.Tmr_Timer();
    snap.Form_MouseUp(2, 0, 1900, 1070);  // ignored
    snap.Form_MouseUp(1, 0, 1900, 1070);
  };
  form.MenuClick("MnuFxAction", 2);
  EXPECT_EQ(ui.visibility, "HSV");
  EXPECT_EQ(grab.grabs, 1);
  EXPECT_TRUE(form.Document.PicMask.SamePixels(Surface(32, 32, kBlack)));
  EXPECT_EQ(form.Document.PicImage.GetPixel(0, 0), 0x336699u);
  EXPECT_EQ(form.Document.PicImage.GetPixel(31, 31), 0x0000FFu);
  EXPECT_EQ(form.History.UndoList.size(), 2u);
  EXPECT_TRUE(form.Document.IconChanged);
  EXPECT_EQ(form.Document.PicIcon.GetPixel(0, 0), 0x336699u);
  form.MnuEditAction_Click(0);
  EXPECT_TRUE(form.Document.PicMask.SamePixels(Surface(32, 32, kWhite)));
}

TEST_F(EffectsTest, FailedGrabWarnsAndTouchesNothing) {
  ui.on_text = Stamp("I");
  form.MnuFxAction_Click(0);
  form.Document.IconChanged = false;
  grab.works = false;
  form.MnuFxAction_Click(2);
  EXPECT_EQ(ui.visibility, "HV");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].title, "Quorvane 2001 - Error");
  EXPECT_EQ(ui.messages[0].text, "no se pudo kapturar la pantalla");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::kExclamation);
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::kOk);
  EXPECT_TRUE(form.Selection.SelectionFloating);
  EXPECT_FALSE(form.Document.IconChanged);
  EXPECT_EQ(form.History.UndoList.size(), 1u);
}

TEST_F(EffectsTest, CaptureGivenUpWithEscOrNeverShownChangesNothing) {
  grab.screen = Surface(100, 80, 0x123456);
  form.Document.IconChanged = false;
  const Surface mask_before = form.Document.PicMask;
  form.MnuFxAction_Click(2);  // a window that could not be shown
  ui.on_capture = [](FrmSnap& snap) {
    snap.Form_Activate();
    snap.Form_MouseMove(0, 0, 20, 20);
    snap.Tmr_Timer();
    snap.Form_KeyDown(FrmSnap::kEscapeKey, 0);
    snap.Form_MouseUp(1, 0, 20, 20);
  };
  form.MnuFxAction_Click(2);
  EXPECT_EQ(ui.visibility, "HSVHSV");
  EXPECT_FALSE(form.Document.IconChanged);
  EXPECT_TRUE(form.Document.PicMask.SamePixels(mask_before));
  EXPECT_EQ(form.History.UndoList.size(), 1u);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EffectsTest, WithoutASetGrabTheCaptureFails) {
  FrmBrindlex plain(ui, screen, StartupPaths{});
  plain.Form_Load();
  plain.MnuFxAction_Click(2);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "no se pudo kapturar la pantalla");
}

TEST_F(EffectsTest, AboutShowsTheCreditsFromTheirFirstPlaces) {
  form.MenuClick("MnuAbout", -1);
  EXPECT_TRUE(ui.credits_timer_running);
  EXPECT_EQ(ui.credits_top, 360);
}

}  // namespace
}  // namespace brindlex
