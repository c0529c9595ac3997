#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

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
// is made. Several copies of the editor may share it, so every change is written as a
// change, not as this copy's whole view: holding an advisory lock (flock on
// "registry.reg.lock" beside the file), the store reads the file again, applies the keys it
// created and the values it set or deleted since its last successful write, and writes the
// result through a unique temporary file and a rename (only when it differs from what was
// read). Values another copy wrote and this one did not touch stay as that copy left them.
// Update holds the lock across a whole step, so that what it reads is still the stored
// state when its changes are written (all of them in one write).
//
// Lines that cannot be understood are skipped, so a damaged file gives at worst fewer keys
// and values. A file that cannot be read whole (too large to be the editor's, a read error)
// is never replaced, and a file that cannot be written leaves the changes in memory, to be
// written with the next change.
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
  void Update(const std::function<void(Registry&)>& step) override;

  const std::string& Path() const { return path_; }
  // The file's text as it would be written now.
  std::string Text() const;
  // Adds the keys and values of a text in the file's layout; lines that cannot be
  // understood are skipped.
  void Parse(const std::string& text);

 private:
  using Values = std::map<std::string, std::string>;
  // One change made by this copy: a key created (no name), a value set (a text) or a value
  // deleted (a name without a text). The key is its full path as spelt by the caller.
  struct Change {
    std::string key;
    std::optional<std::string> name;
    std::optional<std::string> text;
  };
  static std::string FullKey(RegistryRoot root, const std::string& key);
  void Load();
  void Apply(const Change& change);
  // Applies the change here and writes it to the file with any still unwritten.
  void Record(Change change);
  void Save();
  // Holding the lock: reads the file again with this copy's unwritten changes over it, runs
  // `step`, and writes the result.
  void LockedStep(const std::function<void()>& step);

  std::string path_;
  // Keys by their full path (root included, compared without letter case), each with the
  // key's spelling as first created and its values.
  struct Key {
    std::string spelling;
    Values values;
  };
  std::map<std::string, Key> keys_;
  // Changes not yet in the file.
  std::vector<Change> pending_;
  // Inside a locked step: changes wait for the step's one write.
  bool in_step_ = false;
};

}  // namespace brindlex
