// brindlex-tool convert: one image of an icon file, saved as the editor saves it, or a PNG
// picture, bitmap or cursor on one side.
#include "cli/convert_png.h"
#include "cli/export_commands.h"
#include "cli/tool_commands.h"
#include "cli/tool_support.h"

namespace brindlex {

int ConvertCommand(const std::string& input, const std::string& output,
                   const std::optional<std::string>& hot_spot, std::ostream& err) {
  if (hot_spot && !HasExtension(output, ".cur"))
    return UsageError(err, "--hotspot applies to .cur outputs only");
  const ImageInput source = ParseInput(input);
  // A PNG picture on either side.
  if (HasExtension(source.path, ".png")) {
    if (source.indexed)
      return UsageError(err, "a PNG picture is one image; it takes no image number: " + input);
    return ConvertPngToIcon(source.path, output, err);
  }
  if (HasExtension(output, ".png")) return ConvertIconToPng(source, output, err);
  // The bitmap and cursor exports.
  if (IsExportOutput(output)) return ConvertExport(source, output, hot_spot, err);
  if (!IsIconOutput(output))
    return UsageError(err, "the output must be an .ico, .png, .bmp or .cur file: " + output);

  OpenedImage image;
  if (!OpenIconImage(source, image, err)) return kToolFailure;
  return SaveOpenedImage(image, source.path, output, err);
}

}  // namespace brindlex
