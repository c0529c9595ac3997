#include "cli/convert_pictures.h"

#include "cli/tool_pictures.h"
#include "files/icon_reader.h"

namespace brindlex {

namespace {

// What decides an icon image's way through convert: whether the editor opens it at its size
// (16, 32 or 48 pixels square), and whether it has partly transparent pixels. An image that
// cannot be read counts as one the editor opens, whose open then says what is wrong.
struct IconImageShape {
  bool editor_size = true;
  bool soft = false;
};

IconImageShape ShapeOf(const ImageInput& input, std::span<const std::uint8_t> bytes) {
  FilePicture picture;
  if (ReadFilePicture(bytes, input.index, picture).status != PictureReadStatus::kOk) return {};
  const int edge = picture.image.width;
  return {edge == picture.image.height && (edge == 16 || edge == 32 || edge == 48),
          HasPartialAlpha(picture.image)};
}

// The images in the icon or cursor file of `bytes`; 1 for a PNG picture.
int ImageCount(std::span<const std::uint8_t> bytes) {
  return SniffImageKind(bytes) == ImageKind::kPng ? 1 : GetIconImageCount(bytes);
}

// Writes the picture back into the icon or cursor file `bytes` it came from, as its image
// `index` moved first, every other image kept as stored.
int WriteIntoSource(std::span<const std::uint8_t> bytes, int index, const ContainerPicture& entry,
                    bool png, const std::string& output, std::ostream& err) {
  std::vector<std::uint8_t> written;
  if (!BuildContainerWithPictureFirst(bytes, static_cast<std::size_t>(index), entry, png, written))
    return Failure(err, output,
                   "the file to write the image back into is damaged: an image lies outside it");
  return WriteOutputFile(output, written, err);
}

}  // namespace

bool ConvertsAsPicture(ImageKind kind, const ImageInput& input, std::span<const std::uint8_t> bytes,
                       const std::string& output, bool png) {
  switch (kind) {
    case ImageKind::kPng:
    case ImageKind::kCursor:
      return true;
    case ImageKind::kIcon: {
      // The editor's open and save, and its cursor export, keep every pixel of an image it
      // opens at its size, inverting ones too; its cursor export takes no partly transparent
      // pixel, which the RGBA pictures keep with the colour stored under an alpha of 0. The
      // bitmap export is the editor's alone.
      if (png || HasExtension(output, ".png")) return true;
      if (HasExtension(output, ".bmp")) return false;
      const IconImageShape shape = ShapeOf(input, bytes);
      return !shape.editor_size || (HasExtension(output, ".cur") && shape.soft);
    }
    default:
      return false;
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
  // The file the image comes from, holding others: the image is written back into it.
  const int count = ImageCount(bytes);
  const bool into_source = count > 1 && IsSameFile(input.path, output);
  const RgbaImage& image = picture.image;
  if (HasExtension(output, ".png")) {
    // One PNG picture over the file would throw away the file's other images.
    if (into_source)
      return Failure(err, output,
                     "is the file the image comes from, which holds " + std::to_string(count) +
                         " images; name another output file");
    const int status = WritePngFile(output, picture, err);
    if (status == kToolSuccess)
      InvertingWarning(err, output, picture.inverting_pixels, InvertingLoss::kPng);
    return status;
  }
  if (const int refused = CheckEntrySize(input.path, image, err)) return refused;
  // A cursor's hot spot stays with its image; an icon output takes none.
  ContainerPicture entry{image, hot_spot ? hot_x : picture.hot_spot_x,
                         hot_spot ? hot_y : picture.hot_spot_y, picture.png_source};
  entry.inverting = picture.inverting;
  if (hot_spot)
    if (const int refused = CheckHotSpot(*hot_spot, hot_x, hot_y, image.width, image.height, err))
      return refused;
  const int status = into_source ? WriteIntoSource(bytes, input.index, entry, png, output, err)
                                 : WriteContainerFile(output, cursor, {entry}, png, err);
  if (status == kToolSuccess) EntryInvertingWarning(err, output, entry, png);
  return status;
}

}  // namespace brindlex
