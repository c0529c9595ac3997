#include "files/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace brindlex {

namespace {

bool Fail(std::string* error, int error_number) {
  if (error) *error = std::strerror(error_number);
  return false;
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::size_t max_bytes, std::vector<std::uint8_t>& bytes,
                   std::string* error) {
  bytes.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Fail(error, errno);
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    const int saved = errno;
    ::close(fd);
    return Fail(error, saved);
  }
  if (!S_ISREG(info.st_mode)) {
    ::close(fd);
    return Fail(error, S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
  }
  if (info.st_size < 0 || static_cast<std::uint64_t>(info.st_size) > max_bytes) {
    ::close(fd);
    return Fail(error, EFBIG);
  }
  bytes.resize(static_cast<std::size_t>(info.st_size));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (got < 0) {
      if (errno == EINTR) continue;
      const int saved = errno;
      ::close(fd);
      bytes.clear();
      return Fail(error, saved);
    }
    if (got == 0) break;  // The file shrank while it was read: keep what is there.
    done += static_cast<std::size_t>(got);
  }
  bytes.resize(done);
  ::close(fd);
  return true;
}

}  // namespace brindlex
