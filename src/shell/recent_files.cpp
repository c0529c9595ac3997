#include "shell/recent_files.h"

#include "platform/utf8_text.h"

namespace brindlex {
namespace {

constexpr char kEllipsis[] = "\xE2\x80\xA6";  // "…" in UTF-8

// The text with every "&" doubled: a menu caption shows "&&" as one "&".
std::string EscapeAccessKeys(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '&') out += '&';
    out += c;
  }
  return out;
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

std::string ShortRecentTitle(const std::string& title) {
  const std::vector<std::size_t> bounds = CharacterBounds(title);
  const std::size_t count = bounds.size() - 1;
  if (count <= kRecentTitleLimit) return title;
  // The end keeps the larger half: it holds the extension and what tells numbered names apart.
  const std::size_t head = (kRecentTitleLimit - 1) / 2;
  const std::size_t tail = kRecentTitleLimit - 1 - head;
  return title.substr(0, bounds[head]) + kEllipsis + title.substr(bounds[count - tail]);
}

std::string RecentCaption(int slot, const std::string& path) {
  std::string caption = "&";
  caption += std::to_string(slot);
  caption += ' ';
  caption += EscapeAccessKeys(ShortRecentTitle(FileTitleOf(path)));
  return caption;
}

void LabelRecentSlot(int slot, MenuEntry& entry) {
  entry.caption = RecentCaption(slot, entry.tag);
  entry.tooltip = entry.tag;
}

void AddRecentFile(const std::string& path, RecentMenu& menu) {
  menu.slots[0]->visible = true;
  int match = 0;
  for (int i = 1; i <= 4 && match == 0; ++i)
    if (menu.slots[i]->tag == path) match = i;
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
    if (!menu.slots[j]->tag.empty()) LabelRecentSlot(j, *menu.slots[j]);
}

}  // namespace brindlex
