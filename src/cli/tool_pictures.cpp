#include "cli/tool_pictures.h"

#include <charconv>

#include "files/entry_decoder.h"
#include "files/file_bytes.h"
#include "files/png_entry_encoder.h"

namespace brindlex {

bool ReadPictureFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::ostream& err) {
  if (!HasExtension(path, ".png")) return ReadInput(path, kMaxIconFileBytes, bytes, err);
  const std::string edge = std::to_string(kMaxPictureEdge);
  return ReadInput(path, kMaxPictureFileBytes,
                   "the file is too large for a picture of at most " + edge + " x " + edge +
                       " pixels (more than " + std::to_string(kMaxPictureFileBytes >> 20) + " MiB)",
                   bytes, err);
}

bool ParseHotSpot(const std::string& text, int& x, int& y) {
  const auto comma = text.find(',');
  if (comma == std::string::npos) return false;
  auto number = [](const char* first, const char* last, int& value) {
    if (first == last || *first < '0' || *first > '9') return false;
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last;
  };
  const char* begin = text.data();
  return number(begin, begin + comma, x) && number(begin + comma + 1, begin + text.size(), y);
}

int ReadPictureInput(const ImageInput& input, std::span<const std::uint8_t> bytes,
                     FilePicture& picture, std::ostream& err) {
  const std::string& path = input.path;
  if (SniffImageKind(bytes) == ImageKind::kPng && input.indexed)
    return UsageError(err, "a PNG picture is one image; it takes no image number: " + path + ":" +
                               input.index_text);
  const PictureReadResult result = ReadFilePicture(bytes, input.index, picture);
  const bool png = result.kind == ImageKind::kPng;
  switch (result.status) {
    case PictureReadStatus::kOk:
      return kToolSuccess;
    case PictureReadStatus::kUnknownKind:
      return Failure(err, path, kNotAPicture);
    case PictureReadStatus::kNoSuchImage:
      return Failure(err, path,
                     "there is no image " + input.index_text + " (the file holds " +
                         std::to_string(result.image_count) +
                         (result.image_count == 1 ? " image)" : " images)"));
    case PictureReadStatus::kWrongSize:
      return Failure(err, path,
                     std::string(png ? "the picture is " : "the image is ") +
                         std::to_string(result.width) + " x " + std::to_string(result.height) +
                         " pixels; pictures of 1 to " + std::to_string(kMaxPictureEdge) +
                         " pixels on a side can be read");
    case PictureReadStatus::kDamaged:
      break;
  }
  return Failure(err, path,
                 png ? "the PNG picture is damaged and cannot be decoded"
                     : "the image is damaged and cannot be decoded");
}

int ReadPictureInput(const ImageInput& input, FilePicture& picture, std::ostream& err) {
  std::vector<std::uint8_t> bytes;
  if (!ReadPictureFile(input.path, bytes, err)) return kToolFailure;
  return ReadPictureInput(input, bytes, picture, err);
}

int CheckEntrySize(const std::string& file, const RgbaImage& image, std::ostream& err) {
  if (image.width <= kMaxEntryEdge && image.height <= kMaxEntryEdge) return kToolSuccess;
  return Failure(err, file,
                 "the picture is " + std::to_string(image.width) + " x " +
                     std::to_string(image.height) +
                     " pixels; icon and cursor images are 1 to 256 pixels on a side (create "
                     "--sizes scales a picture)");
}

int CheckHotSpot(const std::string& given, int x, int y, int width, int height, std::ostream& err) {
  if (x < width && y < height) return kToolSuccess;
  return UsageError(err, "the hot spot " + given + " lies outside the " + std::to_string(width) +
                             " x " + std::to_string(height) + " image");
}

int WriteContainerFile(const std::string& output, bool cursor,
                       const std::vector<ContainerPicture>& pictures, bool png, std::ostream& err) {
  std::vector<std::uint8_t> bytes;
  if (!BuildContainerFileBytes(cursor ? kCursorType : kIconType, pictures, png, bytes))
    return Failure(err, output, "the images cannot be encoded");
  return WriteOutputFile(output, bytes, err);
}

int WritePngFile(const std::string& output, const FilePicture& picture, std::ostream& err) {
  const std::vector<std::uint8_t> bytes = EncodeSmallestPng(picture.image, picture.png_source);
  if (bytes.empty()) return Failure(err, output, "the image cannot be encoded");
  return WriteOutputFile(output, bytes, err);
}

void InvertingWarning(std::ostream& err, const std::string& output, int inverting,
                      InvertingLoss loss) {
  if (inverting <= 0) return;
  const std::string pixels =
      std::to_string(inverting) + (inverting == 1 ? " inverting pixel" : " inverting pixels");
  Warning(err, output,
          pixels +
              (loss == InvertingLoss::kPng ? " cannot be shown in a PNG picture"
                                           : " cannot be kept in a scaled picture") +
              "; written transparent");
}

void EntryInvertingWarning(std::ostream& err, const std::string& output,
                           const ContainerPicture& picture, bool png) {
  if (StoresAsPng(picture.image, png))
    InvertingWarning(err, output, static_cast<int>(picture.inverting.size()), InvertingLoss::kPng);
}

}  // namespace brindlex
