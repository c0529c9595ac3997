#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace brindlex {

// Largest file the icon readers load. Real icon files are far smaller; the cap keeps a
// damaged or hostile file from making the editor allocate without bound.
constexpr std::size_t kMaxIconFileBytes = 64u << 20;

// Opens `path` for reading, as a regular file only. The path is examined before it is opened
// and the descriptor again after, and the open never waits: a named pipe, a device or a
// folder is refused at once, without blocking and without touching it. Returns the descriptor
// (close-on-exec) and sets `size` to the file's length; -1 on failure, with a readable
// description in `*error` when given ("Is a directory", "Not a regular file", or the
// system's description of the failed open).
int OpenRegularFile(const std::string& path, std::uint64_t& size, std::string* error = nullptr);

// How reading a whole file ended.
enum class FileReadResult {
  kRead,
  kTooLarge,  // a regular file longer than the reader's limit; nothing was read
  kFailed,    // it cannot be opened or read, or is not a regular file
};

// Reads the whole file at `path` into `bytes`, which is empty unless the result is kRead.
// Never allocates more than the file's length. On failure `*error` (when given) receives a
// readable description; for kTooLarge the system's "File too large".
FileReadResult ReadWholeFile(const std::string& path, std::size_t max_bytes,
                             std::vector<std::uint8_t>& bytes, std::string* error = nullptr);

// ReadWholeFile for readers that need only whether the file was read.
bool ReadFileBytes(const std::string& path, std::size_t max_bytes, std::vector<std::uint8_t>& bytes,
                   std::string* error = nullptr);

}  // namespace brindlex
