// Fuzzes the writing of icons as the file stores them: every group of a PE or NE file made
// into an icon file, every frame of an animated cursor, an icon file whole. What is written
// must be an icon or cursor container whose entries lie inside it, its images end to end,
// no larger than its directory and the input together, and it must read back as an icon file
// whose one icon is the same bytes.

#include <cstddef>
#include <cstdint>
#include <span>

#include "extraction/icon_library.h"
#include "files/icon_format.h"
#include "fuzz_library_common.h"

namespace {

using brindlex::fuzz::Check;

void CheckWritten(const brindlex::IconGroupFile& file, std::size_t input_size) {
  const std::vector<std::uint8_t>& bytes = file.bytes;
  int type = 0;
  Check(brindlex::IsIconContainer(bytes, type));
  Check(file.cursor == (type == 2));
  const std::size_t count = brindlex::ReadU16(bytes.data() + brindlex::kHeaderCount);
  Check(bytes.size() <= brindlex::EntryOffset(count) + input_size);
  // Read back: an icon or cursor file, whose one icon is itself.
  brindlex::IconLibrary again;
  again.Open(std::span<const std::uint8_t>(bytes));
  Check(again.Kind() == brindlex::IconLibraryKind::kIconFile);
  brindlex::IconGroupFile same;
  Check(again.ReadGroupFile(0, same) && same.bytes == bytes);
}

// A group made from a program or library: its directory is whole and its images lie end to
// end after it. (A frame or an icon file is written as stored, damaged or not.)
void CheckImagesEndToEnd(const std::vector<std::uint8_t>& bytes) {
  const std::size_t count = brindlex::ReadU16(bytes.data() + brindlex::kHeaderCount);
  Check(bytes.size() >= brindlex::EntryOffset(count));
  std::uint64_t next = brindlex::EntryOffset(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* entry = bytes.data() + brindlex::EntryOffset(i);
    Check(brindlex::ReadU32(entry + brindlex::kEntryImageOffset) == next);
    const std::uint32_t length = brindlex::ReadU32(entry + brindlex::kEntryBytesInResource);
    Check(length > 0);
    next += length;
  }
  Check(next == bytes.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  brindlex::IconLibrary library;
  library.Open(input);
  const int count = library.IconCount();
  Check(count >= 0 && static_cast<std::size_t>(count) <= size / 8 + 1);
  const bool groups = library.Kind() == brindlex::IconLibraryKind::kPe ||
                      library.Kind() == brindlex::IconLibraryKind::kNe;
  for (int i = 0; i < count && i < 64; ++i) {
    brindlex::IconGroupFile file;
    if (!library.ReadGroupFile(i, file)) continue;
    CheckWritten(file, size);
    if (groups) {
      Check(!file.cursor);
      CheckImagesEndToEnd(file.bytes);
    }
  }
  brindlex::IconGroupFile none;
  Check(!library.ReadGroupFile(count, none) && !library.ReadGroupFile(-1, none));
  return 0;
}
