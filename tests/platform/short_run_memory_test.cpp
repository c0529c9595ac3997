// Memory made ready before a large step is the memory the step then takes: touching it costs
// no page fault, however large the block.
#include "platform/short_run_memory.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdint>
#include <vector>

#include "address_space_limit.h"

namespace brindlex {
namespace {

long PageFaults() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt + usage.ru_majflt;
}

TEST(ShortRunMemory, ABlockMadeReadyIsTakenWithoutPageFaults) {
  if (!testing::kAddressSpaceCanBeCapped) GTEST_SKIP() << "the sanitizer has its own allocator";
  // 1 MiB, and 64 MiB (a 4096 x 4096 picture), far above glibc's largest mapping threshold.
  for (const std::size_t bytes : {std::size_t{1} << 20, std::size_t{64} << 20}) {
    // In a child process: the allocator's settings are the whole program's.
    const int faults_per_hundred_pages = testing::RunWithSpareMemory(std::size_t{1} << 30, [&] {
      SetUpMemoryForShortRun();
      PrepareMemory(bytes);
      const long before = PageFaults();
      std::vector<std::uint8_t> block(bytes, 1);
      const long faults = PageFaults() - before;
      return static_cast<int>(std::min<long>(99, faults * 100 / static_cast<long>(bytes >> 12)));
    });
    EXPECT_LT(faults_per_hundred_pages, 5) << (bytes >> 20) << " MiB";
  }
}

}  // namespace
}  // namespace brindlex
