#pragma once

// Random access to the bytes of a program, library or animated cursor. The readers of those
// files ask only for the few headers and directory entries they need, so that counting the
// icons of a large library never reads the whole file.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace brindlex {

class LibraryBytes {
 public:
  virtual ~LibraryBytes() = default;

  // The length of the file in bytes.
  virtual std::uint64_t Size() const = 0;
  // Copies `length` bytes at `offset` into `out`. False (nothing promised about `out`) when
  // the range does not lie wholly inside the file or cannot be read.
  virtual bool Read(std::uint64_t offset, std::size_t length, std::uint8_t* out) = 0;

  // Reads the range into `out`, resized to `length`. The range is checked against the file
  // first, so no allocation ever exceeds the file's length.
  bool ReadVector(std::uint64_t offset, std::uint64_t length, std::vector<std::uint8_t>& out);
  // Little-endian fields; False when outside the file.
  bool ReadU16(std::uint64_t offset, std::uint16_t& value);
  bool ReadU32(std::uint64_t offset, std::uint32_t& value);
};

// Bytes already in memory (tests, fuzzing). The span must outlive the object.
class MemoryLibraryBytes : public LibraryBytes {
 public:
  explicit MemoryLibraryBytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  bool Read(std::uint64_t offset, std::size_t length, std::uint8_t* out) override;

 private:
  std::span<const std::uint8_t> bytes_;
};

// A regular file read by position through a small cache of 4 KiB pages, so that the many
// small reads of a directory walk cost few system calls. The file stays open for the
// object's lifetime.
class FileLibraryBytes : public LibraryBytes {
 public:
  FileLibraryBytes() = default;
  ~FileLibraryBytes() override;
  FileLibraryBytes(const FileLibraryBytes&) = delete;
  FileLibraryBytes& operator=(const FileLibraryBytes&) = delete;

  // Opens a regular file, as OpenRegularFile does: a named pipe or a device is refused at
  // once. False, with a readable description in `*error` when given, for a file that cannot
  // be opened or is not a regular file.
  bool Open(const std::string& path, std::string* error = nullptr);

  std::uint64_t Size() const override { return size_; }
  bool Read(std::uint64_t offset, std::size_t length, std::uint8_t* out) override;

 private:
  static constexpr std::size_t kPageBytes = 4096;
  static constexpr std::size_t kPages = 16;
  struct Page {
    std::uint64_t index = UINT64_MAX;
    std::size_t filled = 0;
    std::unique_ptr<std::uint8_t[]> bytes;  // allocated when first used
  };
  bool ReadDirect(std::uint64_t offset, std::size_t length, std::uint8_t* out);
  const Page* LoadPage(std::uint64_t index);

  int fd_ = -1;
  std::uint64_t size_ = 0;
  std::vector<Page> pages_;
};

}  // namespace brindlex
