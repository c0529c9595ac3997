#pragma once

#include <cstddef>
#include <string>

namespace brindlex {

// What reading a whole file found.
enum class TextFileState {
  kRead,        // the file was read whole
  kMissing,     // there is no file at the path
  kUnreadable,  // it exists but could not be read whole: not a regular file, larger than
                // the limit, or a read error; such a file must not be replaced
};

// Reads the whole file at `path` into `text` (emptied unless the file was read), reading at
// most `max_bytes`.
TextFileState ReadWholeText(const std::string& path, std::size_t max_bytes, std::string& text);

// Replaces the file at `path` with `text` through WriteFileAtomically, creating the folders
// above it first. False when the file could not be written.
bool WriteTextFile(const std::string& path, const std::string& text);

}  // namespace brindlex
