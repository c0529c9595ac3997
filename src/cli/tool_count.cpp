// brindlex-tool count: the number of icons the extraction dialog shows for each file.
#include "cli/memory_failure.h"
#include "cli/tool_commands.h"
#include "cli/tool_support.h"
#include "extraction/icon_extraction.h"

namespace brindlex {

int CountCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
  int status = kToolSuccess;
  for (const std::string& path : files) {
    int count = 0;
    const int counted = ToolStepFor(path, err, [&] {
      IconLibrary library;
      if (!OpenIconLibrary(library, path, err)) return kToolFailure;
      if (library.Kind() == IconLibraryKind::kNone) return Failure(err, path, kNotAnIconHolder);
      count = library.IconCount();
      return kToolSuccess;
    });
    if (counted != kToolSuccess) {
      status = kToolFailure;
      continue;
    }
    if (files.size() > 1) out << path << ": ";
    out << count << '\n';
  }
  return status;
}

}  // namespace brindlex
