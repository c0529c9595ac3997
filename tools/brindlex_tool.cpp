// brindlex-tool: icon conversion for scripts, on the editor's own engine.

#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/tool_output.h"
#include "platform/short_run_memory.h"

int main(int argc, char** argv) {
  brindlex::SetUpMemoryForShortRun();
  const std::vector<std::string> args(argv + 1, argv + argc);
  return brindlex::RunIconToolWritingTo(STDOUT_FILENO, args, std::cerr);
}
