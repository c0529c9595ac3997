#include "platform/side_by_side.h"

#include <pthread.h>
#include <sched.h>

#include <exception>

namespace brindlex {

std::jthread StartBeside(std::function<void()> task) {
  std::jthread thread(std::move(task));
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
