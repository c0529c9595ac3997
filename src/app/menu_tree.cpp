#include "app/menu_tree.h"

namespace brindlex {
namespace {

MenuEntry Item(std::string control, std::string caption, std::string shortcut = {}) {
  MenuEntry e;
  e.control = std::move(control);
  e.caption = std::move(caption);
  e.shortcut = std::move(shortcut);
  return e;
}

MenuEntry ArrayItem(std::string control, int index, std::string caption,
                    std::string shortcut = {}) {
  MenuEntry e = Item(std::move(control), std::move(caption), std::move(shortcut));
  e.index = index;
  return e;
}

MenuEntry Menu(std::string control, std::string caption, std::vector<MenuEntry> children) {
  MenuEntry e = Item(std::move(control), std::move(caption));
  e.children = std::move(children);
  return e;
}

// A control array whose entries are given as caption and shortcut pairs.
std::vector<MenuEntry> Array(const std::string& control,
                             std::vector<std::pair<std::string, std::string>> entries) {
  std::vector<MenuEntry> result;
  int index = 0;
  for (auto& [caption, shortcut] : entries)
    result.push_back(ArrayItem(control, index++, caption, shortcut));
  return result;
}

MenuEntry FileMenu() {
  std::vector<MenuEntry> entries = {
      Menu("MnuNew", "&Nuevo Icono",
           Array("MnuIconSize", {{"&16 x 16", ""}, {"&32 x 32", ""}, {"&48 x 48", ""}})),
      Item("MnuSep1", "-"),
      Item("MnuOpen", "&Abrir", "Ctrl+O"),
      Item("MnuExtract", "&Extraer", "Ctrl+E"),
      Item("MnuSep2", "-"),
      Item("MnuSave", "&Salvar", "Ctrl+S"),
      Item("MnuSaveAs", "Salvar &Como...", "Ctrl+A"),
      Item("MnuSep3", "-"),
      Item("MnuSaveAsBitmap", "Salvar como &Bitmap", "Ctrl+B"),
      Item("MnuSaveAsCursor", "Salvar COMO  &Cursor", "Ctrl+R"),
      Item("MnuSep4", "-"),
      Item("MnuCreateResource", "Crear &Multi Iconos", "Ctrl+M"),
  };
  for (int i = 0; i <= 4; ++i) {
    MenuEntry recent = ArrayItem("MnuRecent", i, i == 0 ? "-" : "");
    recent.visible = false;
    entries.push_back(recent);
  }
  entries.push_back(Item("MnuSep5", "-"));
  entries.push_back(Item("MnuExit", "S&alir"));
  return Menu("MnuFile", "&Archivo", std::move(entries));
}

MenuEntry EditMenu() {
  std::vector<MenuEntry> entries = Array("MnuEditAction", {{"&Desacer", "Ctrl+Z"},
                                                           {"&Reducir", ""},
                                                           {"-", ""},
                                                           {"Cort&ar", "Ctrl+X"},
                                                           {"&Copiar", "Ctrl+C"},
                                                           {"&Pegar", "Ctrl+V"},
                                                           {"Pegado &especial", ""},
                                                           {"&Borrar", "Del"},
                                                           {"-", ""},
                                                           {"D&eseleccionar", ""},
                                                           {"&Selecionar todo", ""}});
  // The keys other editors use for redo and for dropping a selection; the entries show none.
  entries[1].unshown_shortcuts = {"Ctrl+Y", "Ctrl+Shift+Z"};
  entries[9].unshown_shortcuts = {"Esc"};
  return Menu("MnuEdit", "&Editar", std::move(entries));
}

}  // namespace

std::vector<MenuEntry> BuildMenuTree() {
  return {
      FileMenu(),
      EditMenu(),
      Menu("MnuImage", "&Imagen",
           Array("MnuImageAction", {{"&Horizontal", ""},
                                    {"&Vertical", ""},
                                    {"-", ""},
                                    {"&Rotar 90°  a la &Izkierda", ""},
                                    {"Rotar 90° a la  &Derecha", ""},
                                    {"-", ""},
                                    {"&Reflejar", ""},
                                    {"Reflejo izkierda a derecha", ""},
                                    {"Reflejo de parte de abajo", ""},
                                    {"Reflejo de enmedio", ""}})),
      Menu("MnuColor", "&Color",
           Array("MnuColorAction", {{"&Invertir", ""},
                                    {"&Eskala gris", ""},
                                    {"&Ajustar kolores", ""},
                                    {"Grados &Transparencia", ""}})),
      Menu("MnuFx", "E&speciales",
           Array("MnuFxAction",
                 {{"&Aderir texto en ikono", ""}, {"&hacer boton", ""}, {"&Capturar", ""}})),
      Menu("MnuHelp", "&Ayuda", {Item("MnuAbout", "&Acerka de ..", "F1")}),
  };
}

}  // namespace brindlex
