#include "shell/recent_files.h"

#include <algorithm>

namespace brindlex {
namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

}  // namespace

RecentMenu RecentMenu::Of(std::vector<MenuEntry>& menus) {
  RecentMenu menu;
  for (int i = 0; i <= 4; ++i) menu.slots[i] = FindMenuEntry(menus, "MnuRecent", i);
  return menu;
}

std::string FileTitleOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string RecentCaption(int slot, const std::string& path) {
  std::string caption = "&";
  caption += std::to_string(slot);
  caption += ' ';
  caption += FileTitleOf(path);
  return caption;
}

void AddRecentFile(const std::string& path, RecentMenu& menu) {
  menu.slots[0]->visible = true;
  int match = 0;
  for (int i = 1; i <= 4 && match == 0; ++i)
    if (Lower(menu.slots[i]->tag) == Lower(path)) match = i;
  if (match != 1) {
    const std::string top = match > 1 ? menu.slots[match]->tag : path;
    for (int j = match > 1 ? match : 4; j >= 2; --j) menu.slots[j]->tag = menu.slots[j - 1]->tag;
    menu.slots[1]->tag = top;
  }
  for (int i = 1; i <= 4; ++i)
    if (!menu.slots[i]->tag.empty()) menu.slots[i]->visible = true;
  RefreshRecentCaptions(menu);
}

void CompactRecentFiles(RecentMenu& menu) {
  std::vector<std::string> paths;
  for (int i = 1; i <= 4; ++i) {
    if (!menu.slots[i]->tag.empty()) paths.push_back(menu.slots[i]->tag);
    menu.slots[i]->tag.clear();
  }
  for (int j = 1; j <= 4; ++j) {
    if (j <= static_cast<int>(paths.size())) {
      menu.slots[j]->tag = paths[j - 1];
    } else {
      menu.slots[j]->visible = false;
    }
  }
  if (!menu.slots[1]->visible) {
    menu.slots[0]->visible = false;
  } else {
    RefreshRecentCaptions(menu);
  }
}

void RefreshRecentCaptions(RecentMenu& menu) {
  for (int j = 1; j <= 4; ++j)
    if (!menu.slots[j]->tag.empty()) menu.slots[j]->caption = RecentCaption(j, menu.slots[j]->tag);
}

}  // namespace brindlex
