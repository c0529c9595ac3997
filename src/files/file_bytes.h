#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace brindlex {

// Largest file the icon readers load. Real icon files are far smaller; the cap keeps a
// damaged or hostile file from making the editor allocate without bound.
constexpr std::size_t kMaxIconFileBytes = 64u << 20;

// Reads the whole file at `path` into `bytes`. Fails (false, with a readable description in
// `*error` when given) when the file cannot be opened or read, is not a regular file, or is
// larger than `max_bytes`. Never allocates more than the file's length.
bool ReadFileBytes(const std::string& path, std::size_t max_bytes, std::vector<std::uint8_t>& bytes,
                   std::string* error = nullptr);

}  // namespace brindlex
