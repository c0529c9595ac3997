#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/registry.h"
#include "shell/desktop_registration.h"
#include "shell/recent_files.h"
#include "shell/xdg_folders.h"

namespace brindlex {

inline constexpr char kRecentFilesKey[] = "Software\\Marrowfield\\Brindlex\\Recent Files";
inline constexpr char kRecentFolderKey[] = "Software\\Marrowfield\\Brindlex\\Recent Folder";
inline constexpr char kRecentFolderValue[] = "Folder";
// A stored text of this many characters or more counts as absent. Characters, not bytes:
// a path with accented letters is as long as it looks.
constexpr std::size_t kMaxStoredText = 260;

// Writes the four values that make the editor the handler of icon files, and, so that the
// association is real on a Linux desktop, registers the running program with the desktop
// (RegisterDesktopEntry). Failures are skipped silently.
void RegisterIconFileType(Registry& registry, const std::string& program_folder,
                          const std::string& program_path, const DesktopFolders& folders);
// The command the association runs: the program folder, "/", "brindlex %1".
std::string IconOpenCommand(const std::string& program_folder);

// The recent-file values "1." to "4." as they were stored (nothing for an absent one).
using StoredRecentFiles = std::array<std::optional<std::string>, 4>;

// Fills the recent-file entries from the stored values "1." to "4." (absent and unusable
// ones leave no gap). The values stay stored, so a copy of the editor that is killed keeps
// the list; returns them as they were read.
StoredRecentFiles LoadRecentFiles(Registry& registry, RecentMenu& menu);
// Makes the start folder (the user's home) current, then the stored folder when it still
// exists; deletes the stored value.
void RestoreRecentFolder(Registry& registry, const std::string& start_folder);
// Creates the Recent Files key and stores the recent files as "1." to "4.", deleting the
// numbered values beyond them: the filled entries first, then the paths stored meanwhile
// (by another copy of the editor) that the entries do not hold, up to four in all. Reading
// the stored list and writing the new one is one step of the store, so copies exiting at
// once lose nothing. With `as_loaded` (the values as this run loaded them):
// - when the entries are exactly those values (the list was not changed in this run),
//   nothing is written, and the stored list stays as another copy may have left it;
// - a stored path that was loaded but is no longer among the entries is left out: this run
//   dropped it.
void SaveRecentFiles(Registry& registry, const RecentMenu& menu,
                     const StoredRecentFiles* as_loaded = nullptr);
// Stores the current folder.
void SaveRecentFolder(Registry& registry);

}  // namespace brindlex
