#include "platform/side_by_side.h"

#include <pthread.h>
#include <sched.h>

#include <condition_variable>
#include <exception>
#include <mutex>

namespace brindlex {

namespace {

// A task RunSideBySide offers to a waiting thread.
struct Offer {
  const std::function<void()>* task = nullptr;
  bool taken = false;
  bool done = false;
  std::exception_ptr failure;
};

std::mutex mutex;                 // guards what follows, and the BesideThreads' states
std::condition_variable changed;  // a task offered, taken work done, or a helper finished
int helpers_running = 0;          // BesideThreads whose task still runs
Offer* offered = nullptr;         // at most one at a time

int ProcessorsAllowed() {
  cpu_set_t allowed;
  CPU_ZERO(&allowed);
  if (sched_getaffinity(0, sizeof allowed, &allowed) != 0) return 1;
  return CPU_COUNT(&allowed);
}

// Keeps the thread off the calling thread's processor when there is another.
void PlaceBeside(const std::jthread& thread) {
  cpu_set_t allowed;
  CPU_ZERO(&allowed);
  const int current = sched_getcpu();
  if (current >= 0 && sched_getaffinity(0, sizeof allowed, &allowed) == 0 &&
      CPU_ISSET(current, &allowed) && CPU_COUNT(&allowed) > 1) {
    CPU_CLR(current, &allowed);
    // A failure only costs speed.
    pthread_setaffinity_np(const_cast<std::jthread&>(thread).native_handle(), sizeof allowed,
                           &allowed);
  }
}

// Runs an offer taken by this thread and tells its owner.
void RunTaken(Offer& offer) {
  try {
    (*offer.task)();
  } catch (...) {
    offer.failure = std::current_exception();
  }
  {
    const std::lock_guard lock(mutex);
    offer.done = true;
  }
  changed.notify_all();
}

void RunWithThread(const std::function<void()>& here, const std::function<void()>& beside) {
  BesideThread other(beside);
  std::exception_ptr failure;
  try {
    here();
  } catch (...) {
    failure = std::current_exception();
  }
  try {
    other.JoinHelping();
  } catch (...) {
    if (!failure) failure = std::current_exception();
  }
  if (failure) std::rethrow_exception(failure);
}

}  // namespace

BesideThread::BesideThread(std::function<void()> task) : state_(std::make_shared<State>()) {
  {
    const std::lock_guard lock(mutex);
    ++helpers_running;
  }
  thread_ = std::jthread([task = std::move(task), state = state_] {
    // Counted out however the task ends.
    struct Finish {
      State& state;
      ~Finish() {
        {
          const std::lock_guard lock(mutex);
          --helpers_running;
          state.finished = true;
        }
        changed.notify_all();
      }
    } finish{*state};
    // Held until placed: a thread started on its creator's processor would otherwise run
    // there, and its creator, waiting for that processor back to move it, would lose a
    // scheduler time slice (milliseconds).
    state->placed.wait(false);
    try {
      task();
    } catch (...) {
      state->failure = std::current_exception();
    }
  });
  PlaceBeside(thread_);
  state_->placed = true;
  state_->placed.notify_one();
}

void BesideThread::JoinHelping() {
  if (!thread_.joinable()) return;
  while (true) {
    Offer* offer = nullptr;
    {
      std::unique_lock lock(mutex);
      changed.wait(lock, [this] { return offered != nullptr || state_->finished; });
      if (offered == nullptr) break;
      offer = offered;
      offered = nullptr;
      offer->taken = true;
    }
    RunTaken(*offer);
  }
  thread_.join();
  if (state_->failure) std::rethrow_exception(state_->failure);
}

void RunSideBySide(const std::function<void()>& here, const std::function<void()>& beside) {
  static const int processors = ProcessorsAllowed();
  Offer offer;
  offer.task = &beside;
  bool processor_free = false, published = false;
  {
    const std::lock_guard lock(mutex);
    processor_free = helpers_running + 1 < processors;
    if (!processor_free && offered == nullptr) {
      offered = &offer;
      published = true;
    }
  }
  if (processor_free) return RunWithThread(here, beside);
  if (published) changed.notify_all();

  std::exception_ptr failure;
  try {
    here();
  } catch (...) {
    failure = std::current_exception();
  }
  bool run_here = true;
  {
    // The offer lives on this stack: it is withdrawn, or waited for once taken.
    std::unique_lock lock(mutex);
    if (offered == &offer) offered = nullptr;
    run_here = !offer.taken;
    if (!run_here) changed.wait(lock, [&offer] { return offer.done; });
  }
  if (run_here) {
    try {
      beside();
    } catch (...) {
      if (!failure) failure = std::current_exception();
    }
  } else if (!failure) {
    failure = offer.failure;
  }
  if (failure) std::rethrow_exception(failure);
}

}  // namespace brindlex
