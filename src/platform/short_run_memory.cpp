#include "platform/short_run_memory.h"

#include <malloc.h>

namespace brindlex {

void SetUpMemoryForShortRun() {
  mallopt(M_ARENA_MAX, 1);
  mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);  // glibc's largest
  mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
}

}  // namespace brindlex
