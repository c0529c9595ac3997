#pragma once

#include <string>

namespace brindlex {

// A text a window prints over its painted background, at a place in its own pixels (the
// top-left corner of the text).
struct PrintedText {
  int x, y;
  std::string text;
};

}  // namespace brindlex
