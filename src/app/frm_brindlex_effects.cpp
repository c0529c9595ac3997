// The Effects menu: text stamp, button bevel and screen capture.
#include "app/frm_brindlex.h"
#include "document/tool_names.h"
#include "effects/button_effect.h"
#include "effects/screen_capture.h"
#include "forms/frm_snap.h"
#include "forms/frm_txt.h"

namespace brindlex {
namespace {

// Shows the floating planes at the icon's top-left corner over the canvas and the preview,
// makes them the floating selection and selects the selection tool. The icon's planes are
// not touched.
void ShowSelectionAtOrigin(FrmBrindlex& form) {
  IconDocument& document = form.Document;
  const Surface& mask = document.PicSelMask;
  const Surface& image = document.PicSelImage;
  const int z = document.ZoomFactor;
  const int w = mask.Width(), h = mask.Height();
  document.PicMain.StretchBlt(0, 0, z * w, z * h, mask, 0, 0, w, h, RasterOp::kAnd);
  document.PicMain.StretchBlt(0, 0, z * w, z * h, image, 0, 0, w, h, RasterOp::kInvert);
  document.DrawGrid();
  document.PicIcon.BitBlt(0, 0, w, h, mask, 0, 0, RasterOp::kAnd);
  document.PicIcon.BitBlt(0, 0, w, h, image, 0, 0, RasterOp::kInvert);
  SelectionState& selection = form.Selection;
  selection.SelLeft = 0;
  selection.SelTop = 0;
  selection.SelRight = z * w;
  selection.SelBottom = z * h;
  DrawSelectionFrame(document, selection);
  // The tool's click drops any selection; the new one becomes floating only afterwards.
  if (form.CurrentTool != kToolSelect) form.OptTool_Click(kToolSelect);
  selection.SelectionFloating = true;
}

}  // namespace

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
  ShowSelectionAtOrigin(*this);
  Document.IconChanged = true;
}

void FrmBrindlex::MakeButton() {
  if (Selection.Exists()) DropSelection(Document, Selection, History);
  brindlex::MakeButton(Document.PicMask, Document.PicImage, [this] { ui_.RepaintCanvas(); });
  Document.DisplayResults();
  History.ClearRedo();
  History.RecordSnapshot(Document);
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
  Document.DisplayResults();
  History.ClearRedo();
  History.RecordSnapshot(Document);
}

}  // namespace brindlex
