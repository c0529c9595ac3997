// Icon extraction from programs, libraries, icon libraries and animated cursors.
#include "app/file_messages.h"
#include "app/frm_brindlex.h"
#include "extraction/icon_extraction.h"
#include "forms/frm_icons.h"

namespace brindlex {

void FrmBrindlex::MnuExtract_Click() {
  if (Selection.Exists()) DropSelection(Document, Selection, History);
  if (Document.IconChanged && !AskSaveChanges()) return;
  FrmIcons dialog(ui_, paths_.ShellIconPath, ExtractFilterIndex);
  dialog.Form_Load();
  ui_.ShowExtractDialog(dialog);
  if (dialog.DialogCancelled) return;
  // The icon is read before anything changes, so that a file that cannot be read leaves the
  // document as it was.
  Surface mask, color;
  std::optional<CursorHotSpot> hot_spot;
  if (!ExtractIcon(dialog.ExtractPath, dialog.ExtractIndex, mask, color, hot_spot)) {
    ui_.ShowMessage(app_text::kSingleIconLoadErrorText, app_text::kIconLoadErrorTitle,
                    MessageIcon::kExclamation, MessageButtons::kOk);
    return;
  }
  StartDocument(1, true);
  source_hot_spot_ = hot_spot;
  Document.PicMask.BitBlt(0, 0, mask.Width(), mask.Height(), mask, 0, 0);
  Document.PicImage.BitBlt(0, 0, color.Width(), color.Height(), color, 0, 0);
  ShowLoadedIcon();
  Document.IconChanged = false;
}

}  // namespace brindlex
