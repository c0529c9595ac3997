#include "platform/side_by_side.h"

#include <pthread.h>
#include <sched.h>

#include <atomic>
#include <exception>

namespace brindlex {

namespace {

// Threads started by StartBeside that are still running.
std::atomic<int> helpers_running{0};

// The processors this process may run on.
int ProcessorsAllowed() {
  cpu_set_t allowed;
  CPU_ZERO(&allowed);
  if (sched_getaffinity(0, sizeof allowed, &allowed) != 0) return 1;
  return CPU_COUNT(&allowed);
}

}  // namespace

std::jthread StartBeside(std::function<void()> task) {
  ++helpers_running;
  std::jthread thread([task = std::move(task)] {
    struct Finished {
      ~Finished() { --helpers_running; }
    } finished;
    task();
  });
  cpu_set_t allowed;
  CPU_ZERO(&allowed);
  const int current = sched_getcpu();
  if (current >= 0 && sched_getaffinity(0, sizeof allowed, &allowed) == 0 &&
      CPU_ISSET(current, &allowed) && CPU_COUNT(&allowed) > 1) {
    CPU_CLR(current, &allowed);
    // Moves the thread at once if it was already queued here; a failure only costs speed.
    pthread_setaffinity_np(thread.native_handle(), sizeof allowed, &allowed);
  }
  return thread;
}

void RunSideBySide(const std::function<void()>& here, const std::function<void()>& beside) {
  // Every processor busy already (this thread and the helpers running): another thread would
  // only share one of them, at the cost of its start.
  static const int processors = ProcessorsAllowed();
  if (helpers_running.load() + 1 >= processors) {
    here();
    beside();
    return;
  }
  std::exception_ptr failure;
  {
    std::jthread other = StartBeside([&beside, &failure] {
      try {
        beside();
      } catch (...) {
        failure = std::current_exception();
      }
    });
    here();
  }
  if (failure) std::rethrow_exception(failure);
}

}  // namespace brindlex
