#pragma once

// Work split over two processors, for the few steps long enough to gain from it (a large
// picture resampled, a large entry encoded while the small ones are made).

#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <thread>

namespace brindlex {

// A task running on a thread of its own, kept off the processor that started it. Left alone,
// the scheduler queues a new thread on its creator's processor and moves it away only at its
// next balancing, milliseconds later: longer than the work handed over here, which would then
// run after the creator's instead of beside it. With a single processor the thread simply
// shares it. When no thread can be started (no memory for its stack, too many threads), the
// task runs on the calling thread, in the constructor. Destroying a BesideThread waits for
// its task.
class BesideThread {
 public:
  BesideThread() = default;
  explicit BesideThread(std::function<void()> task);

  // Waits for the task; throws what it threw (once).
  void Join();

 private:
  struct State {
    std::function<void()> task;
    std::atomic<bool> placed{false};  // the thread is kept where it belongs; it may start
    std::exception_ptr failure;       // what the task threw, read once it has finished
  };
  std::shared_ptr<State> state_;
  std::jthread thread_;
};

// Runs `here` on the calling thread and `beside` on another processor at the same time, and
// returns when both are done. When every processor is taken already (by the caller and the
// BesideThreads still running), both run here, one after the other. Both always run; an
// exception from either is thrown here after both ended (`here`'s when both fail).
void RunSideBySide(const std::function<void()>& here, const std::function<void()>& beside);

}  // namespace brindlex
