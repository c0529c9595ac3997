#pragma once

// libpng's memory, taken with malloc as libpng's own would be, with a failure remembered: a
// stream libpng gave up on for lack of memory is then told apart from a damaged one, and the
// caller throws std::bad_alloc as for any other allocation that failed.

#include <png.h>

namespace brindlex {

struct PngMemory {
  bool ran_out = false;  // an allocation for libpng failed
};

// libpng's allocation and release functions, for png_create_read_struct_2 and
// png_create_write_struct_2 with a PngMemory as the memory pointer.
png_voidp AllocateForPng(png_structp png, png_alloc_size_t size);
void FreeForPng(png_structp png, png_voidp block);

// Records that memory ran out while libpng was working (in a read or write callback that
// could not grow its buffer) and stops libpng with an error.
[[noreturn]] void StopPngForMemory(png_structp png);

}  // namespace brindlex
