// The Edit menu: undo and redo, the clipboard and the selection commands.
#include "app/frm_brindlex.h"
#include "document/tools.h"
#include "edit/clipboard_commands.h"
#include "edit/paste_size.h"
#include "forms/frm_paste.h"

namespace brindlex {
namespace {

// The entries of the Edit menu by index.
enum EditEntry {
  kUndo = 0,
  kRedo = 1,
  kCut = 3,
  kCopy = 4,
  kPaste = 5,
  kPasteSpecial = 6,
  kDelete = 7,
  kDeselect = 9,
  kSelectAll = 10,
};

}  // namespace

bool FrmBrindlex::EditEntryEnabled(int index) const {
  // While a button is held on the canvas the stroke in progress owns the icon and the
  // selection: an undo now would leave the stroke's step on top of a redo list, and the other
  // commands would change the selection under the stroke. Copying changes nothing.
  const bool stroke = stroke_button_ != 0;
  switch (index) {
    case kUndo:
      return !stroke && History.CanUndo();
    case kRedo:
      return !stroke && History.CanRedo();
    case kCopy:
      return Selection.Exists();
    case kCut:
    case kDelete:
    case kDeselect:
      return !stroke && Selection.Exists();
    case kPaste:
    case kPasteSpecial:
      return !stroke && clipboard_->HasImage();
    case kSelectAll:
      return !stroke;
    default:
      return false;
  }
}

void FrmBrindlex::MnuEdit_Click() {
  for (MenuEntry& entry : FindMenuEntry(Menus, "MnuEdit")->children)
    if (!entry.IsSeparator()) entry.enabled = EditEntryEnabled(entry.index);
}

void FrmBrindlex::MnuEditAction_Click(int index) {
  if (!EditEntryEnabled(index)) return;
  switch (index) {
    case kUndo:
      if (Selection.Exists()) DropSelection(Document, Selection, History);
      History.UndoEdit(Document);
      break;
    case kRedo:
      if (Selection.Exists()) DropSelection(Document, Selection, History);
      History.RedoEdit(Document);
      break;
    case kCut:
      CutSelection();
      break;
    case kCopy:
      CopySelection();
      break;
    case kPaste:
    case kPasteSpecial:
      PasteFromClipboard(index == kPasteSpecial);
      break;
    case kDelete:
      DeleteSelection(Selection.SelectionMarked);
      break;
    case kDeselect:
      DropSelection(Document, Selection, History);
      break;
    case kSelectAll:
      SelectAll();
      break;
    default:
      break;
  }
}

void FrmBrindlex::PasteFromClipboard(bool special) {
  // The picture is held only while the paste runs; a large one would otherwise hold its
  // memory until the next paste.
  PastePicture(clipboard_->GetImage(), special);
}

void FrmBrindlex::PastePicture(const Surface& picture, bool special) {
  const int cw = picture.Width(), ch = picture.Height();
  const int w = Document.Edge(), h = Document.Edge();
  // The clipboard changed since the menu looked, or its picture could not be read.
  if (cw <= 0 || ch <= 0) return;
  if (cw > w || ch > h) {
    FrmPaste dialog(paste_option_);
    dialog.Form_Load();
    ui_.ShowPasteDialog(dialog);
    ui_.RepaintCanvas();
    if (paste_option_ == -1) return;
    if (Selection.Exists()) DropSelection(Document, Selection, History);
    if (paste_option_ == 1) {
      const PasteSize size = FitPasteSize(w, h, cw, ch);
      BuildPastedSelection(Document, picture, size.PasteWidth, size.PasteHeight, true, special);
    } else {
      BuildPastedSelection(Document, picture, static_cast<float>(w), static_cast<float>(h), true,
                           special);
    }
  } else {
    if (Selection.Exists()) DropSelection(Document, Selection, History);
    BuildPastedSelection(Document, picture, static_cast<float>(cw), static_cast<float>(ch), false,
                         special);
  }
  ShowPastedSelection();
}

void FrmBrindlex::ShowPastedSelection() {
  ShowPastedSelectionAtOrigin(Document, Selection);
  // The flag comes after the tool switch, whose drop must find no selection.
  if (CurrentTool != kToolSelect) OptTool_Click(kToolSelect);
  Selection.SelectionFloating = true;
  Document.IconChanged = true;
}

void FrmBrindlex::CopySelection() { CopySelectionToClipboard(Document, *clipboard_); }

void FrmBrindlex::DeleteSelection(bool was_marked) {
  DeleteSelectionArea(Document, Selection, History, was_marked);
}

void FrmBrindlex::CutSelection() {
  DeleteSelection(Selection.SelectionMarked);
  CopySelection();
}

void FrmBrindlex::SelectAll() {
  if (Selection.Exists()) DropSelection(Document, Selection, History);
  if (CurrentTool != kToolSelect) OptTool_Click(kToolSelect);
  CurrentTool = kToolSelect;
  MarkWholeIcon(Document, Selection);
  Selection.SelectionMarked = true;
}

}  // namespace brindlex
