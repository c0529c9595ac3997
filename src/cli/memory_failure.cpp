#include "cli/memory_failure.h"

#include "cli/tool_lines.h"

namespace brindlex {

int ToolStepFor(const std::string& file, std::ostream& err, const std::function<int()>& step) {
  return UnlessMemoryRunsOut(step, [&] { return Failure(err, file, kNotEnoughMemory); });
}

}  // namespace brindlex
