#include "files/picture_file.h"

#include "files/entry_decoder.h"
#include "files/icon_container.h"

namespace brindlex {

namespace {

bool SizeReadable(const EntryHeader& header) {
  return header.width >= 1 && header.height >= 1 && header.width <= kMaxPictureEdge &&
         header.height <= kMaxPictureEdge;
}

// Decodes a bare entry or a PNG picture into `picture`, filling the status.
void DecodeInto(std::span<const std::uint8_t> bytes, PictureReadResult& result,
                FilePicture& picture) {
  EntryHeader header;
  EntryDecodeResult decoded;
  if (!ReadEntryHeader(bytes, header)) {
    result.status = PictureReadStatus::kDamaged;
    return;
  }
  result.width = header.width;
  result.height = header.height;
  if (!SizeReadable(header)) {
    result.status = PictureReadStatus::kWrongSize;
    return;
  }
  if (!DecodeEntryImage(bytes, decoded, kMaxPictureEdge)) {
    result.status = PictureReadStatus::kDamaged;
    return;
  }
  picture.image = std::move(decoded.image);
  picture.is_png = decoded.is_png;
  picture.bit_count = decoded.bit_count;
  picture.inverting_pixels = decoded.inverting_pixels;
  picture.inverting = std::move(decoded.inverting);
  if (decoded.is_png) picture.png_source.assign(bytes.begin(), bytes.end());
  result.status = PictureReadStatus::kOk;
}

}  // namespace

PictureReadResult ReadFilePicture(std::span<const std::uint8_t> file, int index,
                                  FilePicture& picture) {
  PictureReadResult result;
  result.kind = SniffImageKind(file);
  FilePicture read;
  switch (result.kind) {
    case ImageKind::kPng:
      result.image_count = 1;
      if (index != 0) {
        result.status = PictureReadStatus::kNoSuchImage;
        return result;
      }
      DecodeInto(file, result, read);
      break;
    case ImageKind::kIcon:
    case ImageKind::kCursor: {
      IconContainer container;
      if (!ReadIconContainer(file, container)) {
        result.status = PictureReadStatus::kDamaged;
        return result;
      }
      result.image_count = static_cast<int>(container.entries.size());
      if (index < 0 || index >= result.image_count) {
        result.status = PictureReadStatus::kNoSuchImage;
        return result;
      }
      const ContainerEntry& entry = container.entries[static_cast<std::size_t>(index)];
      read.hot_spot_x = entry.hot_spot_x;
      read.hot_spot_y = entry.hot_spot_y;
      DecodeInto(ContainerEntryBytes(file, entry), result, read);
      break;
    }
    default:
      return result;
  }
  if (result.status == PictureReadStatus::kOk) picture = std::move(read);
  return result;
}

}  // namespace brindlex
