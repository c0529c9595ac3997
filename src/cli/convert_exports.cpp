// brindlex-tool convert to a bitmap or a cursor: the File menu's exports without a window.
#include <cstdint>
#include <vector>

#include "cli/export_commands.h"
#include "cli/tool_pictures.h"
#include "cli/tool_support.h"
#include "files/bitmap_writer.h"
#include "files/color_depth.h"
#include "files/cursor_writer.h"

namespace brindlex {

bool IsExportOutput(const std::string& output) {
  return HasExtension(output, ".bmp") || HasExtension(output, ".cur");
}

int ConvertExport(const ImageInput& input, const std::string& output,
                  const std::optional<std::string>& hot_spot, std::ostream& err) {
  const bool cursor = HasExtension(output, ".cur");
  if (!cursor && !HasExtension(output, ".bmp"))
    return UsageError(err, "the output must be an .ico, .bmp or .cur file: " + output);
  int hot_x = 0, hot_y = 0;
  if (hot_spot && !ParseHotSpot(*hot_spot, hot_x, hot_y))
    return UsageError(err, "--hotspot takes X,Y (two numbers): " + *hot_spot);

  OpenedImage image;
  if (!OpenIconImage(input, image, err)) return kToolFailure;
  const Surface& mask = image.mask;
  const Surface& color = image.color;

  std::vector<std::uint8_t> written;
  if (cursor) {
    const int edge = color.Width();
    if (hot_x >= edge || hot_y >= edge)
      return UsageError(err, "the hot spot " + *hot_spot + " lies outside the " +
                                 std::to_string(edge) + " x " + std::to_string(edge) + " image");
    if (!BuildCursorFileBytes(mask, color, ChooseColorDepth(color, true),
                              static_cast<std::uint16_t>(hot_x), static_cast<std::uint16_t>(hot_y),
                              written))
      return Failure(err, output, "the image cannot be encoded");
  } else {
    const Surface picture = ComposeOverWhite(mask, color);
    if (!BuildBitmapFileBytes(picture, ChooseColorDepth(picture, false), written))
      return Failure(err, output, "the image cannot be encoded");
  }
  return WriteOutputFile(output, written, err);
}

}  // namespace brindlex
