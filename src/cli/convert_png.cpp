#include "cli/convert_png.h"

#include <cstdint>
#include <vector>

#include "cli/tool_support.h"
#include "files/icon_writer.h"
#include "files/png_export.h"
#include "files/png_import.h"

namespace brindlex {

int ConvertPngToIcon(const std::string& input, const std::string& output, std::ostream& err) {
  if (!IsIconOutput(output))
    return UsageError(err, "a PNG picture converts to an .ico file only: " + output);

  std::vector<std::uint8_t> bytes;
  if (!ReadInput(input, kMaxPngFileBytes, bytes, err)) return kToolFailure;
  Surface mask, color;
  const PngImportResult result = ImportPngIcon(bytes, mask, color);
  switch (result.status) {
    case PngImportStatus::kOk:
      break;
    case PngImportStatus::kNotPng:
      return Failure(err, input, "not a PNG picture");
    case PngImportStatus::kUnsupportedSize:
      return Failure(err, input,
                     "the picture is " + std::to_string(result.width) + " x " +
                         std::to_string(result.height) +
                         " pixels; only 16 x 16, 32 x 32 and 48 x 48 pictures can be converted");
    case PngImportStatus::kDamaged:
      return Failure(err, input, "the PNG picture is damaged and cannot be decoded");
  }

  return SaveIconFile(mask, color, output, err);
}

int ConvertIconToPng(const ImageInput& input, const std::string& output, std::ostream& err) {
  OpenedImage image;
  if (!OpenIconImage(input, image, err)) return kToolFailure;

  std::vector<std::uint8_t> rgba, written;
  const int inverting = RgbaFromPlanes(image.mask, image.color, rgba);
  if (!EncodePngRgba(image.color.Width(), image.color.Height(), rgba, written))
    return Failure(err, output, "the image cannot be encoded");
  const int status = WriteOutputFile(output, written, err);
  if (status == kToolSuccess && inverting > 0)
    Warning(err, output,
            std::to_string(inverting) +
                (inverting == 1 ? " inverting pixel" : " inverting pixels") +
                " cannot be shown in a PNG picture; written transparent");
  return status;
}

}  // namespace brindlex
