#include "shell/settings_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <sstream>

#include "shell/text_file.h"
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

// Holds an exclusive advisory lock on a lock file while it lives. Without a lock file (a
// folder that cannot take one) the store goes on unlocked: it could not write anyway.
class FileLock {
 public:
  explicit FileLock(const std::string& path)
      : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600)) {
    while (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
  }
  ~FileLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

 private:
  int fd_;
};

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
  std::string text;
  if (ReadWholeText(path_, kMaxSettingsBytes, text) == TextFileState::kRead) Parse(text);
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

void SettingsFile::Apply(const Change& change) {
  Key& key = keys_[Lower(change.key)];
  if (key.spelling.empty()) key.spelling = change.key;
  if (!change.name) return;
  if (change.text) {
    key.values[*change.name] = *change.text;
  } else {
    key.values.erase(*change.name);
  }
}

void SettingsFile::Record(Change change) {
  Apply(change);
  pending_.push_back(std::move(change));
  Save();
}

void SettingsFile::Save() {
  if (path_.empty()) {
    pending_.clear();
    return;
  }
  if (!in_step_) LockedStep([] {});
}

void SettingsFile::Update(const std::function<void(Registry&)>& step) {
  if (path_.empty()) {
    step(*this);
    return;
  }
  LockedStep([&] { step(*this); });
}

void SettingsFile::LockedStep(const std::function<void()>& step) {
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), error);
  // The lock is taken once here: a second flock on a new descriptor of the same file would
  // wait for this one.
  const FileLock lock(path_ + ".lock");
  std::string stored;
  const TextFileState state = ReadWholeText(path_, kMaxSettingsBytes, stored);
  // A file that cannot be read whole is not replaced: the step works on this copy's view
  // and its changes wait in memory.
  if (state != TextFileState::kUnreadable) {
    keys_.clear();
    Parse(stored);
    for (const Change& change : pending_) Apply(change);
  }
  in_step_ = true;
  step();
  in_step_ = false;
  if (state == TextFileState::kUnreadable) return;
  const std::string text = Text();
  const bool unchanged = state == TextFileState::kRead ? text == stored : keys_.empty();
  if (unchanged || WriteTextFile(path_, text)) pending_.clear();
}

bool SettingsFile::CreateKey(RegistryRoot root, const std::string& key) {
  if (key.empty() || key.find_first_of("\r\n[]") != std::string::npos) return false;
  const std::string full = FullKey(root, key);
  if (keys_.count(Lower(full)) == 0) Record({full, std::nullopt, std::nullopt});
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

// A value is written even when this copy already holds the same text: another copy may have
// stored a different one since.
bool SettingsFile::WriteValue(RegistryRoot root, const std::string& key, const std::string& name,
                              const std::string& text) {
  auto it = keys_.find(Lower(FullKey(root, key)));
  if (it == keys_.end()) return false;
  Record({it->second.spelling, name, text});
  return true;
}

void SettingsFile::DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) {
  auto it = keys_.find(Lower(FullKey(root, key)));
  if (it != keys_.end()) Record({it->second.spelling, name, std::nullopt});
}

}  // namespace brindlex
