#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/menu_entry.h"

namespace brindlex {

// The recent-files entries at the foot of the File menu: element 0 is the separator line,
// elements 1 to 4 one file each (the path in the entry's tag, "&n title" as its caption).
// The entries are the list: filled slots run 1, 2, ... without gaps, slot 1 the most recent.
struct RecentMenu {
  std::array<MenuEntry*, 5> slots{};
  // The MnuRecent entries of a menu tree.
  static RecentMenu Of(std::vector<MenuEntry>& menus);
};

// The file name part of a path: everything after its last "/" (the whole path when it has
// none; "" when it ends in "/").
std::string FileTitleOf(const std::string& path);

// The caption of recent-file slot n (1 to 4) for a path: "&", n, a blank, the file title.
std::string RecentCaption(int slot, const std::string& path);

// Puts the path at the top of the list. A path already listed (letter case ignored) moves
// to the top keeping the spelling it was first recorded in; otherwise the list shifts down
// and its fourth path is dropped.
void AddRecentFile(const std::string& path, RecentMenu& menu);
// Closes the gaps left by cleared slots, hiding the slots (and, when nothing is left, the
// separator) beyond the end of the list.
void CompactRecentFiles(RecentMenu& menu);
// Captions "&n title" for every filled slot.
void RefreshRecentCaptions(RecentMenu& menu);

}  // namespace brindlex
