#include "cli/convert_pictures.h"

#include "cli/tool_pictures.h"

namespace brindlex {

namespace {

// An icon image the editor's open and cursor export take byte for byte: 16, 32 or 48 pixels
// square with alpha only 0 or 255. Its cursor keeps inverting pixels that way. An image with
// partly transparent pixels goes through the RGBA pictures instead, which also keep the colour
// stored under an alpha of 0 (the editor's planes drop it).
bool EditorTakesWhole(const ImageInput& input, std::span<const std::uint8_t> bytes) {
  FilePicture picture;
  if (ReadFilePicture(bytes, input.index, picture).status != PictureReadStatus::kOk) return true;
  const int edge = picture.image.width;
  return edge == picture.image.height && (edge == 16 || edge == 32 || edge == 48) &&
         AlphaOnlyZeroOrFull(picture.image);
}

}  // namespace

bool ConvertsAsPicture(ImageKind kind, const ImageInput& input, std::span<const std::uint8_t> bytes,
                       const std::string& output, bool png) {
  switch (kind) {
    case ImageKind::kPng:
    case ImageKind::kCursor:
      return true;
    case ImageKind::kIcon:
      return png || HasExtension(output, ".png") ||
             (HasExtension(output, ".cur") && !EditorTakesWhole(input, bytes));
    default:
      return HasExtension(input.path, ".png");
  }
}

int ConvertPicture(const ImageInput& input, std::span<const std::uint8_t> bytes,
                   const std::string& output, const std::optional<std::string>& hot_spot, bool png,
                   std::ostream& err) {
  const bool cursor = HasExtension(output, ".cur");
  if (!cursor && !IsIconOutput(output) && !HasExtension(output, ".png"))
    return UsageError(
        err, "a PNG picture or a cursor converts to an .ico, .cur or .png file only: " + output);
  int hot_x = 0, hot_y = 0;
  if (hot_spot && !ParseHotSpot(*hot_spot, hot_x, hot_y))
    return UsageError(err, "--hotspot takes X,Y (two numbers): " + *hot_spot);

  FilePicture picture;
  if (const int status = ReadPictureInput(input, bytes, picture, err)) return status;
  const RgbaImage& image = picture.image;
  int status;
  if (HasExtension(output, ".png")) {
    status = WritePngFile(output, picture, err);
  } else {
    if (const int refused = CheckEntrySize(input.path, image, err)) return refused;
    ContainerPicture entry{image, 0, 0, picture.png_source};
    if (cursor) {
      entry.hot_spot_x = hot_spot ? hot_x : picture.hot_spot_x;
      entry.hot_spot_y = hot_spot ? hot_y : picture.hot_spot_y;
      if (hot_spot)
        if (const int refused =
                CheckHotSpot(*hot_spot, hot_x, hot_y, image.width, image.height, err))
          return refused;
    }
    status = WriteContainerFile(output, cursor, {entry}, png, err);
  }
  if (status == kToolSuccess) InvertingWarning(err, output, picture.inverting_pixels);
  return status;
}

}  // namespace brindlex
