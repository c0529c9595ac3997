#include "shell/desktop_registration.h"

#include <filesystem>
#include <string_view>

#include "shell/mime_defaults.h"
#include "shell/text_file.h"
#include "shell/xdg_folders.h"

namespace brindlex {
namespace {

namespace fs = std::filesystem;

// The line that marks an entry as written by the editor, so that it is replaced or removed
// only when it is the editor's own.
constexpr char kOwnMark[] = "X-Brindlex-Registered=true";
// How entries written before the mark existed began.
constexpr char kEarlierOwnStart[] =
    "[Desktop Entry]\nType=Application\nName=Brindlex\nComment=Editor de ikonos\nExec=";

// Largest desktop entry and mimeapps.list read; larger files are left alone.
constexpr std::size_t kMaxEntryBytes = 1 << 20;
constexpr std::size_t kMaxMimeAppsBytes = 64u << 20;

// The program's path as one argument of an Exec line: quoted, with ", `, $ and \ escaped
// inside the quotes and % doubled; then escaped as a desktop-entry string value.
std::string ExecArgument(const std::string& path) {
  std::string quoted = "\"";
  for (char c : path) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    quoted += c;
  }
  quoted += '"';
  std::string value;
  for (char c : quoted) {
    switch (c) {
      case '\\':
        value += "\\\\";
        break;
      case '\n':
        value += "\\n";
        break;
      case '\t':
        value += "\\t";
        break;
      case '\r':
        value += "\\r";
        break;
      default:
        value += c;
    }
  }
  return value;
}

bool IsOwnEntry(const std::string& text) {
  return text.rfind(kEarlierOwnStart, 0) == 0 ||
         text.find(std::string("\n") + kOwnMark + "\n") != std::string::npos;
}

bool SameFolder(const std::string& a, const std::string& b) {
  std::error_code error;
  const fs::path left = fs::weakly_canonical(a, error);
  if (error) return a == b;
  const fs::path right = fs::weakly_canonical(b, error);
  return error ? a == b : left == right;
}

void WriteOwnEntry(const std::string& program_path, const std::string& entry_path, bool installed) {
  std::string old_entry;
  const TextFileState state = ReadWholeText(entry_path, kMaxEntryBytes, old_entry);
  if (state == TextFileState::kUnreadable) return;
  if (state == TextFileState::kRead && !IsOwnEntry(old_entry)) return;  // the user's own
  if (installed) {
    if (state == TextFileState::kRead) {
      std::error_code error;
      fs::remove(entry_path, error);
    }
    return;
  }
  const std::string entry = DesktopEntryText(program_path);
  if (state == TextFileState::kMissing || old_entry != entry) WriteTextFile(entry_path, entry);
}

void AddMimeDefaults(const std::string& list_path) {
  std::string old_list;
  if (ReadWholeText(list_path, kMaxMimeAppsBytes, old_list) == TextFileState::kUnreadable) return;
  const auto new_list = WithDefaultApplication(old_list, kIconMimeTypes, kDesktopFileName);
  if (new_list && *new_list != old_list) WriteTextFile(list_path, *new_list);
}

}  // namespace

DesktopFolders DesktopFolders::OfUser() {
  return {DataHomeFolder(), ConfigHomeFolder(), DataFolders()};
}

std::string RunningProgramPath(const std::string& program_folder) {
  std::error_code error;
  std::string path = fs::read_symlink("/proc/self/exe", error).string();
  if (error || path.empty() || path.front() != '/') {
    if (!program_folder.empty() && program_folder.back() == '/') return program_folder + "brindlex";
    return program_folder + "/brindlex";
  }
  constexpr std::string_view kDeleted = " (deleted)";
  if (path.size() > kDeleted.size() && path.ends_with(kDeleted))
    path.resize(path.size() - kDeleted.size());
  return path;
}

std::string DesktopEntryText(const std::string& program_path) {
  std::string text =
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Name=Brindlex\n"
      "Comment=Editor de ikonos\n"
      "Exec=" +
      ExecArgument(program_path) +
      " %f\n"
      "Terminal=false\n"
      "Categories=Graphics;2DGraphics;RasterGraphics;\n"
      "MimeType=";
  for (const std::string& type : kIconMimeTypes) text += type + ";";
  return text + "\n" + kOwnMark + "\n";
}

std::string InstalledDesktopEntry(const DesktopFolders& folders) {
  for (const std::string& folder : folders.data_dirs) {
    if (SameFolder(folder, folders.data_home)) continue;
    const std::string entry = folder + "/applications/" + kDesktopFileName;
    std::error_code error;
    if (fs::is_regular_file(entry, error)) return entry;
  }
  return {};
}

void RegisterDesktopEntry(const std::string& program_path, const DesktopFolders& folders) {
  const bool installed = !InstalledDesktopEntry(folders).empty();
  WriteOwnEntry(program_path, folders.data_home + "/applications/" + kDesktopFileName, installed);
  AddMimeDefaults(folders.config_home + "/mimeapps.list");
}

}  // namespace brindlex
