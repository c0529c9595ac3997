#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/icon_tool.h"

namespace brindlex::testing {

// What one run of brindlex-tool printed and answered.
struct ToolRun {
  int status;
  std::string out, err;
};

inline ToolRun Tool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunIconTool(args, out, err);
  return {status, out.str(), err.str()};
}

// The tool's line about a file: "brindlex-tool: FILE: reason" and a line break.
inline std::string FileLine(const std::string& file, const std::string& reason) {
  return "brindlex-tool: " + file + ": " + reason + "\n";
}

}  // namespace brindlex::testing
