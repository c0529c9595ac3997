// The Edit menu: undo and redo, the clipboard and the selection commands.
#include "app/frm_brindlex.h"

namespace brindlex {

void FrmBrindlex::MnuEdit_Click() {
  FindMenuEntry(Menus, "MnuEditAction", 0)->enabled = History.CanUndo();
  FindMenuEntry(Menus, "MnuEditAction", 1)->enabled = History.CanRedo();
}

void FrmBrindlex::MnuEditAction_Click(int index) {
  switch (index) {
    case 0:
      if (Selection.Exists()) DropSelection(Document, Selection, History);
      History.UndoEdit(Document);
      break;
    case 1:
      if (Selection.Exists()) DropSelection(Document, Selection, History);
      History.RedoEdit(Document);
      break;
    default:
      break;
  }
}

}  // namespace brindlex
