#include "shell/xdg_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace brindlex {
namespace {

std::string FolderFrom(const char* variable, const char* below_home) {
  if (const char* value = std::getenv(variable); value && *value == '/') return value;
  std::string home = HomeFolder();
  if (home == "/") home.clear();
  return home + below_home;
}

std::string AccountHome() {
  long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::string buffer(size > 0 ? static_cast<std::size_t>(size) : 16384, '\0');
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
      !found->pw_dir || found->pw_dir[0] != '/')
    return {};
  return found->pw_dir;
}

}  // namespace

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home == '/') return home;
  const std::string account = AccountHome();
  return account.empty() ? "/" : account;
}

std::string ConfigHomeFolder() { return FolderFrom("XDG_CONFIG_HOME", "/.config"); }
std::string DataHomeFolder() { return FolderFrom("XDG_DATA_HOME", "/.local/share"); }

std::vector<std::string> DataFolders() {
  std::vector<std::string> folders;
  const char* value = std::getenv("XDG_DATA_DIRS");
  const std::string list = value && *value ? value : "/usr/local/share/:/usr/share/";
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(':', start);
    if (end == std::string::npos) end = list.size();
    std::string folder = list.substr(start, end - start);
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (!folder.empty() && folder.front() == '/') folders.push_back(folder);
    start = end + 1;
  }
  return folders;
}

}  // namespace brindlex
