#include "shell/settings_store.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/utf8_text.h"

namespace brindlex {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> ReadStored(const Registry& registry, RegistryRoot root,
                                      const std::string& key, const std::string& name) {
  // Texts too long for the editor's buffers, or holding control characters that no path
  // the editor wrote contains, count as absent.
  auto text = registry.ReadValue(root, key, name);
  if (!text || CharacterCount(*text) >= kMaxStoredText) return std::nullopt;
  for (unsigned char c : *text)
    if (c < 0x20 || c == 0x7F) return std::nullopt;
  return text;
}

// The name of recent-file value n: "1." to "4.".
std::string RecentValueName(int n) { return std::to_string(n) + "."; }

// The stored recent-file paths that can be used, in their order; absent, empty and unusable
// values leave no gap.
std::vector<std::string> ReadRecentPaths(const Registry& registry) {
  std::vector<std::string> paths;
  for (int n = 1; n <= 4; ++n)
    if (auto path =
            ReadStored(registry, RegistryRoot::kCurrentUser, kRecentFilesKey, RecentValueName(n));
        path && !path->empty())
      paths.push_back(*path);
  return paths;
}

}  // namespace

std::string IconOpenCommand(const std::string& program_folder) {
  if (!program_folder.empty() && program_folder.back() == '/')
    return program_folder + "brindlex %1";
  return program_folder + "/brindlex %1";
}

void RegisterIconFileType(Registry& registry, const std::string& program_folder,
                          const std::string& program_path, const DesktopFolders& folders) {
  const std::pair<const char*, std::string> association[] = {
      {".ico", "icofile"},
      {"icofile", "Windows Icon"},
      {"icofile\\DefaultIcon", "%1"},
      {"icofile\\Shell\\Open\\Command", IconOpenCommand(program_folder)},
  };
  for (const auto& [key, text] : association)
    if (registry.CreateKey(RegistryRoot::kClassesRoot, key))
      registry.WriteValue(RegistryRoot::kClassesRoot, key, "", text);
  RegisterDesktopEntry(program_path, folders);
}

StoredRecentFiles LoadRecentFiles(Registry& registry, RecentMenu& menu) {
  StoredRecentFiles stored;
  if (!registry.KeyExists(RegistryRoot::kCurrentUser, kRecentFilesKey)) return stored;
  for (int n = 1; n <= 4; ++n)
    stored[n - 1] =
        registry.ReadValue(RegistryRoot::kCurrentUser, kRecentFilesKey, RecentValueName(n));
  int next = 1;
  for (const std::string& path : ReadRecentPaths(registry)) {
    menu.slots[0]->visible = true;
    MenuEntry* slot = menu.slots[next];
    slot->tag = path;
    LabelRecentSlot(next, *slot);
    slot->visible = true;
    ++next;
  }
  return stored;
}

void RestoreRecentFolder(Registry& registry, const std::string& start_folder) {
  std::error_code error;
  fs::current_path(start_folder, error);
  if (!registry.KeyExists(RegistryRoot::kCurrentUser, kRecentFolderKey)) return;
  if (auto folder =
          ReadStored(registry, RegistryRoot::kCurrentUser, kRecentFolderKey, kRecentFolderValue);
      folder && !folder->empty())
    fs::current_path(*folder, error);
  registry.DeleteValue(RegistryRoot::kCurrentUser, kRecentFolderKey, kRecentFolderValue);
}

void SaveRecentFiles(Registry& registry, const RecentMenu& menu,
                     const StoredRecentFiles* as_loaded) {
  std::vector<std::string> held;
  for (int n = 1; n <= 4 && !menu.slots[n]->tag.empty(); ++n) held.push_back(menu.slots[n]->tag);
  bool unchanged = as_loaded != nullptr;
  for (int n = 0; n < 4 && unchanged; ++n)
    unchanged = (*as_loaded)[n].value_or("") == (n < static_cast<int>(held.size()) ? held[n] : "");
  // A path this copy loaded and no longer holds was let go here (pushed out, or its file
  // failed to open): it does not come back from the stored list.
  const auto let_go = [&](const std::string& path) {
    if (as_loaded == nullptr) return false;
    return std::find(as_loaded->begin(), as_loaded->end(), path) != as_loaded->end() &&
           std::find(held.begin(), held.end(), path) == held.end();
  };
  registry.Update([&](Registry& store) {
    if (!store.CreateKey(RegistryRoot::kCurrentUser, kRecentFilesKey) || unchanged) return;
    std::vector<std::string> list = held;
    for (const std::string& path : ReadRecentPaths(store))
      if (list.size() < 4 && std::find(list.begin(), list.end(), path) == list.end() &&
          !let_go(path))
        list.push_back(path);
    for (int n = 1; n <= 4; ++n) {
      if (n <= static_cast<int>(list.size())) {
        store.WriteValue(RegistryRoot::kCurrentUser, kRecentFilesKey, RecentValueName(n),
                         list[n - 1]);
      } else {
        store.DeleteValue(RegistryRoot::kCurrentUser, kRecentFilesKey, RecentValueName(n));
      }
    }
  });
}

void SaveRecentFolder(Registry& registry) {
  std::error_code error;
  const std::string folder = fs::current_path(error).string();
  if (error || !registry.CreateKey(RegistryRoot::kCurrentUser, kRecentFolderKey)) return;
  registry.WriteValue(RegistryRoot::kCurrentUser, kRecentFolderKey, kRecentFolderValue, folder);
}

}  // namespace brindlex
