#pragma once

#include <string>
#include <vector>

namespace brindlex {

// One row of the list of images of a multi-image icon file: the text the user sees
// ("32 x 32 ... 16 Color"), its item data, the image's bit count (1, 4, 8, or 24 for every
// other depth), and the image's width and height as the text shows them.
struct IconListRow {
  std::string text;
  int bit_count = 0;
  long long width = 0;
  long long height = 0;
};

// The list the multi-image choice shows: rows in directory order (row k is directory
// entry k) and the selected row, -1 when none is selected.
struct IconImageList {
  std::vector<IconListRow> rows;
  int selected = -1;

  void Clear() {
    rows.clear();
    selected = -1;
  }
};

}  // namespace brindlex
