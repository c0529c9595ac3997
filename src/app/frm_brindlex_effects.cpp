// The Effects menu: text stamp, button bevel and screen capture.
#include "app/frm_brindlex.h"
#include "effects/button_effect.h"
#include "effects/screen_capture.h"
#include "forms/frm_snap.h"
#include "forms/frm_txt.h"

namespace brindlex {
void FrmBrindlex::MnuFxAction_Click(int index) {
  switch (index) {
    case 0:
      AddTextToIcon();
      break;
    case 1:
      MakeButton();
      break;
    case 2:
      CaptureScreen();
      break;
    default:
      break;
  }
}

void FrmBrindlex::AddTextToIcon() {
  if (Selection.Exists()) DropSelection(Document, Selection, History);
  FrmTxt dialog(ui_, *font_renderer_, Document);
  dialog.Form_Load();
  ui_.ShowTextDialog(dialog);
  if (dialog.DialogCancelled) return;
  ShowPastedSelection();
}

void FrmBrindlex::MakeButton() {
  if (Selection.Exists()) DropSelection(Document, Selection, History);
  brindlex::MakeButton(Document.PicMask, Document.PicImage, [this] { ui_.RepaintCanvas(); });
  CommitWholeIconEdit();
}

void FrmBrindlex::CaptureScreen() {
  ui_.SetMainWindowVisible(false);
  // The windows that lay under the editor repaint before the screen is read.
  ui_.RepaintCanvas();
  Surface screen;
  if (!screen_grab_->GrabScreen(screen) || screen.Width() <= 0 || screen.Height() <= 0) {
    ui_.SetMainWindowVisible(true);
    ui_.ShowMessage(kCaptureFailedText, kCaptureFailedTitle, MessageIcon::kExclamation,
                    MessageButtons::kOk);
    return;
  }
  if (Selection.Exists()) DropSelection(Document, Selection, History);
  FrmSnap snap(Document, Document.Edge());
  snap.Form_Load(std::move(screen));
  ui_.ShowCaptureWindow(snap);
  ui_.SetMainWindowVisible(true);
  // A capture window that could not be shown captured nothing.
  if (!snap.Captured) return;
  CommitWholeIconEdit();
}

}  // namespace brindlex
