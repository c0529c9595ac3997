#include "cli/tool_arguments.h"

#include <cctype>

#include "cli/tool_lines.h"

namespace brindlex {
namespace {

constexpr const char* kHotSpot = "--hotspot";

bool IsOption(const std::string& arg) {
  return arg.size() > 1 && arg[0] == '-' && !std::isdigit(static_cast<unsigned char>(arg[1]));
}

}  // namespace

bool SplitArguments(const std::vector<std::string>& args, ToolArguments& parsed,
                    std::ostream& err) {
  parsed = ToolArguments();
  const std::string hot_spot_equals = std::string(kHotSpot) + "=";
  auto refuse = [&err](const std::string& what) {
    UsageError(err, what);
    return false;
  };
  bool options_ended = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_ended || !IsOption(arg)) {
      parsed.words.push_back(arg);
    } else if (arg == "--") {
      options_ended = true;
    } else if (arg == "--help" || arg == "-h") {
      parsed.help = true;
    } else if (arg == "--version") {
      parsed.version = true;
    } else if (arg == kHotSpot || arg.rfind(hot_spot_equals, 0) == 0) {
      if (parsed.hot_spot) return refuse("--hotspot is given twice");
      if (arg == kHotSpot && i + 1 == args.size()) return refuse("--hotspot needs its value X,Y");
      parsed.hot_spot = arg == kHotSpot ? args[++i] : arg.substr(hot_spot_equals.size());
    } else {
      return refuse("unknown option '" + arg + "'");
    }
  }
  return true;
}

}  // namespace brindlex
