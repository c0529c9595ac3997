// brindlex-tool: icon conversion for scripts, on the editor's own engine.

#include <iostream>
#include <string>
#include <vector>

#include "cli/icon_tool.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int status = brindlex::RunIconTool(args, std::cout, std::cerr);
  std::cout.flush();
  return std::cout.fail() && status == brindlex::kToolSuccess ? brindlex::kToolFailure : status;
}
