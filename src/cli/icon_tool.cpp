#include "cli/icon_tool.h"

#include <unistd.h>

#include "cli/export_commands.h"
#include "cli/memory_failure.h"
#include "cli/standard_streams.h"
#include "cli/tool_arguments.h"
#include "cli/tool_commands.h"
#include "cli/tool_support.h"

#ifndef BRINDLEX_VERSION
#error "BRINDLEX_VERSION is given by the build (CMakeLists.txt)"
#endif

namespace brindlex {
namespace {

constexpr const char* kVersionLine = "brindlex-tool " BRINDLEX_VERSION "\n";

constexpr const char* kUsage =
    "Usage: brindlex-tool COMMAND FILE... [OPTION...]\n"
    "\n"
    "Commands:\n"
    "  list FILE...               print one line per image of each icon or cursor file\n"
    "                             (a PNG picture is one image), in directory order:\n"
    "                             width x height and colour depth as the editor lists\n"
    "                             them, stored depth (1-bit ... 32-bit or PNG), colour\n"
    "                             count, bytes and a cursor's hot spot, e.g. \"32 x 32\n"
    "                             ... 16 Color, 4-bit, colour count 0, 744 bytes\"\n"
    "                             (with several files, each line starts with \"FILE: \")\n"
    "  convert IN.ico[:INDEX] OUT.ico\n"
    "                             open image INDEX (0 when left out) of IN.ico as the\n"
    "                             editor opens it and save it to OUT.ico as the editor\n"
    "                             saves it: one image at the smallest colour depth;\n"
    "                             when OUT.ico is the multi-image file IN.ico itself\n"
    "                             (under any name), that file is rewritten with the\n"
    "                             image first and every other image kept\n"
    "  convert IN.png|IN.cur[:INDEX] OUT.ico|OUT.cur|OUT.png\n"
    "                             write a PNG picture or a cursor image (1 to 256\n"
    "                             pixels a side) as a one-image icon or cursor, or a\n"
    "                             PNG, without loss: every alpha value kept, each\n"
    "                             image at its smallest lossless entry (1/4/8/24-bit\n"
    "                             with a mask when every alpha is 0 or 255, 32-bit with\n"
    "                             partly transparent pixels, PNG at 256 pixels or with\n"
    "                             --png); a cursor keeps its hot spot\n"
    "  convert IN.ico[:INDEX] OUT.png\n"
    "                             write image INDEX of IN.ico as an RGBA PNG picture,\n"
    "                             every alpha value as stored; inverting pixels are\n"
    "                             written transparent, with a warning naming how many\n"
    "  convert IN.ico[:INDEX] OUT.bmp\n"
    "                             export the image as the editor's bitmap export does:\n"
    "                             transparent pixels white, no mask\n"
    "  convert IN.ico[:INDEX] OUT.cur [--hotspot X,Y]\n"
    "                             export the image as the editor's cursor export does,\n"
    "                             with the hot spot at pixel X,Y (0,0 when left out);\n"
    "                             an image the editor cannot take whole (not 16, 32 or\n"
    "                             48 square, or partly transparent) is written without\n"
    "                             loss instead\n"
    "  build OUT.ico IN.ico...    build one multi-image icon file from two or more\n"
    "                             single-image icon files (at most ten images, one per\n"
    "                             size and depth; a later input of the same size and\n"
    "                             depth replaces an earlier one), as the editor's\n"
    "                             multi-icon builder does\n"
    "  create OUT.ico|OUT.cur IN... [--sizes LIST] [--hotspot X,Y] [--png]\n"
    "                             one image per input (a PNG picture, FILE.ico[:INDEX],\n"
    "                             a cursor; of two of one size the first is kept),\n"
    "                             largest first, each at its smallest lossless entry;\n"
    "                             with --sizes, the listed sizes scaled from one input\n"
    "  count FILE...              print the number of icons the extraction dialog shows\n"
    "                             for each program, library, icon library, animated\n"
    "                             cursor or icon file (the steps of the animation for a\n"
    "                             name ending in .ani; with several files, each line\n"
    "                             starts with \"FILE: \")\n"
    "  extract FILE INDEX OUT.ico\n"
    "                             take icon INDEX (from 0) of FILE as the extraction\n"
    "                             dialog takes it, 32 x 32, and save it to OUT.ico as\n"
    "                             the editor saves it (OUT.ico may not be FILE itself)\n"
    "  extract FILE INDEX OUT --group\n"
    "                             write icon INDEX of FILE as the file stores it, every\n"
    "                             image byte for byte: a group icon of a program or\n"
    "                             library as an icon file, frame INDEX of an animated\n"
    "                             cursor (an icon or a cursor), an icon or cursor file\n"
    "                             whole (INDEX 0)\n"
    "  extract FILE... --all DIR  write every icon of each FILE as --group does, to\n"
    "                             DIR/NAME-INDEX.ico (.cur for a cursor); NAME is the\n"
    "                             file's name with its extension, followed by _2, _3,\n"
    "                             ... when an earlier file has the same name; goes on\n"
    "                             past a file without icons or that cannot be read\n"
    "\n"
    "A FILE of \"-\" is standard input (FILE[:INDEX] as \"-:INDEX\"), read whole up to\n"
    "the limit of its reader; an output of \"-\" is standard output, in the format of\n"
    "an .ico output.\n"
    "\n"
    "Options, before, between or after the files:\n"
    "  --hotspot X,Y, --hotspot=X,Y\n"
    "                             the hot spot of convert's or create's .cur output\n"
    "                             (create: a pixel of the largest input, scaled to\n"
    "                             each image)\n"
    "  --sizes LIST, --sizes=LIST the sizes create makes from its one input, 1 to 256\n"
    "                             separated by commas, e.g. 16,32,48,256\n"
    "  --png                      store every image of an .ico or .cur output as PNG\n"
    "  --group                    extract one icon as the file stores it\n"
    "  --all DIR, --all=DIR       extract every icon of every file into folder DIR\n"
    "  -h, --help                 print this help\n"
    "  --version                  print the version\n"
    "  --                         end of the options: every later argument is a file\n"
    "\n"
    "Only regular files are read: a folder, a named pipe or a device is refused, and so\n"
    "is a file larger than its reader takes (the error names the limit). Errors and\n"
    "warnings go to standard error, one line each: \"brindlex-tool: FILE: reason\" or\n"
    "\"brindlex-tool: warning: FILE: reason\".\n"
    "\n"
    "Exit status: 0 on success; 1 when a file cannot be read, decoded or written, or the\n"
    "normal output cannot be written (for extract --all: when any file or icon failed,\n"
    "or a file holds no icons, the others still written); 2 for a command line that is\n"
    "not understood.\n";

// extract in its three forms: one icon as the dialog takes it, one --group, or --all.
int RunExtract(const std::vector<std::string>& files, const ToolArguments& arguments,
               std::ostream& err) {
  if (arguments.all_folder) {
    if (arguments.group) return UsageError(err, "--all writes every group; --group is not needed");
    if (files.empty()) return UsageError(err, "extract --all: no file given");
    return ExtractAllCommand(files, *arguments.all_folder, err);
  }
  if (files.size() != 3)
    return UsageError(err, "extract takes a file, an icon number and an output file");
  return ToolStepFor(files[0], err, [&] {
    return ExtractCommand(files[0], files[1], files[2], arguments.group, err);
  });
}

// Runs the command of the words (the command first, then its files).
int RunCommand(const ToolArguments& arguments, std::ostream& out, std::ostream& err) {
  const std::vector<std::string>& words = arguments.words;
  const std::optional<std::string>& hot_spot = arguments.hot_spot;
  if (words.empty()) return UsageError(err, "no command given");
  const std::string& command = words[0];
  const std::vector<std::string> files(words.begin() + 1, words.end());
  if ((arguments.group || arguments.all_folder) && command != "extract")
    return UsageError(err, "--group and --all apply to extract only");
  if (hot_spot && command != "convert" && command != "create")
    return UsageError(err, "--hotspot applies to convert and create with a .cur output only");
  if (arguments.sizes && command != "create")
    return UsageError(err, "--sizes applies to create only");
  if (arguments.png && command != "convert" && command != "create")
    return UsageError(err, "--png applies to convert and create only");
  if (command == "help") {
    out << kUsage;
    return kToolSuccess;
  }
  if (command == "list") {
    if (files.empty()) return UsageError(err, "list: no file given");
    return ListCommand(files, out, err);
  }
  if (command == "convert") {
    if (files.size() != 2) return UsageError(err, "convert takes an input and an output file");
    return ToolStepFor(ParseInput(files[0]).path, err, [&] {
      return ConvertCommand(files[0], files[1], hot_spot, arguments.png, err);
    });
  }
  if (command == "create") {
    if (files.empty()) return UsageError(err, "create: no output file given");
    return CreateCommand(files[0], {files.begin() + 1, files.end()}, arguments, err);
  }
  if (command == "build") {
    if (files.empty()) return UsageError(err, "build: no output file given");
    return ToolStepFor(files[0], err, [&] {
      return BuildCommand(files[0], {files.begin() + 1, files.end()}, err);
    });
  }
  if (command == "count") {
    if (files.empty()) return UsageError(err, "count: no file given");
    return CountCommand(files, out, err);
  }
  if (command == "extract") return RunExtract(files, arguments, err);
  return UsageError(err, "unknown command '" + command + "'");
}

}  // namespace

int RunIconTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const StandardStreams streams(out, STDIN_FILENO);
  ToolArguments arguments;
  if (!SplitArguments(args, arguments, err)) return kToolUsageError;
  if (arguments.help) {
    out << kUsage;
    return kToolSuccess;
  }
  if (arguments.version) {
    out << kVersionLine;
    return kToolSuccess;
  }
  return RunCommand(arguments, out, err);
}

}  // namespace brindlex
