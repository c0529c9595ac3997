#include "shell/settings_store.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "files/atomic_file.h"

namespace brindlex {
namespace {

namespace fs = std::filesystem;

constexpr char kDesktopFileName[] = "brindlex.desktop";
constexpr const char* kIconMimeTypes[] = {"image/vnd.microsoft.icon", "image/x-icon"};

std::optional<std::string> ReadStored(const Registry& registry, RegistryRoot root,
                                      const std::string& key, const std::string& name) {
  // Texts too long for the editor's buffers, or holding control characters that no path
  // the editor wrote contains, count as absent.
  auto text = registry.ReadValue(root, key, name);
  if (!text || text->size() >= kMaxStoredText) return std::nullopt;
  for (unsigned char c : *text)
    if (c < 0x20 || c == 0x7F) return std::nullopt;
  return text;
}

bool WriteText(const std::string& path, const std::string& text) {
  std::error_code error;
  fs::create_directories(fs::path(path).parent_path(), error);
  return WriteFileAtomically(
      path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::string ReadText(const std::string& path) {
  std::error_code error;
  if (fs::file_size(path, error) > (1u << 20) || error) return {};
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A path as a desktop entry's Exec line quotes it.
std::string QuoteExec(const std::string& path) {
  std::string out = "\"";
  for (char c : path) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string DesktopEntry(const std::string& program_folder) {
  std::string text =
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Name=Brindlex\n"
      "Comment=Editor de ikonos\n"
      "Exec=" +
      QuoteExec((fs::path(program_folder) / "brindlex").string()) +
      " %f\n"
      "Terminal=false\n"
      "Categories=Graphics;2DGraphics;\n"
      "MimeType=";
  for (const char* type : kIconMimeTypes) text += std::string(type) + ";";
  return text + "\n";
}

// mimeapps.list with the editor as the default for the icon types; every other line kept.
std::string WithIconDefaults(const std::string& old_text) {
  std::vector<std::string> lines;
  std::istringstream in(old_text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  auto is_ours = [](const std::string& line) {
    for (const char* type : kIconMimeTypes)
      if (line.rfind(std::string(type) + "=", 0) == 0) return true;
    return false;
  };
  std::vector<std::string> out;
  bool in_defaults = false, placed = false;
  auto place = [&] {
    for (const char* type : kIconMimeTypes)
      out.push_back(std::string(type) + "=" + kDesktopFileName);
    placed = true;
  };
  for (const std::string& line : lines) {
    if (!line.empty() && line.front() == '[') {
      in_defaults = line == "[Default Applications]";
      out.push_back(line);
      if (in_defaults && !placed) place();
      continue;
    }
    if (in_defaults && is_ours(line)) continue;
    out.push_back(line);
  }
  if (!placed) {
    if (!out.empty() && !out.back().empty()) out.push_back("");
    out.push_back("[Default Applications]");
    place();
  }
  std::string text;
  for (const std::string& line : out) text += line + "\n";
  return text;
}

}  // namespace

std::string IconOpenCommand(const std::string& program_folder) {
  if (!program_folder.empty() && program_folder.back() == '/')
    return program_folder + "brindlex %1";
  return program_folder + "/brindlex %1";
}

void RegisterIconFileType(Registry& registry, const std::string& program_folder,
                          const std::string& data_home, const std::string& config_home) {
  const std::pair<const char*, std::string> association[] = {
      {".ico", "icofile"},
      {"icofile", "Windows Icon"},
      {"icofile\\DefaultIcon", "%1"},
      {"icofile\\Shell\\Open\\Command", IconOpenCommand(program_folder)},
  };
  for (const auto& [key, text] : association)
    if (registry.CreateKey(RegistryRoot::kClassesRoot, key))
      registry.WriteValue(RegistryRoot::kClassesRoot, key, "", text);

  const std::string applications = data_home + "/applications";
  const std::string entry_path = applications + "/" + kDesktopFileName;
  const std::string entry = DesktopEntry(program_folder);
  if (ReadText(entry_path) != entry) WriteText(entry_path, entry);
  const std::string list_path = config_home + "/mimeapps.list";
  const std::string old_list = ReadText(list_path);
  const std::string new_list = WithIconDefaults(old_list);
  if (new_list != old_list) WriteText(list_path, new_list);
}

void LoadRecentFiles(Registry& registry, RecentMenu& menu) {
  if (!registry.KeyExists(RegistryRoot::kCurrentUser, kRecentFilesKey)) return;
  int next = 1;
  for (int n = 1; n <= 4; ++n) {
    const std::string name = std::to_string(n) + ".";
    if (auto path = ReadStored(registry, RegistryRoot::kCurrentUser, kRecentFilesKey, name);
        path && !path->empty()) {
      menu.slots[0]->visible = true;
      MenuEntry* slot = menu.slots[next];
      slot->tag = *path;
      slot->caption = RecentCaption(next, *path);
      slot->visible = true;
      ++next;
    }
    registry.DeleteValue(RegistryRoot::kCurrentUser, kRecentFilesKey, name);
  }
}

void RestoreRecentFolder(Registry& registry, const std::string& program_folder) {
  std::error_code error;
  fs::current_path(program_folder, error);
  if (!registry.KeyExists(RegistryRoot::kCurrentUser, kRecentFolderKey)) return;
  if (auto folder =
          ReadStored(registry, RegistryRoot::kCurrentUser, kRecentFolderKey, kRecentFolderValue);
      folder && !folder->empty())
    fs::current_path(*folder, error);
  registry.DeleteValue(RegistryRoot::kCurrentUser, kRecentFolderKey, kRecentFolderValue);
}

void SaveRecentFiles(Registry& registry, const RecentMenu& menu) {
  if (!registry.CreateKey(RegistryRoot::kCurrentUser, kRecentFilesKey)) return;
  for (int n = 1; n <= 4; ++n) {
    const std::string& path = menu.slots[n]->tag;
    if (path.empty()) break;
    registry.WriteValue(RegistryRoot::kCurrentUser, kRecentFilesKey, std::to_string(n) + ".", path);
  }
}

void SaveRecentFolder(Registry& registry) {
  std::error_code error;
  const std::string folder = fs::current_path(error).string();
  if (error || !registry.CreateKey(RegistryRoot::kCurrentUser, kRecentFolderKey)) return;
  registry.WriteValue(RegistryRoot::kCurrentUser, kRecentFolderKey, kRecentFolderValue, folder);
}

}  // namespace brindlex
