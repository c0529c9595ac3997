#pragma once

#include <string>

#include "platform/registry.h"
#include "shell/recent_files.h"
#include "shell/xdg_folders.h"

namespace brindlex {

inline constexpr char kRecentFilesKey[] = "Software\\Marrowfield\\Brindlex\\Recent Files";
inline constexpr char kRecentFolderKey[] = "Software\\Marrowfield\\Brindlex\\Recent Folder";
inline constexpr char kRecentFolderValue[] = "Folder";
// A stored text of this many characters or more counts as absent.
constexpr std::size_t kMaxStoredText = 260;

// Writes the four values that make the editor the handler of icon files, and, so that the
// association is real on a Linux desktop, a desktop entry for the editor in
// data_home/applications declaring the icon types, and the editor as their default in
// config_home/mimeapps.list. Failures are skipped silently.
void RegisterIconFileType(Registry& registry, const std::string& program_folder,
                          const std::string& data_home, const std::string& config_home);
// The command the association runs: the program folder, "/", "brindlex %1".
std::string IconOpenCommand(const std::string& program_folder);

// Fills the recent-file entries from the stored values "1." to "4." (absent ones leave no
// gap) and deletes the values.
void LoadRecentFiles(Registry& registry, RecentMenu& menu);
// Makes the program folder current, then the stored folder when it still exists; deletes
// the stored value.
void RestoreRecentFolder(Registry& registry, const std::string& program_folder);
// Stores the filled recent-file entries as "1.", "2.", ...
void SaveRecentFiles(Registry& registry, const RecentMenu& menu);
// Stores the current folder.
void SaveRecentFolder(Registry& registry);

}  // namespace brindlex
