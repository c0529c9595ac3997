// brindlex-tool convert: one image of an icon file, saved as the editor saves it, or a PNG
// picture, bitmap or cursor on one side.
#include "cli/convert_pictures.h"
#include "cli/export_commands.h"
#include "cli/tool_commands.h"
#include "cli/tool_pictures.h"
#include "cli/tool_support.h"

namespace brindlex {

int ConvertCommand(const std::string& input, const std::string& output,
                   const std::optional<std::string>& hot_spot, bool png, std::ostream& err) {
  if (hot_spot && !HasExtension(output, ".cur"))
    return UsageError(err, "--hotspot applies to .cur outputs only");
  if (png && !HasExtension(output, ".ico") && !HasExtension(output, ".cur"))
    return UsageError(err, "--png applies to .ico and .cur outputs only");
  if (!HasExtension(output, ".png") && !IsIconOutput(output) && !IsExportOutput(output))
    return UsageError(err, "the output must be an .ico, .png, .bmp or .cur file: " + output);
  const ImageInput source = ParseInput(input);
  // The kind of the input is told by its content: a PNG picture or a cursor under any name.
  std::vector<std::uint8_t> bytes;
  if (!ReadPictureFile(source.path, bytes, err)) return kToolFailure;
  const ImageKind kind = SniffImageKind(bytes);
  if (kind != ImageKind::kIcon && kind != ImageKind::kCursor && kind != ImageKind::kPng)
    return Failure(err, source.path, kNotAPicture);
  if (ConvertsAsPicture(kind, source, bytes, output, png))
    return ConvertPicture(source, bytes, output, hot_spot, png, err);

  // The editor's open of an icon image, then its bitmap or cursor export, or its save.
  if (IsExportOutput(output)) return ConvertExport(source, output, hot_spot, err);
  OpenedImage image;
  if (!OpenIconImage(source, image, err)) return kToolFailure;
  return SaveOpenedImage(image, source.path, output, err);
}

}  // namespace brindlex
