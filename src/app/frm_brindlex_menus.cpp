// The main window's menu bar: enabling as a menu opens, and dispatch of its entries.
#include "app/frm_brindlex.h"

namespace brindlex {

void FrmBrindlex::MenuOpening(const std::string& menu_control) {
  if (menu_control == "MnuEdit") RefreshEditMenu();
}

void FrmBrindlex::RefreshEditMenu() {
  FindMenuEntry(Menus, "MnuEditAction", 0)->enabled = History.CanUndo();
  FindMenuEntry(Menus, "MnuEditAction", 1)->enabled = History.CanRedo();
}

void FrmBrindlex::MenuClick(const std::string& control, int index) {
  const MenuEntry* entry = FindMenuEntry(Menus, control, index);
  if (entry == nullptr || entry->IsSeparator() || !entry->enabled || !entry->visible) return;
  if (control == "MnuIconSize") {
    MnuIconSize_Click(index);
  } else if (control == "MnuEditAction") {
    MnuEditAction_Click(index);
  } else if (control == "MnuOpen") {
    MnuOpen_Click();
  } else if (control == "MnuRecent") {
    MnuRecent_Click(index);
  } else if (control == "MnuSave") {
    MnuSave_Click();
  } else if (control == "MnuSaveAs") {
    MnuSaveAs_Click();
  } else if (control == "MnuExit") {
    MnuExit_Click();
  }
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
