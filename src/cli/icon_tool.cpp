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
    "  list FILE...               print one line per image of each icon or cursor\n"
    "                             file (a PNG picture is one image), in directory\n"
    "                             order: the row of the editor's image list (width x\n"
    "                             height, \"...\", the name of the depth), the stored\n"
    "                             depth (1-bit, 4-bit, 8-bit, 24-bit, 32-bit or PNG),\n"
    "                             the directory's colour count, the bytes and a\n"
    "                             cursor's hot spot, e.g. \"32 x 32 ... 16 Color,\n"
    "                             4-bit, colour count 0, 744 bytes\" (with several\n"
    "                             files, each line starts with \"FILE: \")\n"
    "  convert IN.ico[:INDEX] OUT.ico\n"
    "                             write image INDEX (0 when left out) of IN.ico as a\n"
    "                             one-image icon, every pixel as stored, inverting\n"
    "                             ones too: a 16, 32 or 48-pixel image as the editor\n"
    "                             saves it, at the smallest depth of 1, 4, 8, 24 or\n"
    "                             32 bits (32 with partly transparent pixels), any\n"
    "                             other size at its smallest entry (see below). When\n"
    "                             OUT.ico is the multi-image file IN.ico itself\n"
    "                             (under any name), that file is rewritten with the\n"
    "                             image first and every other image kept\n"
    "  convert IN.png|IN.cur[:INDEX] OUT.ico|OUT.cur|OUT.png\n"
    "                             write a PNG picture or a cursor image (1 to 256\n"
    "                             pixels a side) as a one-image icon or cursor at its\n"
    "                             smallest entry, or as a PNG picture; a cursor keeps\n"
    "                             its hot spot, and a cursor image written to the\n"
    "                             multi-image cursor file it comes from is written\n"
    "                             back into it, first, every other image kept\n"
    "  convert IN.ico[:INDEX] OUT.png\n"
    "                             write the image as an RGBA PNG picture, every alpha\n"
    "                             value as stored\n"
    "  convert IN.ico[:INDEX] OUT.bmp\n"
    "                             export the 16, 32 or 48-pixel image as the editor's\n"
    "                             bitmap export does: transparent pixels white, no\n"
    "                             mask\n"
    "  convert IN.ico[:INDEX] OUT.cur [--hotspot X,Y]\n"
    "                             export the image as the editor's cursor export\n"
    "                             does, with the hot spot at pixel X,Y (0,0 when left\n"
    "                             out); an image the editor cannot take whole (not\n"
    "                             16, 32 or 48 square, or partly transparent) at its\n"
    "                             smallest entry\n"
    "  build OUT.ico IN.ico...    build one multi-image icon file from two or more\n"
    "                             single-image icon files of 16, 32 or 48 pixels at\n"
    "                             1, 4, 8 or 24 bits (at most ten images, one per\n"
    "                             size and depth; a later input of the same size and\n"
    "                             depth replaces an earlier one), as the editor's\n"
    "                             multi-icon builder does; for 32-bit images, PNG\n"
    "                             pictures and other sizes, use create\n"
    "  create OUT.ico|OUT.cur IN... [--sizes LIST] [--hotspot X,Y] [--png]\n"
    "                             one image per input (a PNG picture,\n"
    "                             FILE.ico[:INDEX], a cursor; of two of one size the\n"
    "                             first is kept), largest first, each at its smallest\n"
    "                             entry; with --sizes, the listed sizes scaled from\n"
    "                             one input\n"
    "  count FILE...              print the number of icons the extraction dialog\n"
    "                             shows for each program, library, icon library,\n"
    "                             animated cursor (its frames), icon or cursor file\n"
    "                             (with several files, each line starts with\n"
    "                             \"FILE: \"); a file of another kind is an error\n"
    "  extract FILE INDEX OUT.ico take icon INDEX (from 0) of FILE as the extraction\n"
    "                             dialog takes it, 32 x 32, and save it to OUT.ico at\n"
    "                             the smallest depth, every pixel kept (OUT.ico may\n"
    "                             not be FILE itself)\n"
    "  extract FILE INDEX OUT --group\n"
    "                             write icon INDEX of FILE as the file stores it,\n"
    "                             every image byte for byte: a group icon of a\n"
    "                             program or library as an icon file, frame INDEX of\n"
    "                             an animated cursor (an icon or a cursor), an icon\n"
    "                             or cursor file whole (INDEX 0)\n"
    "  extract FILE... --all DIR  write every icon of each FILE as --group does, to\n"
    "                             DIR/NAME-INDEX.ico (.cur for a cursor); NAME is the\n"
    "                             file's name with its extension, followed by _2, _3,\n"
    "                             ... when an earlier file has the same name; files\n"
    "                             without icons and files of other kinds are passed\n"
    "                             over without a word, a file that cannot be read or\n"
    "                             an icon that is damaged is reported and the others\n"
    "                             written\n"
    "\n"
    "The smallest entry of an image in an .ico or .cur file: a PNG picture at 256\n"
    "pixels or with --png; else a 32-bit bitmap when it has partly transparent\n"
    "pixels; else a bitmap with a mask at 1, 4 or 8 bits with a palette of the\n"
    "image's own colours (up to 2, 16 or 256 of them, black among them when a pixel\n"
    "is transparent), or at 24 bits, the editor's fixed palettes taken where they\n"
    "need no more bits. Every alpha value is kept; an inverting pixel is kept in a\n"
    "bitmap, while a PNG picture and a scaled one cannot hold it: it is written\n"
    "transparent, with a warning naming how many there were.\n"
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
    "                             separated by commas, e.g. 16,32,48,256 or \"16, 32\"\n"
    "  --png                      store every image of an .ico or .cur output as PNG\n"
    "  --group                    extract one icon as the file stores it\n"
    "  --all DIR, --all=DIR       extract every icon of every file into folder DIR\n"
    "  -h, --help                 print this help\n"
    "  --version                  print the version\n"
    "  --                         end of the options: every later argument is a file\n"
    "\n"
    "Only regular files are read: a folder, a named pipe or a device is refused, and\n"
    "so is a file larger than its reader takes (the error names the limit). Errors\n"
    "and warnings go to standard error, one line each: \"brindlex-tool: FILE: reason\"\n"
    "or \"brindlex-tool: warning: FILE: reason\".\n"
    "\n"
    "Exit status: 0 on success; 1 when a file cannot be read, is of a kind the\n"
    "command does not take, cannot be decoded or written, or the normal output cannot\n"
    "be written (for extract --all: when any file or icon failed, the others still\n"
    "written); 2 for a command line that is not understood.\n";

// extract in its three forms: one icon as the dialog takes it, one --group, or --all.
int RunExtract(const std::vector<std::string>& files, const ToolArguments& arguments,
               std::ostream& err) {
  if (arguments.all_folder) {
    if (arguments.group)
      return UsageError(err,
                        "--all writes every icon as the file stores it, as --group does; leave "
                        "out --group");
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
