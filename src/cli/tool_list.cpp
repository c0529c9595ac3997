// brindlex-tool list: the image list of icon files, as the choice window shows it.
#include <cstdint>
#include <vector>

#include "cli/tool_commands.h"
#include "cli/tool_support.h"
#include "files/icon_image_list.h"
#include "files/icon_reader.h"

namespace brindlex {

int ListCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
  int status = kToolSuccess;
  std::vector<std::uint8_t> bytes;
  IconImageList list;
  for (const std::string& path : files) {
    if (!ReadIcon(path, bytes, err)) {
      status = kToolFailure;
      continue;
    }
    if (!ListIconImages(IconFileBytes(bytes), GetIconImageCount(IconFileBytes(bytes)), list)) {
      status = Failure(err, path, "the image list cannot be read (damaged directory or header)");
      continue;
    }
    for (const IconListRow& row : list.rows) {
      if (files.size() > 1) out << path << ": ";
      out << row.text << '\n';
    }
  }
  return status;
}

}  // namespace brindlex
