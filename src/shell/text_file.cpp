#include "shell/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <span>

#include "files/atomic_file.h"

namespace brindlex {
namespace {

// Reads until the end of the file; False on a read error or when more than max_bytes come.
bool ReadAll(int fd, std::size_t max_bytes, std::string& text) {
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (got == 0) return true;
    if (text.size() + static_cast<std::size_t>(got) > max_bytes) return false;
    text.append(buffer, static_cast<std::size_t>(got));
  }
}

}  // namespace

TextFileState ReadWholeText(const std::string& path, std::size_t max_bytes, std::string& text) {
  text.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT ? TextFileState::kMissing : TextFileState::kUnreadable;
  struct stat info {};
  const bool read = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                    static_cast<std::uintmax_t>(info.st_size) <= max_bytes &&
                    ReadAll(fd, max_bytes, text);
  ::close(fd);
  if (read) return TextFileState::kRead;
  text.clear();
  return TextFileState::kUnreadable;
}

bool WriteTextFile(const std::string& path, const std::string& text) {
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  return WriteFileAtomically(
      path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace brindlex
