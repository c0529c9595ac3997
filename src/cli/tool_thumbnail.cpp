// brindlex-thumbnailer's work on files: the input opened, its thumbnail drawn and written as
// a PNG picture.
#include "cli/thumbnail_drawing.h"
#include "cli/thumbnailer.h"
#include "cli/tool_lines.h"
#include "files/atomic_file.h"
#include "files/file_bytes.h"
#include "files/png_export.h"

namespace brindlex {
namespace {

int ThumbnailFailure(std::ostream& err, const std::string& file, const std::string& what) {
  err << "brindlex-thumbnailer: " << file << ": " << what << "\n";
  return kToolFailure;
}

}  // namespace

int ThumbnailCommand(const std::string& path, const std::string& shown_name, int size,
                     const std::string& output, std::ostream& err) {
  IconLibrary library;
  std::string error;
  if (!library.Open(path, &error))
    return ThumbnailFailure(err, shown_name, "cannot read: " + error);
  if (library.TooLarge())
    return ThumbnailFailure(
        err, shown_name,
        "the file is too large (more than " + std::to_string(kMaxIconFileBytes >> 20) + " MiB)");
  RgbaImage thumbnail;
  switch (DrawThumbnail(library, size, thumbnail)) {
    case ThumbnailResult::kNoIcon:
      return ThumbnailFailure(err, shown_name, "the file holds no icon");
    case ThumbnailResult::kUndecodable:
      return ThumbnailFailure(err, shown_name, "the icon cannot be decoded");
    case ThumbnailResult::kDrawn:
      break;
  }
  std::vector<std::uint8_t> png;
  if (!EncodePngRgba(thumbnail.width, thumbnail.height, thumbnail.pixels, png,
                     PngCompression::kFast))
    return ThumbnailFailure(err, output, "the picture cannot be encoded");
  if (!WriteFileAtomically(output, png, &error, DiskFlush::kLeaveToSystem))
    return ThumbnailFailure(err, output, "cannot write: " + error);
  return kToolSuccess;
}

}  // namespace brindlex
