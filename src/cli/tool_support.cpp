#include "cli/tool_support.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>

#include "files/atomic_file.h"
#include "files/color_depth.h"
#include "files/decode_surfaces.h"
#include "files/file_bytes.h"
#include "files/icon_decoder.h"
#include "files/icon_image_list.h"
#include "files/icon_reader.h"
#include "files/icon_writer.h"
#include "files/multi_image_state.h"
#include "files/normalize_loaded_planes.h"
#include "forms/frm_multi_icon_dialog.h"

namespace brindlex {
namespace {

constexpr const char* kProgram = "brindlex-tool";

}  // namespace

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

bool HasExtension(const std::string& path, const std::string& extension) {
  if (path.size() < extension.size()) return false;
  std::string tail = path.substr(path.size() - extension.size());
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail == extension;
}

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

bool OpenIconImage(const std::string& path, int index, Surface& mask, Surface& color,
                   std::ostream& err) {
  std::vector<std::uint8_t> bytes;
  if (!ReadIcon(path, bytes, err)) return false;
  const IconFileBytes file(bytes);
  const int count = GetIconImageCount(file);
  if (index >= count) {
    Failure(err, path,
            "there is no image " + std::to_string(index) + " (the file holds " +
                std::to_string(count) + (count == 1 ? " image)" : " images)"));
    return false;
  }

  StreamUi ui(err, path);
  if (count == 1) {
    if (!LoadSingleIcon(file, ui, mask, color)) return false;
  } else {
    // The pick goes through the choice dialog's own handlers, as when the user picks a row.
    MultiImageState state;
    FrmMultiIconDialog dialog(state);
    dialog.Form_Load();
    if (!ListIconImages(file, count, dialog.LstIcons)) {
      Failure(err, path, "the image list cannot be read (damaged directory or header)");
      return false;
    }
    dialog.LstIcons.selected = index;
    dialog.CmdOk_Click();
    DecodeSurfaces surfaces;
    if (!DecodeIconImage(file, state, surfaces, ui)) return false;
    mask = surfaces.MaskSurface;
    color = surfaces.ColorSurface;
    ReleaseDecodeSurfaces(surfaces);
  }
  NormalizeLoadedPlanes(mask, color);
  return true;
}

std::string OneLine(const std::string& text) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  auto line_break = [](char c) { return c == '\r' || c == '\n'; };
  std::string line;
  for (std::size_t i = 0; i < text.size();) {
    if (!line_break(text[i])) {
      line += text[i++];
      continue;
    }
    while (!line.empty() && blank(line.back())) line.pop_back();
    while (i < text.size() && (line_break(text[i]) || blank(text[i]))) ++i;
    line += ' ';
  }
  const auto first = line.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

int WriteOutputFile(const std::string& output, const std::vector<std::uint8_t>& bytes,
                    std::ostream& err) {
  std::string error;
  if (!WriteFileAtomically(output, bytes, &error))
    return Failure(err, output, "cannot write: " + error);
  return kToolSuccess;
}

int SaveIconFile(const Surface& mask, const Surface& color, const std::string& output,
                 std::ostream& err) {
  std::vector<std::uint8_t> written;
  if (!BuildIconFileBytes(mask, color, ChooseColorDepth(color, true), written))
    return Failure(err, output, "the image cannot be encoded");
  return WriteOutputFile(output, written, err);
}

MessageAnswer StreamUi::ShowMessage(const std::string& text, const std::string&, MessageIcon,
                                    MessageButtons) {
  Failure(out_, file_, OneLine(text));
  return MessageAnswer::kOk;
}

}  // namespace brindlex
