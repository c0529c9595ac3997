#pragma once

#include <string>

namespace brindlex {

// A text a window prints over its painted background, at a place in its own pixels (the
// top-left corner of the text), and the width it must stay within so as not to run into
// the control or frame line beside it (0: no limit).
struct PrintedText {
  int x, y;
  std::string text;
  int room = 0;
};

}  // namespace brindlex
