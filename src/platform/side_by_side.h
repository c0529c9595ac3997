#pragma once

// Work split over two processors, for the few steps long enough to gain from it (a large
// picture resampled or compressed).

#include <functional>
#include <thread>

namespace brindlex {

// Starts `task` on a new thread kept off the processor the caller is on. Left alone, the
// scheduler queues a new thread on its creator's processor and moves it away only at its next
// balancing, milliseconds later: longer than the work handed over here, which then runs after
// the caller's instead of beside it. With a single processor the thread simply shares it.
std::jthread StartBeside(std::function<void()> task);

// Runs `here` on the calling thread and `beside` on another processor at the same time, and
// returns when both are done. An exception from `beside` is thrown here after both ended.
// When every processor is taken already (by the caller and the threads StartBeside started
// that are still running), both run here, one after the other.
void RunSideBySide(const std::function<void()>& here, const std::function<void()>& beside);

}  // namespace brindlex
