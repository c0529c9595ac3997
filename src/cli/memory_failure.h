#pragma once

// Running out of memory in the tool and the thumbnailer: the step that could not get its
// memory ends with one line naming its file, "PROGRAM: FILE: not enough memory", and exit
// status 1, instead of ending the program with a crash. Nothing is written then: every output
// file is put in place only once all of it was made.

#include <functional>
#include <new>
#include <ostream>
#include <string>

namespace brindlex {

constexpr const char* kNotEnoughMemory = "not enough memory";

// Runs `step`, which returns an exit status, and returns that status; when memory runs out
// during it (std::bad_alloc), returns `lack_of_memory()` instead, which reports it and gives
// the status to return.
template <typename Step, typename Report>
int UnlessMemoryRunsOut(Step&& step, Report&& lack_of_memory) {
  try {
    return step();
  } catch (const std::bad_alloc&) {
    return lack_of_memory();
  }
}

// The tool's step for `file`: when memory runs out, prints
// "brindlex-tool: FILE: not enough memory" and returns kToolFailure.
int ToolStepFor(const std::string& file, std::ostream& err, const std::function<int()>& step);

}  // namespace brindlex
