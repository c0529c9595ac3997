// Work on two processors: both parts run once, failures come back to the caller, and no
// thread is started while every processor is busy.
#include "platform/side_by_side.h"

#include <gtest/gtest.h>
#include <pthread.h>
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

// Makes every thread started while it lives ask for a stack larger than the address space,
// so that no thread can start.
class NoThreadCanStart {
 public:
  NoThreadCanStart() {
    pthread_getattr_default_np(&normal_);
    pthread_attr_t huge;
    pthread_attr_init(&huge);
    pthread_attr_setstacksize(&huge, std::size_t{1} << 47);
    pthread_setattr_default_np(&huge);
    pthread_attr_destroy(&huge);
  }
  ~NoThreadCanStart() {
    pthread_setattr_default_np(&normal_);
    pthread_attr_destroy(&normal_);
  }

 private:
  pthread_attr_t normal_;
};

TEST(SideBySide, WithoutAThreadTheTaskRunsHereAndHelpersAreCountedRight) {
  const std::thread::id here = std::this_thread::get_id();
  {
    const NoThreadCanStart no_threads;
    std::thread::id ran_on;
    BesideThread helper([&ran_on] { ran_on = std::this_thread::get_id(); });
    EXPECT_EQ(ran_on, here);
    helper.Join();
    BesideThread failing([] { throw std::runtime_error("helper"); });
    EXPECT_THROW(failing.Join(), std::runtime_error);
    int parts = 0;
    RunSideBySide([&parts] { ++parts; }, [&parts] { ++parts; });
    EXPECT_EQ(parts, 2);
  }
  // The helpers that never started are not counted as busy: with a processor free, the
  // second part runs on a thread of its own again.
  std::thread::id beside_thread;
  RunSideBySide([] {}, [&beside_thread] { beside_thread = std::this_thread::get_id(); });
  if (Processors() >= 2) {
    EXPECT_NE(beside_thread, here);
  }
}

}  // namespace
}  // namespace brindlex
