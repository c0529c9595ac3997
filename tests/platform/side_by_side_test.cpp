// Work on two processors: both parts run once, failures come back to the caller, and no
// thread is started while every processor is busy.
#include "platform/side_by_side.h"

#include <gtest/gtest.h>
#include <sched.h>

#include <atomic>
#include <stdexcept>

namespace brindlex {
namespace {

int Processors() {
  cpu_set_t allowed;
  CPU_ZERO(&allowed);
  sched_getaffinity(0, sizeof allowed, &allowed);
  return CPU_COUNT(&allowed);
}

TEST(SideBySide, RunsBothPartsOnceAndPassesOnTheirFailures) {
  int here = 0, beside = 0;
  RunSideBySide([&] { ++here; }, [&] { ++beside; });
  EXPECT_EQ(here, 1);
  EXPECT_EQ(beside, 1);
  // A failure of either part reaches the caller once both have ended.
  EXPECT_THROW(RunSideBySide([&] { ++here; }, [] { throw std::runtime_error("beside"); }),
               std::runtime_error);
  EXPECT_THROW(RunSideBySide([] { throw std::logic_error("here"); }, [&] { ++beside; }),
               std::logic_error);
  EXPECT_EQ(here, 2);
  EXPECT_EQ(beside, 2);
}

TEST(SideBySide, BothPartsRunHereWhileEveryProcessorIsBusy) {
  // A helper holds the second processor (or shares the only one): a thread started for the
  // second part would only share a processor, so it runs on the caller's thread.
  std::atomic<bool> release{false};
  BesideThread helper([&release] {
    while (!release) std::this_thread::yield();
  });
  std::thread::id beside_thread;
  RunSideBySide([] {}, [&beside_thread] { beside_thread = std::this_thread::get_id(); });
  release = true;
  helper.Join();
  if (Processors() <= 2) {
    EXPECT_EQ(beside_thread, std::this_thread::get_id());
  } else {
    EXPECT_NE(beside_thread, std::this_thread::get_id());
  }
  // A helper's failure reaches the thread that joins it.
  BesideThread failing([] { throw std::runtime_error("helper"); });
  EXPECT_THROW(failing.Join(), std::runtime_error);
}

}  // namespace
}  // namespace brindlex
