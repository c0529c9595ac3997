// brindlex-tool convert: one image of an icon file, saved as the editor saves it.
#include <cstdint>
#include <vector>

#include "cli/convert_png.h"
#include "cli/export_commands.h"
#include "cli/tool_commands.h"
#include "cli/tool_support.h"

namespace brindlex {

int ConvertCommand(const std::string& input, const std::string& output, std::ostream& err) {
  // A PNG picture on either side.
  if (HasExtension(input, ".png")) return ConvertPngToIcon(input, output, err);
  if (HasExtension(output, ".png")) return ConvertIconToPng(input, output, err);
  // The bitmap and cursor exports.
  if (IsExportOutput(output)) return ConvertExport(input, output, std::nullopt, err);
  std::string path;
  int index = 0;
  ParseInput(input, path, index);
  if (!HasExtension(output, ".ico"))
    return UsageError(err, "the output must be an .ico, .png, .bmp or .cur file: " + output);

  Surface mask, color;
  if (!OpenIconImage(path, index, mask, color, err)) return kToolFailure;

  return SaveIconFile(mask, color, output, err);
}

}  // namespace brindlex
