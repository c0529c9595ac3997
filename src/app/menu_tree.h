#pragma once

#include <string>
#include <vector>

#include "platform/menu_entry.h"

namespace brindlex {

// The menu bar as the window starts: every top-level menu with its entries.
std::vector<MenuEntry> BuildMenuTree();

}  // namespace brindlex
