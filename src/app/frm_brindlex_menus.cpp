// The main window's menu bar: enabling as a menu opens, and dispatch of its entries.
#include <map>

#include "app/frm_brindlex.h"

namespace brindlex {
namespace {

// The handler of each menu control that runs a command, given the entry's index.
using MenuHandler = void (*)(FrmBrindlex& form, int index);

const std::map<std::string, MenuHandler, std::less<>>& MenuHandlers() {
  static const std::map<std::string, MenuHandler, std::less<>> handlers = {
      {"MnuIconSize", [](FrmBrindlex& f, int i) { f.MnuIconSize_Click(i); }},
      {"MnuEditAction", [](FrmBrindlex& f, int i) { f.MnuEditAction_Click(i); }},
      {"MnuImageAction", [](FrmBrindlex& f, int i) { f.MnuImageAction_Click(i); }},
      {"MnuColorAction", [](FrmBrindlex& f, int i) { f.MnuColorAction_Click(i); }},
      {"MnuFxAction", [](FrmBrindlex& f, int i) { f.MnuFxAction_Click(i); }},
      {"MnuOpen", [](FrmBrindlex& f, int) { f.MnuOpen_Click(); }},
      {"MnuRecent", [](FrmBrindlex& f, int i) { f.MnuRecent_Click(i); }},
      {"MnuSave", [](FrmBrindlex& f, int) { f.MnuSave_Click(); }},
      {"MnuSaveAs", [](FrmBrindlex& f, int) { f.MnuSaveAs_Click(); }},
      {"MnuSaveAsBitmap", [](FrmBrindlex& f, int) { f.MnuSaveAsBitmap_Click(); }},
      {"MnuSaveAsCursor", [](FrmBrindlex& f, int) { f.MnuSaveAsCursor_Click(); }},
      {"MnuCreateResource", [](FrmBrindlex& f, int) { f.MnuCreateResource_Click(); }},
      {"MnuExtract", [](FrmBrindlex& f, int) { f.MnuExtract_Click(); }},
      {"MnuAbout", [](FrmBrindlex& f, int) { f.MnuAbout_Click(); }},
      {"MnuExit", [](FrmBrindlex& f, int) { f.MnuExit_Click(); }},
  };
  return handlers;
}

}  // namespace

void FrmBrindlex::MenuOpening(const std::string& menu_control) {
  if (menu_control == "MnuEdit") {
    MnuEdit_Click();
  } else if (menu_control == "MnuImage") {
    MnuImage_Click();
  }
}

bool FrmBrindlex::HandlesMenuControl(const std::string& control) {
  return MenuHandlers().contains(control);
}

void FrmBrindlex::MenuClick(const std::string& control, int index) {
  const MenuEntry* entry = FindMenuEntry(Menus, control, index);
  if (entry == nullptr || entry->IsSeparator() || !entry->enabled || !entry->visible) return;
  const auto handler = MenuHandlers().find(control);
  if (handler == MenuHandlers().end()) return;
  // A menu entry reached by its shortcut while a button is held on the canvas would change
  // the icon or the selection under the stroke (a moving block would go on following the
  // pointer after a drop or a turn): the stroke ends first. The Edit menu's entries are
  // disabled while a stroke is held instead, and wait for the button.
  if (control != "MnuEditAction") EndHeldStroke();
  handler->second(*this, index);
}

}  // namespace brindlex
