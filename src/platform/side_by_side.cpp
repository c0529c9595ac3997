#include "platform/side_by_side.h"

#include <pthread.h>
#include <sched.h>

#include <utility>

namespace brindlex {

namespace {

std::atomic<int> helpers_running{0};  // BesideThreads whose task still runs

int ProcessorsAllowed() {
  cpu_set_t allowed;
  CPU_ZERO(&allowed);
  if (sched_getaffinity(0, sizeof allowed, &allowed) != 0) return 1;
  return CPU_COUNT(&allowed);
}

// Keeps the thread off the calling thread's processor when there is another.
void PlaceBeside(std::jthread& thread) {
  cpu_set_t allowed;
  CPU_ZERO(&allowed);
  const int current = sched_getcpu();
  if (current >= 0 && sched_getaffinity(0, sizeof allowed, &allowed) == 0 &&
      CPU_ISSET(current, &allowed) && CPU_COUNT(&allowed) > 1) {
    CPU_CLR(current, &allowed);
    // A failure only costs speed.
    pthread_setaffinity_np(thread.native_handle(), sizeof allowed, &allowed);
  }
}

// Runs `task`, keeping what it throws in `failure`.
void RunKeepingFailure(const std::function<void()>& task, std::exception_ptr& failure) {
  try {
    task();
  } catch (...) {
    if (!failure) failure = std::current_exception();
  }
}

}  // namespace

BesideThread::BesideThread(std::function<void()> task) : state_(std::make_shared<State>()) {
  state_->task = std::move(task);
  ++helpers_running;
  try {
    thread_ = std::jthread([state = state_] {
      // Held until placed: a thread started on its creator's processor would otherwise run
      // there, and its creator, waiting for that processor back to move it, would lose a
      // scheduler time slice (milliseconds).
      state->placed.wait(false);
      RunKeepingFailure(state->task, state->failure);
      --helpers_running;
    });
  } catch (const std::exception&) {
    // No thread could start (no memory for its stack, too many threads): the task runs here,
    // now, and its failure waits for Join as a thread's would.
    --helpers_running;
    RunKeepingFailure(state_->task, state_->failure);
    return;
  }
  PlaceBeside(thread_);
  state_->placed = true;
  state_->placed.notify_one();
}

void BesideThread::Join() {
  if (thread_.joinable()) thread_.join();
  if (state_ && state_->failure) std::rethrow_exception(std::exchange(state_->failure, nullptr));
}

void RunSideBySide(const std::function<void()>& here, const std::function<void()>& beside) {
  static const int processors = ProcessorsAllowed();
  std::exception_ptr failure;
  if (helpers_running + 1 >= processors) {
    // Every processor is busy: another thread would only share one of them.
    RunKeepingFailure(here, failure);
    RunKeepingFailure(beside, failure);
  } else {
    BesideThread other(beside);
    RunKeepingFailure(here, failure);
    RunKeepingFailure([&other] { other.Join(); }, failure);
  }
  if (failure) std::rethrow_exception(failure);
}

}  // namespace brindlex
