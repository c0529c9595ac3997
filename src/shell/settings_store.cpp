#include "shell/settings_store.h"

#include <filesystem>

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
  int next = 1;
  for (int n = 1; n <= 4; ++n) {
    const std::string name = std::to_string(n) + ".";
    stored[n - 1] = registry.ReadValue(RegistryRoot::kCurrentUser, kRecentFilesKey, name);
    if (auto path = ReadStored(registry, RegistryRoot::kCurrentUser, kRecentFilesKey, name);
        path && !path->empty()) {
      menu.slots[0]->visible = true;
      MenuEntry* slot = menu.slots[next];
      slot->tag = *path;
      slot->caption = RecentCaption(next, *path);
      slot->visible = true;
      ++next;
    }
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
  if (!registry.CreateKey(RegistryRoot::kCurrentUser, kRecentFilesKey)) return;
  std::array<std::string, 4> held;
  for (int n = 1; n <= 4 && !menu.slots[n]->tag.empty(); ++n) held[n - 1] = menu.slots[n]->tag;
  if (as_loaded) {
    bool unchanged = true;
    for (int n = 0; n < 4; ++n) unchanged = unchanged && (*as_loaded)[n].value_or("") == held[n];
    if (unchanged) return;
  }
  for (int n = 1; n <= 4; ++n) {
    const std::string name = std::to_string(n) + ".";
    if (held[n - 1].empty()) {
      registry.DeleteValue(RegistryRoot::kCurrentUser, kRecentFilesKey, name);
    } else {
      registry.WriteValue(RegistryRoot::kCurrentUser, kRecentFilesKey, name, held[n - 1]);
    }
  }
}

void SaveRecentFolder(Registry& registry) {
  std::error_code error;
  const std::string folder = fs::current_path(error).string();
  if (error || !registry.CreateKey(RegistryRoot::kCurrentUser, kRecentFolderKey)) return;
  registry.WriteValue(RegistryRoot::kCurrentUser, kRecentFolderKey, kRecentFolderValue, folder);
}

}  // namespace brindlex
