// Exports of the File menu (bitmap and cursor) and the multi-icon builder. The exports write
// the current image to a new file without touching the document's file name, its unsaved
// state or the recent-files list.
#include "app/exports_messages.h"
#include "app/frm_brindlex.h"
#include "files/bitmap_writer.h"
#include "files/color_depth.h"
#include "files/cursor_writer.h"
#include "forms/file_dialog.h"
#include "forms/frm_hot_spot.h"
#include "forms/frm_mir.h"

namespace brindlex {

void FrmBrindlex::MnuSaveAsBitmap_Click() {
  const FileDialogResult chosen =
      ShowFileDialog(FileDialogMode::kSaveBitmap, ui_, ExtractFilterIndex);
  if (!chosen.Accepted) return;
  ui_.SetBusyPointer(BusyPointer::kHourglass);
  if (Selection.Exists()) DropSelection(Document, Selection, History);
  // The hidden clipboard picture holds the composed image (white where transparent) while
  // it is written, and is cleared afterwards.
  Surface& clip = Document.PicClip;
  clip = ComposeOverWhite(Document.PicMask, Document.PicImage);
  const bool saved = WriteBitmapFile(clip, ChooseColorDepth(clip, false), chosen.FileName);
  ui_.SetBusyPointer(BusyPointer::kNormal);
  if (!saved)
    ui_.ShowMessage(app_text::kBitmapExportFailed, app_text::kExportErrorTitle,
                    MessageIcon::kExclamation, MessageButtons::kOk);
  clip.Clear();
}

void FrmBrindlex::MnuSaveAsCursor_Click() {
  const CursorHotSpot start = source_hot_spot_.value_or(CursorHotSpot{});
  FrmHotSpot dialog(Document.PicMain, Document.ZoomFactor, Document.IconLastIndex, ImgXY, HotSpotX,
                    HotSpotY, start.x, start.y);
  dialog.Form_Load();
  ui_.ShowHotSpotDialog(dialog);
  if (dialog.DialogCancelled) return;
  const FileDialogResult chosen =
      ShowFileDialog(FileDialogMode::kSaveCursor, ui_, ExtractFilterIndex);
  if (!chosen.Accepted) return;
  ui_.SetBusyPointer(BusyPointer::kHourglass);
  if (Selection.Exists()) DropSelection(Document, Selection, History);
  const int depth = ChooseColorDepth(Document.PicImage, true);
  const bool saved = WriteCursorFile(Document.PicMask, Document.PicImage, depth, HotSpotX, HotSpotY,
                                     chosen.FileName);
  ui_.SetBusyPointer(BusyPointer::kNormal);
  if (!saved)
    ui_.ShowMessage(app_text::kCursorExportFailed, app_text::kExportErrorTitle,
                    MessageIcon::kExclamation, MessageButtons::kOk);
}

void FrmBrindlex::MnuCreateResource_Click() {
  FrmMir builder(ui_);
  builder.Form_Load();
  ui_.ShowMultiIconBuilder(builder);
}

}  // namespace brindlex
