// brindlex-tool: icon conversion for scripts, on the editor's own engine.

#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/memory_failure.h"
#include "cli/tool_output.h"
#include "platform/short_run_memory.h"

int main(int argc, char** argv) {
  brindlex::SetUpMemoryForShortRun();
  // Memory that runs out in a command is reported with the file it was working on; this
  // is for the little before and after.
  return brindlex::UnlessMemoryRunsOut(
      [&] {
        const std::vector<std::string> args(argv + 1, argv + argc);
        return brindlex::RunIconToolWritingTo(STDOUT_FILENO, args, std::cerr);
      },
      [] {
        std::cerr << "brindlex-tool: " << brindlex::kNotEnoughMemory << "\n";
        return 1;
      });
}
