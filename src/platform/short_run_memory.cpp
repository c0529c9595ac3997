#include "platform/short_run_memory.h"

#include <malloc.h>
#include <sys/mman.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>

namespace brindlex {

namespace {

std::atomic<bool> set_up_for_short_run{false};

}  // namespace

void SetUpMemoryForShortRun() {
  mallopt(M_ARENA_MAX, 1);
  // No block gets a mapping of its own, however large: glibc would hand a freed one back at
  // once (above 32 MiB, its largest threshold), and the next would come fresh again.
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
  set_up_for_short_run = true;
}

void PrepareMemory(std::size_t bytes) {
  if (!set_up_for_short_run) return;
  constexpr std::uintptr_t kPage = 4096;
  void* block = std::malloc(bytes);
  if (!block) return;
  const auto start = (reinterpret_cast<std::uintptr_t>(block) + kPage - 1) & ~(kPage - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(block) + bytes) & ~(kPage - 1);
  // Linux 5.14 and later; elsewhere the pages are faulted in one by one as before.
#ifdef MADV_POPULATE_WRITE
  if (end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE);
#endif
  std::free(block);
}

}  // namespace brindlex
