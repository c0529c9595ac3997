#pragma once

// The commands of brindlex-tool, one file each. Each prints its normal output on `out` and
// its errors on `err`, and returns an exit status of tool_support.h.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/tool_arguments.h"

namespace brindlex {

// list FILE...
int ListCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err);
// convert IN[:INDEX] OUT [--hotspot X,Y] [--png]; `hot_spot` is the value of --hotspot when
// given.
int ConvertCommand(const std::string& input, const std::string& output,
                   const std::optional<std::string>& hot_spot, bool png, std::ostream& err);
// create OUT.ico|OUT.cur IN... [--sizes LIST] [--hotspot X,Y] [--png]: one entry per input
// (a PNG picture, an icon image FILE[:INDEX], a cursor), or with --sizes the listed sizes
// scaled from one picture; largest first, each at its smallest lossless entry.
int CreateCommand(const std::string& output, const std::vector<std::string>& inputs,
                  const ToolArguments& options, std::ostream& err);

// count FILE...
int CountCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err);
// extract FILE INDEX OUT
int ExtractCommand(const std::string& input, const std::string& index_text,
                   const std::string& output, std::ostream& err);

}  // namespace brindlex
