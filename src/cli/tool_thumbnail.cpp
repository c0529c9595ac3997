// brindlex-thumbnailer's work: the shown icon of a file found, its best image
// for the size decoded with every alpha value, scaled and written as a PNG
// picture.
#include <functional>

#include "cli/thumbnail_choice.h"
#include "cli/thumbnail_scale.h"
#include "cli/thumbnailer.h"
#include "cli/tool_lines.h"
#include "extraction/shown_icon.h"
#include "files/atomic_file.h"
#include "files/file_bytes.h"
#include "files/icon_container.h"
#include "files/png_export.h"

namespace brindlex {
namespace {

int ThumbnailFailure(std::ostream &err, const std::string &file, const std::string &what) {
  err << "brindlex-thumbnailer: " << file << ": " << what << "\n";
  return kToolFailure;
}

// The images of the shown icon and how to read each one's entry bytes.
struct ThumbnailSource {
  std::vector<IconCandidate> images;
  std::function<bool(int, std::vector<std::uint8_t> &)> read;
};

bool SourceOf(IconLibrary &library, const ShownIcon &icon, ThumbnailSource &source) {
  if (!icon.group.empty()) {
    for (const GroupImage &image : icon.group) source.images.push_back(image.image);
    source.read = [&library, &icon](int index, std::vector<std::uint8_t> &bytes) {
      return ReadGroupImage(library, icon.group[index], bytes);
    };
    return true;
  }
  // An icon file's or a frame's directory may be wrong about sizes and depths:
  // the images' own headers are believed.
  auto container = std::make_shared<IconContainer>();
  if (!ReadIconContainer(icon.container, *container)) return false;
  for (const ContainerEntry &entry : container->entries)
    source.images.push_back({entry.image.width, entry.image.height, entry.image.bit_count});
  source.read = [&icon, container](int index, std::vector<std::uint8_t> &bytes) {
    const std::span<const std::uint8_t> entry =
        ContainerEntryBytes(icon.container, container->entries[index]);
    bytes.assign(entry.begin(), entry.end());
    return !bytes.empty();
  };
  return true;
}

// Decodes the first image, in the order of preference for `size`, that decodes.
bool DecodeBestImage(const ThumbnailSource &source, int size, RgbaImage &image) {
  for (const int index : ThumbnailPreference(source.images, size)) {
    std::vector<std::uint8_t> bytes;
    EntryDecodeResult decoded;
    if (source.read(index, bytes) && DecodeEntryImage(bytes, decoded)) {
      image = std::move(decoded.image);
      return true;
    }
  }
  return false;
}

}  // namespace

int ThumbnailCommand(const std::string &path, const std::string &shown_name, int size,
                     const std::string &output, std::ostream &err) {
  IconLibrary library;
  std::string error;
  if (!library.Open(path, &error))
    return ThumbnailFailure(err, shown_name, "cannot read: " + error);
  if (library.TooLarge())
    return ThumbnailFailure(
        err, shown_name,
        "the file is too large (more than " + std::to_string(kMaxIconFileBytes >> 20) + " MiB)");
  ShownIcon icon;
  ThumbnailSource source;
  if (!FindShownIcon(library, icon) || !SourceOf(library, icon, source))
    return ThumbnailFailure(err, shown_name, "the file holds no icon");
  RgbaImage image;
  if (!DecodeBestImage(source, size, image))
    return ThumbnailFailure(err, shown_name, "the icon cannot be decoded");
  const RgbaImage thumbnail = ScaleForThumbnail(image, size);
  std::vector<std::uint8_t> png;
  if (!EncodePngRgba(thumbnail.width, thumbnail.height, thumbnail.pixels, png,
                     PngCompression::kFast))
    return ThumbnailFailure(err, shown_name, "the icon cannot be decoded");
  if (!WriteFileAtomically(output, png, &error, FileDurability::kCache))
    return ThumbnailFailure(err, output, "cannot write: " + error);
  return kToolSuccess;
}

}  // namespace brindlex
