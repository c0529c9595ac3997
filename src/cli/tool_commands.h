#pragma once

// The commands of brindlex-tool, one file each. Each prints its normal output on `out` and
// its errors on `err`, and returns an exit status of tool_support.h.

#include <ostream>
#include <string>
#include <vector>

namespace brindlex {

// list FILE...
int ListCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err);
// convert IN[:INDEX] OUT
int ConvertCommand(const std::string& input, const std::string& output, std::ostream& err);

// count FILE...
int CountCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err);
// extract FILE INDEX OUT
int ExtractCommand(const std::string& input, const std::string& index_text,
                   const std::string& output, std::ostream& err);

}  // namespace brindlex
