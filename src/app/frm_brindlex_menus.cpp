// The main window's menu bar: enabling as a menu opens, and dispatch of its entries.
#include "app/frm_brindlex.h"

namespace brindlex {

void FrmBrindlex::MenuOpening(const std::string& menu_control) {
  if (menu_control == "MnuEdit") {
    MnuEdit_Click();
  } else if (menu_control == "MnuImage") {
    MnuImage_Click();
  }
}

void FrmBrindlex::MenuClick(const std::string& control, int index) {
  const MenuEntry* entry = FindMenuEntry(Menus, control, index);
  if (entry == nullptr || entry->IsSeparator() || !entry->enabled || !entry->visible) return;
  // A menu entry reached by its shortcut while a button is held on the canvas would change
  // the icon or the selection under the stroke (a moving block would go on following the
  // pointer after a drop or a turn): the stroke ends first. The Edit menu's entries are
  // disabled while a stroke is held instead, and wait for the button.
  if (control != "MnuEditAction") EndHeldStroke();
  if (control == "MnuIconSize") {
    MnuIconSize_Click(index);
  } else if (control == "MnuEditAction") {
    MnuEditAction_Click(index);
  } else if (control == "MnuImageAction") {
    MnuImageAction_Click(index);
  } else if (control == "MnuColorAction") {
    MnuColorAction_Click(index);
  } else if (control == "MnuFxAction") {
    MnuFxAction_Click(index);
  } else if (control == "MnuOpen") {
    MnuOpen_Click();
  } else if (control == "MnuRecent") {
    MnuRecent_Click(index);
  } else if (control == "MnuSave") {
    MnuSave_Click();
  } else if (control == "MnuSaveAs") {
    MnuSaveAs_Click();
  } else if (control == "MnuSaveAsBitmap") {
    MnuSaveAsBitmap_Click();
  } else if (control == "MnuSaveAsCursor") {
    MnuSaveAsCursor_Click();
  } else if (control == "MnuCreateResource") {
    MnuCreateResource_Click();
  } else if (control == "MnuExtract") {
    MnuExtract_Click();
  } else if (control == "MnuAbout") {
    MnuAbout_Click();
  } else if (control == "MnuExit") {
    MnuExit_Click();
  }
}
}  // namespace brindlex
