// Every test program runs with its home, configuration and data folders in a fresh
// temporary folder, removed again at exit, so that no test reads or writes the real user's
// files.
#include <stdlib.h>

#include <filesystem>
#include <string>

namespace {

std::string& HomeFolder() {
  static std::string folder;
  return folder;
}

const bool kIsolated = [] {
  char folder[] = "/tmp/brindlex-test-home-XXXXXX";
  if (mkdtemp(folder) == nullptr) return false;
  HomeFolder() = folder;
  const std::string home = folder;
  setenv("HOME", home.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
  setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
  unsetenv("WINEPREFIX");
  std::atexit([] {
    std::error_code error;
    std::filesystem::remove_all(HomeFolder(), error);
  });
  return true;
}();

}  // namespace
