#pragma once

#include <map>
#include <string>

#include "platform/registry.h"

namespace brindlex {

// The editor's registry on Linux: one text file in the user's configuration folder
// ($XDG_CONFIG_HOME/brindlex/registry.reg, else ~/.config/brindlex/registry.reg) laid out
// like a registry export:
//
//   [HKEY_CURRENT_USER\Software\Marrowfield\Brindlex\Recent Files]
//   "1."="/home/ana/iconos/casa.ico"
//   [HKEY_CLASSES_ROOT\.ico]
//   @="icofile"
//
// Texts are quoted with \\, \", \n, \r and \t escaped. The file is read whole when the store
// is made and written again (through a unique temporary file and a rename) after every
// change. Lines that cannot be understood are skipped, so a damaged file gives at worst
// fewer keys and values; a file that cannot be written leaves the values in memory only.
class SettingsFile : public Registry {
 public:
  // A store on the given file; with an empty path the store lives in memory only.
  explicit SettingsFile(std::string path = {});
  // The usual place of the file.
  static std::string DefaultPath();

  bool CreateKey(RegistryRoot root, const std::string& key) override;
  bool KeyExists(RegistryRoot root, const std::string& key) const override;
  std::optional<std::string> ReadValue(RegistryRoot root, const std::string& key,
                                       const std::string& name) const override;
  bool WriteValue(RegistryRoot root, const std::string& key, const std::string& name,
                  const std::string& text) override;
  void DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) override;

  const std::string& Path() const { return path_; }
  // The file's text as it would be written now.
  std::string Text() const;
  // Adds the keys and values of a text in the file's layout; lines that cannot be
  // understood are skipped.
  void Parse(const std::string& text);

 private:
  using Values = std::map<std::string, std::string>;
  static std::string FullKey(RegistryRoot root, const std::string& key);
  void Load();
  void Save();

  std::string path_;
  // Keys by their full path (root included, compared without letter case), each with the
  // key's spelling as first created and its values.
  struct Key {
    std::string spelling;
    Values values;
  };
  std::map<std::string, Key> keys_;
};

}  // namespace brindlex
