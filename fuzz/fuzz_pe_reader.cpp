// Fuzzes the PE reader: the section table, the resource directory's three levels, the group
// directories and the image lookup. Every icon that decodes must be a 32 x 32 icon; a count can
// never exceed what the bytes can hold, and the same bytes read from a file give the same count.

#include <cstddef>
#include <cstdint>

#include "fuzz_library_common.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  brindlex::fuzz::FuzzLibraryBytes(data, size);
  return 0;
}
