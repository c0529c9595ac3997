#include "extraction/icon_library_bytes.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "files/file_bytes.h"
#include "files/icon_format.h"

namespace brindlex {

bool LibraryBytes::ReadVector(std::uint64_t offset, std::uint64_t length,
                              std::vector<std::uint8_t>& out) {
  if (!RangeInside(offset, length, Size())) return false;
  out.resize(static_cast<std::size_t>(length));
  return length == 0 || Read(offset, out.size(), out.data());
}

bool LibraryBytes::ReadU16(std::uint64_t offset, std::uint16_t& value) {
  std::uint8_t b[2];
  if (!Read(offset, 2, b)) return false;
  value = brindlex::ReadU16(b);
  return true;
}

bool LibraryBytes::ReadU32(std::uint64_t offset, std::uint32_t& value) {
  std::uint8_t b[4];
  if (!Read(offset, 4, b)) return false;
  value = brindlex::ReadU32(b);
  return true;
}

bool MemoryLibraryBytes::Read(std::uint64_t offset, std::size_t length, std::uint8_t* out) {
  if (!RangeInside(offset, length, bytes_.size())) return false;
  if (length > 0) std::memcpy(out, bytes_.data() + offset, length);
  return true;
}

FileLibraryBytes::~FileLibraryBytes() {
  if (fd_ >= 0) ::close(fd_);
}

bool FileLibraryBytes::Open(const std::string& path, std::string* error) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  size_ = 0;
  pages_.clear();
  std::uint64_t size = 0;
  const int fd = OpenRegularFile(path, size, error);
  if (fd < 0) return false;
  fd_ = fd;
  size_ = size;
  pages_.resize(kPages);
  return true;
}

bool FileLibraryBytes::ReadDirect(std::uint64_t offset, std::size_t length, std::uint8_t* out) {
  std::size_t done = 0;
  while (done < length) {
    const ssize_t got = ::pread(fd_, out + done, length - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;  // An error, or the file shrank after it was opened.
    done += static_cast<std::size_t>(got);
  }
  return true;
}

const FileLibraryBytes::Page* FileLibraryBytes::LoadPage(std::uint64_t index) {
  Page& page = pages_[index % kPages];
  if (page.index == index) return &page;
  const std::uint64_t start = index * kPageBytes;
  const std::size_t want =
      static_cast<std::size_t>(std::min<std::uint64_t>(kPageBytes, size_ - start));
  page.index = UINT64_MAX;
  if (!page.bytes) page.bytes.reset(new std::uint8_t[kPageBytes]);
  if (!ReadDirect(start, want, page.bytes.get())) return nullptr;
  page.index = index;
  page.filled = want;
  return &page;
}

bool FileLibraryBytes::Read(std::uint64_t offset, std::size_t length, std::uint8_t* out) {
  if (fd_ < 0 || !RangeInside(offset, length, size_)) return false;
  if (length > 2 * kPageBytes) return ReadDirect(offset, length, out);
  std::size_t done = 0;
  while (done < length) {
    const std::uint64_t at = offset + done;
    const Page* page = LoadPage(at / kPageBytes);
    if (!page) return false;
    const std::size_t in_page = static_cast<std::size_t>(at % kPageBytes);
    if (in_page >= page->filled) return false;
    const std::size_t take = std::min(length - done, page->filled - in_page);
    std::memcpy(out + done, page->bytes.get() + in_page, take);
    done += take;
  }
  return true;
}

}  // namespace brindlex
