#pragma once

// The command-line tool on the editor's engine: lists the images of icon files and converts
// one image of an icon file the way the editor opens and saves it.

#include <ostream>
#include <string>
#include <vector>

#include "cli/tool_support.h"

namespace brindlex {

// Runs the tool with its arguments (without the program name). Normal output goes to `out`,
// messages and errors to `err`. Returns kToolSuccess, kToolFailure when a file could not be
// read, decoded or written, or kToolUsageError for a command line it does not understand.
int RunIconTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace brindlex
