// Feeds arbitrary text to the settings file's reader, then writes what it understood and
// reads that again: the second reading must give the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  brindlex::SettingsFile store;
  store.Parse(std::string(reinterpret_cast<const char*>(data), size));
  const std::string text = store.Text();
  brindlex::SettingsFile again;
  again.Parse(text);
  if (again.Text() != text) std::abort();
  return 0;
}
