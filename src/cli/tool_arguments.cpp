#include "cli/tool_arguments.h"

#include <cctype>

#include "cli/tool_lines.h"

namespace brindlex {
namespace {

constexpr const char* kHotSpot = "--hotspot";
constexpr const char* kAll = "--all";
constexpr const char* kSizes = "--sizes";

bool IsOption(const std::string& arg) {
  return arg.size() > 1 && arg[0] == '-' && !std::isdigit(static_cast<unsigned char>(arg[1])) &&
         arg[1] != ':';
}

// Whether `arg` is the option `name` written as "NAME VALUE" or "NAME=VALUE".
bool IsValueOption(const std::string& arg, const std::string& name) {
  return arg == name || arg.rfind(name + "=", 0) == 0;
}

}  // namespace

bool SplitArguments(const std::vector<std::string>& args, ToolArguments& parsed,
                    std::ostream& err) {
  parsed = ToolArguments();
  auto refuse = [&err](const std::string& what) {
    UsageError(err, what);
    return false;
  };
  bool options_ended = false;
  // Takes the value of the option at args[i] (the next argument, or what follows "=") into
  // `slot`; false after a usage error.
  std::size_t i = 0;
  auto take_value = [&](const std::string& name, const std::string& value_name,
                        std::optional<std::string>& slot) {
    const std::string& arg = args[i];
    if (slot) return refuse(name + " is given twice");
    if (arg == name && i + 1 == args.size()) return refuse(name + " needs its value " + value_name);
    slot = arg == name ? args[++i] : arg.substr(name.size() + 1);
    return true;
  };
  for (; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_ended || !IsOption(arg)) {
      parsed.words.push_back(arg);
    } else if (arg == "--") {
      options_ended = true;
    } else if (arg == "--help" || arg == "-h") {
      parsed.help = true;
    } else if (arg == "--version") {
      parsed.version = true;
    } else if (IsValueOption(arg, kHotSpot)) {
      if (!take_value(kHotSpot, "X,Y", parsed.hot_spot)) return false;
    } else if (arg == "--group") {
      parsed.group = true;
    } else if (IsValueOption(arg, kAll)) {
      if (!take_value(kAll, "DIR", parsed.all_folder)) return false;
    } else if (IsValueOption(arg, kSizes)) {
      if (!take_value(kSizes, "LIST", parsed.sizes)) return false;
    } else if (arg == "--png") {
      parsed.png = true;
    } else {
      return refuse("unknown option '" + arg + "'");
    }
  }
  return true;
}

}  // namespace brindlex
