#include "files/atomic_file.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace brindlex {

namespace {

constexpr std::size_t kRandomLetters = 12;

bool Fail(std::string* error, int error_number) {
  if (error) *error = std::strerror(error_number);
  return false;
}

// The file a path names, following symbolic links; the path itself when it does not exist.
bool ResolveTarget(const std::string& path, std::string& target, std::string* error) {
  struct stat link_info {};
  if (::lstat(path.c_str(), &link_info) != 0 || !S_ISLNK(link_info.st_mode)) {
    target = path;
    return true;
  }
  char resolved[PATH_MAX];
  if (!::realpath(path.c_str(), resolved)) return Fail(error, errno);
  target = resolved;
  return true;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The longest file name the target's folder takes; 255 where the system cannot say.
std::size_t NameLimitOf(const std::string& folder) {
  const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  return limit > 0 ? static_cast<std::size_t>(limit) : 255;
}

// The start of the temporary file's name: "." and the target's name and "." in its folder,
// so that a left-over file shows what it belonged to; a short fixed stem when that name
// would be too long for the folder.
std::string TemporaryStem(const std::string& target) {
  constexpr std::size_t kAddedBytes = 1 + 1 + kRandomLetters + 4;  // ".", ".", letters, ".tmp"
  const std::string folder = FolderOf(target);
  const std::string name = NameOf(target);
  if (name.size() + kAddedBytes <= NameLimitOf(folder)) return folder + "/." + name + ".";
  return folder + "/.brindlex-";
}

// Creates a new file with an unguessable name beside the target; the process's file-mode
// mask applies to it as to any new file. Returns the descriptor, or -1 with errno set.
int CreateUniqueFile(const std::string& target, std::string& temp_path) {
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  const std::string stem = TemporaryStem(target);
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned char random[kRandomLetters];
    if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
      if (errno == EINTR) continue;
      return -1;
    }
    temp_path = stem;
    for (unsigned char r : random) temp_path += kDigits[r % 36];
    temp_path += ".tmp";
    const int fd = ::open(temp_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(wrote);
  }
  return true;
}

// True for the errors of a folder that will not take a new file or a rename, while a file
// already in it may still be writable.
bool FolderRefuses(int error_number) {
  return error_number == EACCES || error_number == EPERM || error_number == EROFS;
}

// Writes the bytes over the existing file itself: space is reserved first where the file
// system can (so a full disk fails before anything is overwritten), then the bytes go from
// the start and the file is cut to their length. Returns 0 or the errno of the failure.
int WriteInPlace(const std::string& target, std::span<const std::uint8_t> bytes, bool sync) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return errno;
  int failure = 0;
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    failure = errno;
  } else if (!S_ISREG(info.st_mode)) {
    failure = EINVAL;
  } else if (!bytes.empty() &&
             ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes.size())) != 0 &&
             errno != EOPNOTSUPP && errno != ENOSYS) {
    failure = errno;
  }
  if (!failure && !WriteAll(fd, bytes)) failure = errno;
  if (!failure && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) failure = errno;
  if (!failure && sync && ::fsync(fd) != 0) failure = errno;
  if (::close(fd) != 0 && !failure) failure = errno;
  return failure;
}

// Flushes the folder's entries to disk, so that a rename in it survives a power loss. A
// failure is ignored: by then the rename has replaced the target and the new bytes are on
// disk under one name or the other, so reporting a failed save would be untrue (the target
// does hold the new content) and could not be undone. A folder that may be searched but not
// read cannot even be opened for this.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

// Writes the bytes to a new temporary file beside the target, flushes it to disk (when `sync`)
// and renames it over the target, then flushes the folder (when `sync`). Returns 0 or the errno of
// the failure; `refused` tells that the folder would not take the temporary file or the rename,
// with the target untouched.
int WriteThroughTemporary(const std::string& target, const struct stat* existing,
                          std::span<const std::uint8_t> bytes, bool sync, bool& refused) {
  refused = false;
  std::string temp_path;
  const int fd = CreateUniqueFile(target, temp_path);
  if (fd < 0) {
    refused = FolderRefuses(errno);
    return errno;
  }
  int failure = 0;
  if (!WriteAll(fd, bytes)) failure = errno;
  if (!failure && existing) {
    if (::fchmod(fd, existing->st_mode & 07777) != 0) failure = errno;
    // Keeping the owner only succeeds for a privileged user; otherwise the file is ours.
    if (!failure && (existing->st_uid != ::geteuid() || existing->st_gid != ::getegid()))
      (void)!::fchown(fd, existing->st_uid, existing->st_gid);
  }
  if (!failure && sync && ::fsync(fd) != 0) failure = errno;
  if (::close(fd) != 0 && !failure) failure = errno;
  if (!failure && ::rename(temp_path.c_str(), target.c_str()) != 0) {
    failure = errno;
    refused = FolderRefuses(failure);
  }
  if (failure) {
    ::unlink(temp_path.c_str());
    return failure;
  }
  if (sync) SyncFolder(FolderOf(target));
  return 0;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string* error, DiskFlush flush) {
  if (path.empty()) return Fail(error, ENOENT);
  std::string target;
  if (!ResolveTarget(path, target, error)) return false;

  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) return Fail(error, errno);
  if (exists) {
    if (S_ISDIR(existing.st_mode)) return Fail(error, EISDIR);
    if (!S_ISREG(existing.st_mode)) return Fail(error, EINVAL);
    // The write bits are checked as well because a privileged user passes the access test
    // even on a file marked read-only.
    if (::access(target.c_str(), W_OK) != 0 || (existing.st_mode & 0222) == 0)
      return Fail(error, EACCES);
  }

  const bool sync = flush == DiskFlush::kWaitForDisk;
  bool refused = false;
  int failure = WriteThroughTemporary(target, exists ? &existing : nullptr, bytes, sync, refused);
  // A writable file in a folder that takes no new files (or no renames) is written in place:
  // the whole content is in memory already, so only the write itself can still fail.
  if (failure && refused && exists) failure = WriteInPlace(target, bytes, sync);
  return failure ? Fail(error, failure) : true;
}

}  // namespace brindlex
