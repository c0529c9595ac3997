#include "cli/icon_tool.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>

#include "files/atomic_file.h"
#include "files/color_depth.h"
#include "files/decode_surfaces.h"
#include "files/file_bytes.h"
#include "files/icon_image_list.h"
#include "files/icon_reader.h"
#include "files/icon_writer.h"
#include "files/multi_image_state.h"
#include "files/normalize_loaded_planes.h"
#include "forms/frm_multi_icon_dialog.h"

namespace brindlex {

namespace {

constexpr const char* kProgram = "brindlex-tool";

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
    "  --help                     print this help\n"
    "\n"
    "Exit status: 0 on success, 1 when a file cannot be read, decoded or written,\n"
    "2 for a command line that is not understood.\n";

int UsageError(std::ostream& err, const std::string& what) {
  err << kProgram << ": " << what << "\n"
      << "Try 'brindlex-tool --help' for more information.\n";
  return kToolUsageError;
}

int Failure(std::ostream& err, const std::string& file, const std::string& what) {
  err << kProgram << ": " << file << ": " << what << "\n";
  return kToolFailure;
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

bool EndsWithIco(const std::string& path) {
  if (path.size() < 4) return false;
  std::string tail = path.substr(path.size() - 4);
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail == ".ico";
}

// Splits "IN.ico:INDEX" into path and index. A name that exists as a file is taken whole.
void ParseInput(const std::string& arg, std::string& path, int& index) {
  path = arg;
  index = 0;
  if (FileExists(arg)) return;
  const auto colon = arg.find_last_of(':');
  if (colon == std::string::npos) return;
  const std::string digits = arg.substr(colon + 1);
  if (digits.empty() || digits.size() > 5 ||
      !std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c); }))
    return;
  index = std::stoi(digits);
  path = arg.substr(0, colon);
}

// Reads the file and checks that it is an icon, reporting why not.
bool ReadIcon(const std::string& path, std::vector<std::uint8_t>& bytes, std::ostream& err) {
  std::string error;
  if (!ReadFileBytes(path, kMaxIconFileBytes, bytes, &error)) {
    Failure(err, path, "cannot read: " + error);
    return false;
  }
  if (!IsValidIconFile(IconFileBytes(bytes))) {
    Failure(err, path, "not an icon file");
    return false;
  }
  return true;
}

int List(const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
  int status = kToolSuccess;
  std::vector<std::uint8_t> bytes;
  IconImageList list;
  for (const std::string& path : files) {
    if (!ReadIcon(path, bytes, err)) {
      status = kToolFailure;
      continue;
    }
    if (!ListIconImages(IconFileBytes(bytes), GetIconImageCount(IconFileBytes(bytes)), list)) {
      status = Failure(err, path, "the image list cannot be read (damaged directory or header)");
      continue;
    }
    for (const IconListRow& row : list.rows) {
      if (files.size() > 1) out << path << ": ";
      out << row.text << '\n';
    }
  }
  return status;
}

int Convert(const std::string& input, const std::string& output, std::ostream& err) {
  std::string path;
  int index = 0;
  ParseInput(input, path, index);
  if (!EndsWithIco(output)) return UsageError(err, "the output must be an .ico file: " + output);

  std::vector<std::uint8_t> bytes;
  if (!ReadIcon(path, bytes, err)) return kToolFailure;
  const IconFileBytes file(bytes);
  const int count = GetIconImageCount(file);
  if (index >= count)
    return Failure(err, path,
                   "there is no image " + std::to_string(index) + " (the file holds " +
                       std::to_string(count) + (count == 1 ? " image)" : " images)"));

  StreamUi ui(err);
  Surface mask, color;
  if (count == 1) {
    if (!LoadSingleIcon(file, ui, mask, color)) return kToolFailure;
  } else {
    // The pick goes through the choice dialog's own handlers, as when the user picks a row.
    MultiImageState state;
    FrmMultiIconDialog dialog(state);
    dialog.Form_Load();
    if (!ListIconImages(file, count, dialog.LstIcons))
      return Failure(err, path, "the image list cannot be read (damaged directory or header)");
    dialog.LstIcons.selected = index;
    dialog.CmdOk_Click();
    DecodeSurfaces surfaces;
    if (!DecodeIconImage(file, state, surfaces, ui)) return kToolFailure;
    mask = surfaces.MaskSurface;
    color = surfaces.ColorSurface;
    ReleaseDecodeSurfaces(surfaces);
  }
  NormalizeLoadedPlanes(mask, color);

  std::vector<std::uint8_t> written;
  std::string error;
  if (!BuildIconFileBytes(mask, color, ChooseColorDepth(color, true), written))
    return Failure(err, output, "the image cannot be encoded");
  if (!WriteFileAtomically(output, written, &error))
    return Failure(err, output, "cannot write: " + error);
  return kToolSuccess;
}

}  // namespace

MessageAnswer StreamUi::ShowMessage(const std::string& text, const std::string& title, MessageIcon,
                                    MessageButtons) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    plain += text[i];
  }
  if (!title.empty()) out_ << title << ": ";
  out_ << plain << '\n';
  return MessageAnswer::kOk;
}

int RunIconTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return UsageError(err, "no command given");
  const std::string& command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    out << kUsage;
    return kToolSuccess;
  }
  if (command == "list") {
    if (args.size() < 2) return UsageError(err, "list: no file given");
    return List({args.begin() + 1, args.end()}, out, err);
  }
  if (command == "convert") {
    if (args.size() != 3) return UsageError(err, "convert takes an input and an output file");
    return Convert(args[1], args[2], err);
  }
  return UsageError(err, "unknown command '" + command + "'");
}

}  // namespace brindlex
