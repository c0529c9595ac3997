#pragma once

#include <string>
#include <vector>

namespace brindlex {

// One entry of the main window's menu bar. Entries that form a control array share the
// control name and differ by index; a caption of "-" is a separator line.
struct MenuEntry {
  std::string control;
  int index = -1;  // −1 for entries that are not part of an array
  std::string caption;
  std::string shortcut;  // in the portable form "Ctrl+O", "Del", "F1"; empty for none
  // Further keys that run the entry, in the same form; the menu does not show them.
  std::vector<std::string> unshown_shortcuts;
  bool enabled = true;
  bool visible = true;
  std::string tag;      // the path of a recent-file entry
  std::string tooltip;  // shown when the pointer rests on the entry; empty for none
  std::vector<MenuEntry> children;

  bool IsSeparator() const { return caption == "-"; }
};

// The entry with this control name and index anywhere in the tree, or nullptr.
MenuEntry* FindMenuEntry(std::vector<MenuEntry>& tree, const std::string& control, int index = -1);

}  // namespace brindlex
