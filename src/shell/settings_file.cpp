#include "shell/settings_file.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "files/atomic_file.h"
#include "shell/xdg_folders.h"

namespace brindlex {
namespace {

// A settings file larger than this is not the editor's: it is ignored.
constexpr std::uintmax_t kMaxSettingsBytes = 1 << 20;

constexpr char kHeader[] = "Windows Registry Editor Version 5.00";

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::string Quote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        out += c;
    }
  }
  return out + "\"";
}

// Reads a quoted text starting at line[pos] (the opening quote); on success pos is left
// after the closing quote.
bool Unquote(const std::string& line, std::size_t& pos, std::string& text) {
  if (pos >= line.size() || line[pos] != '"') return false;
  text.clear();
  for (++pos; pos < line.size(); ++pos) {
    char c = line[pos];
    if (c == '"') {
      ++pos;
      return true;
    }
    if (c == '\\') {
      if (++pos >= line.size()) return false;
      switch (line[pos]) {
        case 'n':
          c = '\n';
          break;
        case 'r':
          c = '\r';
          break;
        case 't':
          c = '\t';
          break;
        default:
          c = line[pos];
      }
    }
    text += c;
  }
  return false;
}

const char* RootName(RegistryRoot root) {
  return root == RegistryRoot::kCurrentUser ? "HKEY_CURRENT_USER" : "HKEY_CLASSES_ROOT";
}

}  // namespace

std::string SettingsFile::DefaultPath() { return ConfigHomeFolder() + "/brindlex/registry.reg"; }

SettingsFile::SettingsFile(std::string path) : path_(std::move(path)) {
  if (!path_.empty()) Load();
}

std::string SettingsFile::FullKey(RegistryRoot root, const std::string& key) {
  return std::string(RootName(root)) + "\\" + key;
}

void SettingsFile::Load() {
  std::error_code error;
  const auto size = std::filesystem::file_size(path_, error);
  if (error || size > kMaxSettingsBytes) return;
  std::ifstream in(path_, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  Parse(text.str());
}

void SettingsFile::Parse(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  Key* current = nullptr;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      const std::string full = line.substr(1, line.size() - 2);
      const bool known =
          full.rfind("HKEY_CURRENT_USER\\", 0) == 0 || full.rfind("HKEY_CLASSES_ROOT\\", 0) == 0;
      current = nullptr;
      if (known) {
        Key& key = keys_[Lower(full)];
        if (key.spelling.empty()) key.spelling = full;
        current = &key;
      }
      continue;
    }
    if (current == nullptr || line.empty()) continue;
    std::size_t pos = 0;
    std::string name, value;
    if (line[0] == '@') {
      pos = 1;
    } else if (!Unquote(line, pos, name)) {
      continue;
    }
    if (pos >= line.size() || line[pos] != '=') continue;
    ++pos;
    if (!Unquote(line, pos, value) || pos != line.size()) continue;
    current->values[name] = value;
  }
}

std::string SettingsFile::Text() const {
  std::ostringstream out;
  out << kHeader << "\r\n";
  for (const auto& [lower, key] : keys_) {
    out << "\r\n[" << key.spelling << "]\r\n";
    for (const auto& [name, text] : key.values)
      out << (name.empty() ? std::string("@") : Quote(name)) << "=" << Quote(text) << "\r\n";
  }
  return out.str();
}

void SettingsFile::Save() {
  if (path_.empty()) return;
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), error);
  const std::string text = Text();
  WriteFileAtomically(path_,
                      std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

bool SettingsFile::CreateKey(RegistryRoot root, const std::string& key) {
  if (key.empty() || key.find_first_of("\r\n[]") != std::string::npos) return false;
  const std::string full = FullKey(root, key);
  Key& entry = keys_[Lower(full)];
  if (entry.spelling.empty()) {
    entry.spelling = full;
    Save();
  }
  return true;
}

bool SettingsFile::KeyExists(RegistryRoot root, const std::string& key) const {
  return keys_.count(Lower(FullKey(root, key))) > 0;
}

std::optional<std::string> SettingsFile::ReadValue(RegistryRoot root, const std::string& key,
                                                   const std::string& name) const {
  auto it = keys_.find(Lower(FullKey(root, key)));
  if (it == keys_.end()) return std::nullopt;
  auto value = it->second.values.find(name);
  if (value == it->second.values.end()) return std::nullopt;
  return value->second;
}

bool SettingsFile::WriteValue(RegistryRoot root, const std::string& key, const std::string& name,
                              const std::string& text) {
  auto it = keys_.find(Lower(FullKey(root, key)));
  if (it == keys_.end()) return false;
  auto [value, added] = it->second.values.try_emplace(name, text);
  if (added || value->second != text) {
    value->second = text;
    Save();
  }
  return true;
}

void SettingsFile::DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) {
  auto it = keys_.find(Lower(FullKey(root, key)));
  if (it == keys_.end() || it->second.values.erase(name) == 0) return;
  Save();
}

}  // namespace brindlex
