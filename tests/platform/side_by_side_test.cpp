// Work on two processors: both parts run once, failures come back to the caller, and work
// offered while every processor is busy goes to a thread waiting for its helper.
#include "platform/side_by_side.h"

#include <gtest/gtest.h>
#include <sched.h>

#include <atomic>
#include <chrono>
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

TEST(SideBySide, WorkOfferedWhileTheProcessorsAreBusyGoesToTheJoiningThread) {
  // The helper splits its work while it and the test's thread take the two processors (or
  // the one): its second part is offered, and the test's thread, waiting in JoinHelping,
  // runs it. The first part waits for the second, as the joining thread is the only one
  // free to run it.
  std::atomic<bool> second_done{false};
  std::thread::id second_thread;
  BesideThread helper([&] {
    RunSideBySide(
        [&] {
          const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
          while (!second_done && std::chrono::steady_clock::now() < deadline)
            std::this_thread::yield();
        },
        [&] {
          second_thread = std::this_thread::get_id();
          second_done = true;
        });
  });
  helper.JoinHelping();
  ASSERT_TRUE(second_done);
  if (Processors() <= 2) {
    EXPECT_EQ(second_thread, std::this_thread::get_id());
  }
}

}  // namespace
}  // namespace brindlex
