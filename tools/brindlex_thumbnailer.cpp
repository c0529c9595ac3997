// brindlex-thumbnailer: the file managers' pictures of Windows programs, libraries, icon
// libraries, animated cursors, cursors and icons, on the editor's own engine.

#include <iostream>
#include <string>
#include <vector>

#include "cli/memory_failure.h"
#include "cli/thumbnailer.h"
#include "platform/short_run_memory.h"

int main(int argc, char** argv) {
  brindlex::SetUpMemoryForShortRun();
  // Memory that runs out in a command is reported with the file it was working on; this
  // is for the little before and after.
  return brindlex::UnlessMemoryRunsOut(
      [&] {
        const std::vector<std::string> args(argv + 1, argv + argc);
        return brindlex::RunThumbnailer(args, std::cout, std::cerr);
      },
      [] {
        std::cerr << "brindlex-thumbnailer: " << brindlex::kNotEnoughMemory << "\n";
        return 1;
      });
}
