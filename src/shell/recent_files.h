#pragma once

#include <array>
#include <cstddef>
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

// A file title of more than this many characters is shortened in its entry's caption.
inline constexpr std::size_t kRecentTitleLimit = 50;

// The file title as an entry shows it: a title of more than kRecentTitleLimit characters
// (UTF-8 characters, never cut inside one) keeps its start and its end, the extension
// included, around "…", kRecentTitleLimit characters in all.
std::string ShortRecentTitle(const std::string& title);

// The caption of recent-file slot n (1 to 4) for a path: "&", n, a blank, the shortened file
// title with each "&" doubled, so that the title shows as it is and only n is the access key.
std::string RecentCaption(int slot, const std::string& path);

// Shows slot n's path: its caption, and the full path as its tooltip, which tells apart files
// of one name in different folders.
void LabelRecentSlot(int slot, MenuEntry& entry);

// Puts the path at the top of the list. A path already listed (the very same text: paths
// that differ only in letter case name different files) moves to the top; otherwise the list
// shifts down and its fourth path is dropped.
void AddRecentFile(const std::string& path, RecentMenu& menu);
// Closes the gaps left by cleared slots, hiding the slots (and, when nothing is left, the
// separator) beyond the end of the list.
void CompactRecentFiles(RecentMenu& menu);
// Captions "&n title" and tooltips for every filled slot.
void RefreshRecentCaptions(RecentMenu& menu);

}  // namespace brindlex
