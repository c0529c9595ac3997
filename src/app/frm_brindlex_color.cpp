// The Colour menu: invert, grey scale, colour adjustment and the transparency gradient.
#include "app/frm_brindlex.h"
#include "edit/color_adjust.h"
#include "edit/color_operations.h"
#include "forms/frm_col_adj.h"
#include "forms/frm_grad.h"

namespace brindlex {

void FrmBrindlex::MnuColorAction_Click(int index) {
  switch (index) {
    case 0:
      InvertColors();
      break;
    case 1:
      GreyScale();
      break;
    case 2:
      AdjustColors();
      break;
    case 3:
      ApplyGradientFill();
      break;
    default:
      break;
  }
}

void FrmBrindlex::InvertColors() {
  EditSelectionOrIcon(
      [](Surface& mask, Surface& image, bool) { brindlex::InvertColors(mask, image); });
}

void FrmBrindlex::GreyScale() {
  EditSelectionOrIcon([](Surface& mask, Surface& image, bool on_selection) {
    brindlex::GreyScale(mask, image,
                        on_selection ? GreyRounding::kTruncate : GreyRounding::kNearestEven);
  });
}

void FrmBrindlex::AdjustColors() {
  if (Selection.Exists()) DropSelection(Document, Selection, History);
  const int edge = Document.Edge();
  FillColorTables(Document.PicMask, Document.PicImage, edge, Document.PixelWork);
  FrmColAdj dialog(Document.PixelWork, edge);
  // The dialog's preview starts as the main window's preview shows the icon.
  dialog.PicShade.BitBlt(0, 0, edge, edge, Document.PicIcon, 0, 0);
  dialog.Form_Load();
  ui_.ShowColorAdjustDialog(dialog);
  if (!dialog.ColAdjAccepted) return;
  dialog.ColAdjAccepted = false;
  WriteAdjustedColors(Document.PixelWork, edge, Document.PicImage);
  CommitWholeIconEdit();
}

void FrmBrindlex::ApplyGradientFill() {
  const int size = Document.PicIcon.Width();
  FrmGrad dialog(ui_, Document.PicLoad, size);
  dialog.Form_Load();
  ui_.ShowGradientDialog(dialog);
  if (dialog.DialogCancelled) return;
  if (Selection.Exists()) DropSelection(Document, Selection, History);
  const int last = Document.IconLastIndex;
  for (int y = 0; y <= last; ++y)
    for (int x = 0; x <= last; ++x)
      if (Document.PicMask.GetPixel(x, y) == kWhite)
        Document.PicImage.SetPixel(x, y, Document.PicLoad.GetPixel(x, y));
  Document.PicMask.Box(0, 0, last, last, true, kBlack);
  CommitWholeIconEdit();
}

}  // namespace brindlex
