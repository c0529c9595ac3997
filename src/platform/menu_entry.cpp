#include "platform/menu_entry.h"

namespace brindlex {

MenuEntry* FindMenuEntry(std::vector<MenuEntry>& tree, const std::string& control, int index) {
  for (MenuEntry& entry : tree) {
    if (entry.control == control && entry.index == index) return &entry;
    if (MenuEntry* found = FindMenuEntry(entry.children, control, index)) return found;
  }
  return nullptr;
}

}  // namespace brindlex
