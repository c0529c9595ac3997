#include "cli/icon_tool.h"

#include "cli/export_commands.h"
#include "cli/tool_commands.h"
#include "cli/tool_support.h"

namespace brindlex {
namespace {

constexpr const char* kUsage =
    "Usage: brindlex-tool COMMAND ARGUMENTS\n"
    "\n"
    "Commands:\n"
    "  list FILE...               print one line per image of each icon file:\n"
    "                             width x height and colour depth, in directory order\n"
    "                             (with several files, each line starts with \"FILE: \")\n"
    "  convert IN.ico[:INDEX] OUT.ico\n"
    "                             open image INDEX (0 when left out) of IN.ico as the\n"
    "                             editor opens it and save it to OUT.ico as the editor\n"
    "                             saves it: one image at the smallest colour depth\n"
    "  convert IN.png OUT.ico     make a 16, 32 or 48 pixel PNG picture into an icon\n"
    "                             file as the editor saves it (alpha below 128 is\n"
    "                             transparent)\n"
    "  convert IN.ico[:INDEX] OUT.png\n"
    "                             write image INDEX of IN.ico as an RGBA PNG picture;\n"
    "                             inverting pixels are written transparent, with a\n"
    "                             warning naming how many\n"
    "  convert IN.ico[:INDEX] OUT.bmp\n"
    "                             export the image as the editor's bitmap export does:\n"
    "                             transparent pixels white, no mask\n"
    "  convert IN.ico[:INDEX] OUT.cur [--hotspot X,Y]\n"
    "                             export the image as the editor's cursor export does,\n"
    "                             with the hot spot at pixel X,Y (0,0 when left out)\n"
    "  build OUT.ico IN.ico...    build one multi-image icon file from two or more\n"
    "                             single-image icon files (at most ten images, one per\n"
    "                             size and depth; a later input of the same size and\n"
    "                             depth replaces an earlier one), as the editor's\n"
    "                             multi-icon builder does\n"
    "  count FILE...              print the number of icons the extraction dialog shows\n"
    "                             for each program, library, icon library, animated\n"
    "                             cursor or icon file (the steps of the animation for a\n"
    "                             name ending in .ani; with several files, each line\n"
    "                             starts with \"FILE: \")\n"
    "  extract FILE INDEX OUT.ico\n"
    "                             take icon INDEX (from 0) of FILE as the extraction\n"
    "                             dialog takes it, 32 x 32, and save it to OUT.ico as\n"
    "                             the editor saves it\n"
    "  --help                     print this help\n"
    "\n"
    "Exit status: 0 on success, 1 when a file cannot be read, decoded or written,\n"
    "2 for a command line that is not understood.\n";

}  // namespace

int RunIconTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return UsageError(err, "no command given");
  const std::string& command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    out << kUsage;
    return kToolSuccess;
  }
  if (command == "list") {
    if (args.size() < 2) return UsageError(err, "list: no file given");
    return ListCommand({args.begin() + 1, args.end()}, out, err);
  }
  if (command == "convert" && args.size() == 5 && args[3] == "--hotspot")
    return ConvertExport(args[1], args[2], args[4], err);
  if (command == "build") {
    if (args.size() < 2) return UsageError(err, "build: no output file given");
    return BuildCommand(args[1], {args.begin() + 2, args.end()}, err);
  }
  if (command == "convert") {
    if (args.size() != 3) return UsageError(err, "convert takes an input and an output file");
    return ConvertCommand(args[1], args[2], err);
  }
  if (command == "count") {
    if (args.size() < 2) return UsageError(err, "count: no file given");
    return CountCommand({args.begin() + 1, args.end()}, out, err);
  }
  if (command == "extract") {
    if (args.size() != 4)
      return UsageError(err, "extract takes a file, an icon number and an output file");
    return ExtractCommand(args[1], args[2], args[3], err);
  }
  return UsageError(err, "unknown command '" + command + "'");
}

}  // namespace brindlex
