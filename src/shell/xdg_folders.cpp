#include "shell/xdg_folders.h"

#include <cstdlib>

namespace brindlex {
namespace {

std::string FolderFrom(const char* variable, const char* below_home) {
  if (const char* value = std::getenv(variable); value && *value == '/') return value;
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : "/tmp") + below_home;
}

}  // namespace

std::string ConfigHomeFolder() { return FolderFrom("XDG_CONFIG_HOME", "/.config"); }
std::string DataHomeFolder() { return FolderFrom("XDG_DATA_HOME", "/.local/share"); }

}  // namespace brindlex
