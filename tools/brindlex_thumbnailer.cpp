// brindlex-thumbnailer: the file managers' pictures of Windows programs, libraries, icon
// libraries, animated cursors, cursors and icons, on the editor's own engine.

#include <iostream>
#include <string>
#include <vector>

#include "cli/thumbnailer.h"
#include "platform/short_run_memory.h"

int main(int argc, char** argv) {
  brindlex::SetUpMemoryForShortRun();
  const std::vector<std::string> args(argv + 1, argv + argc);
  return brindlex::RunThumbnailer(args, std::cout, std::cerr);
}
