#include "cli/tool_arguments.h"

#include <cctype>

#include "cli/tool_lines.h"

namespace brindlex {
namespace {

constexpr const char* kHotSpot = "--hotspot";
constexpr const char* kSizes = "--sizes";

bool IsOption(const std::string& arg) {
  return arg.size() > 1 && arg[0] == '-' && !std::isdigit(static_cast<unsigned char>(arg[1]));
}

// Takes the value of option `name` ("--name VALUE" or "--name=VALUE") at args[i] into
// `value`. False when `arg` is not that option; a missing or repeated value is refused.
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
               const std::string& what, std::optional<std::string>& value, bool& refused,
               std::ostream& err) {
  const std::string& arg = args[i];
  const std::string equals = name + "=";
  if (arg != name && arg.rfind(equals, 0) != 0) return false;
  if (value) {
    refused = true;
    UsageError(err, name + " is given twice");
  } else if (arg == name && i + 1 == args.size()) {
    refused = true;
    UsageError(err, name + " needs its value " + what);
  } else {
    value = arg == name ? args[++i] : arg.substr(equals.size());
  }
  return true;
}

}  // namespace

bool SplitArguments(const std::vector<std::string>& args, ToolArguments& parsed,
                    std::ostream& err) {
  parsed = ToolArguments();
  bool refused = false;
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
    } else if (arg == "--png") {
      parsed.png = true;
    } else if (TakeValue(args, i, kHotSpot, "X,Y", parsed.hot_spot, refused, err) ||
               TakeValue(args, i, kSizes, "LIST", parsed.sizes, refused, err)) {
      if (refused) return false;
    } else {
      return refuse("unknown option '" + arg + "'");
    }
  }
  return true;
}

}  // namespace brindlex
