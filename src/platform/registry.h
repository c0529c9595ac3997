#pragma once

#include <functional>
#include <optional>
#include <string>

namespace brindlex {

// The two roots the editor keeps values under.
enum class RegistryRoot { kCurrentUser, kClassesRoot };

// A store of string values under key paths ("Software\Marrowfield\Brindlex\Recent Files"),
// each key holding named values; the name "" is the key's default value. Keys exist on their
// own, with or without values. No operation reports anything to the user.
class Registry {
 public:
  virtual ~Registry() = default;
  // Creates the key (and the keys above it) if needed; False when the store refuses.
  virtual bool CreateKey(RegistryRoot root, const std::string& key) = 0;
  virtual bool KeyExists(RegistryRoot root, const std::string& key) const = 0;
  // The value's text, or nothing when the key or the value is absent.
  virtual std::optional<std::string> ReadValue(RegistryRoot root, const std::string& key,
                                               const std::string& name) const = 0;
  // Sets a value of an existing key; False when the key is absent or the store refuses.
  virtual bool WriteValue(RegistryRoot root, const std::string& key, const std::string& name,
                          const std::string& text) = 0;
  virtual void DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) = 0;
  // Runs `step`, which reads and changes values through the store it is given, as one step:
  // a store shared by several processes lets no other write come between the step's reads
  // and its writes, and the step reads what the others stored up to then. A store of this
  // process alone just runs it.
  virtual void Update(const std::function<void(Registry&)>& step) { step(*this); }
};

}  // namespace brindlex
