#include "files/png_memory.h"

#include <cstdlib>

namespace brindlex {

namespace {

void RememberFailure(png_structp png) {
  if (auto* memory = static_cast<PngMemory*>(png_get_mem_ptr(png))) memory->ran_out = true;
}

}  // namespace

png_voidp AllocateForPng(png_structp png, png_alloc_size_t size) {
  png_voidp block = std::malloc(size);
  if (!block) RememberFailure(png);
  return block;
}

void FreeForPng(png_structp, png_voidp block) { std::free(block); }

void StopPngForMemory(png_structp png) {
  RememberFailure(png);
  png_error(png, "out of memory");
}

}  // namespace brindlex
