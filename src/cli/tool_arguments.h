#pragma once

// The tool's command line split into its words (the command and its files) and its options.
// Options may stand before, between or after the words; "--" ends them, so that every later
// argument is a word even when it starts with "-". A lone "-" and a "-" followed by a digit
// (a negative number) are words too.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace brindlex {

struct ToolArguments {
  std::vector<std::string> words;
  bool help = false;                    // --help or -h
  bool version = false;                 // --version
  std::optional<std::string> hot_spot;  // --hotspot X,Y or --hotspot=X,Y
  std::optional<std::string> sizes;     // --sizes LIST or --sizes=LIST
  bool png = false;                     // --png
};

// Splits `args` (without the program name). An unknown option, an option with a value
// (--hotspot, --sizes) without its value or given twice, is a usage error: printed on `err`, and
// the result is false.
bool SplitArguments(const std::vector<std::string>& args, ToolArguments& parsed, std::ostream& err);

}  // namespace brindlex
