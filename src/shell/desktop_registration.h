#pragma once

#include <string>
#include <vector>

namespace brindlex {

// The desktop's folders the registration reads and writes.
struct DesktopFolders {
  std::string data_home;               // the user's data folder
  std::string config_home;             // the user's configuration folder
  std::vector<std::string> data_dirs;  // the system's data folders
  // The folders of the user running the editor (XDG variables, else the usual places).
  static DesktopFolders OfUser();
};

// The desktop id of the editor's entry, and the icon types it opens.
inline constexpr char kDesktopFileName[] = "brindlex.desktop";
inline const std::vector<std::string> kIconMimeTypes = {"image/vnd.microsoft.icon", "image/x-icon"};

// The path of the running executable (/proc/self/exe; " (deleted)" dropped when the file was
// replaced while running); program_folder + "/brindlex" when the system cannot say.
std::string RunningProgramPath(const std::string& program_folder);

// The text of the editor's own desktop entry, starting program_path with the file to open.
std::string DesktopEntryText(const std::string& program_path);

// The installed entry brindlex.desktop in the applications folder of a system data folder
// (not the user's own), or "" when the editor is not installed.
std::string InstalledDesktopEntry(const DesktopFolders& folders);

// Makes the editor the one the desktop offers for icon files:
//  - without an installed entry, writes the editor's own entry for program_path in
//    data_home/applications (when it is missing, differs, and is one the editor wrote);
//    with an installed entry, writes none and removes one the editor wrote earlier, which
//    would hide the installed one;
//  - makes brindlex.desktop the default for the icon types in config_home/mimeapps.list,
//    for the types without a default only, keeping the rest of the file as it is; a file
//    that cannot be read whole and understood is not touched.
// Failures are skipped silently.
void RegisterDesktopEntry(const std::string& program_path, const DesktopFolders& folders);

}  // namespace brindlex
