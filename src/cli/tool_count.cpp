// brindlex-tool count: the number of icons the extraction dialog shows for each file.
#include "cli/tool_commands.h"
#include "cli/tool_support.h"
#include "extraction/icon_extraction.h"

namespace brindlex {

int CountCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
  int status = kToolSuccess;
  for (const std::string& path : files) {
    IconLibrary library;
    if (!OpenIconLibrary(library, path, err)) {
      status = kToolFailure;
      continue;
    }
    if (library.Kind() == IconLibraryKind::kNone) {
      status = Failure(err, path, kNotAnIconHolder);
      continue;
    }
    const int count = library.IconCount();
    if (files.size() > 1) out << path << ": ";
    out << count << '\n';
  }
  return status;
}

}  // namespace brindlex
