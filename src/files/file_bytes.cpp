#include "files/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace brindlex {

namespace {

void Describe(std::string* error, int error_number) {
  if (error) *error = std::strerror(error_number);
}

// Whether the file described is a regular file; otherwise describes why it is refused.
bool IsRegular(const struct stat& info, std::string* error) {
  if (S_ISREG(info.st_mode) && info.st_size >= 0) return true;
  if (S_ISDIR(info.st_mode))
    Describe(error, EISDIR);
  else if (error)
    *error = "Not a regular file";
  return false;
}

}  // namespace

int OpenRegularFile(const std::string& path, std::uint64_t& size, std::string* error) {
  size = 0;
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    Describe(error, errno);
    return -1;
  }
  if (!IsRegular(info, error)) return -1;
  // Non-blocking, in case the path was replaced by a named pipe after the check above; the
  // check on the descriptor below then refuses it. Reads of a regular file are unaffected.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    Describe(error, errno);
    return -1;
  }
  const bool known = ::fstat(fd, &info) == 0;
  if (!known) Describe(error, errno);
  if (!known || !IsRegular(info, error)) {
    ::close(fd);
    return -1;
  }
  size = static_cast<std::uint64_t>(info.st_size);
  return fd;
}

FileReadResult ReadWholeFile(const std::string& path, std::size_t max_bytes,
                             std::vector<std::uint8_t>& bytes, std::string* error) {
  bytes.clear();
  std::uint64_t size = 0;
  const int fd = OpenRegularFile(path, size, error);
  if (fd < 0) return FileReadResult::kFailed;
  if (size > max_bytes) {
    ::close(fd);
    Describe(error, EFBIG);
    return FileReadResult::kTooLarge;
  }
  bytes.resize(static_cast<std::size_t>(size));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (got < 0) {
      if (errno == EINTR) continue;
      Describe(error, errno);
      ::close(fd);
      bytes.clear();
      return FileReadResult::kFailed;
    }
    if (got == 0) break;  // The file shrank while it was read: keep what is there.
    done += static_cast<std::size_t>(got);
  }
  bytes.resize(done);
  ::close(fd);
  return FileReadResult::kRead;
}

bool ReadFileBytes(const std::string& path, std::size_t max_bytes, std::vector<std::uint8_t>& bytes,
                   std::string* error) {
  return ReadWholeFile(path, max_bytes, bytes, error) == FileReadResult::kRead;
}

}  // namespace brindlex
