#include "files/icon_reader.h"

#include <algorithm>
#include <string_view>

#include "files/alpha_planes.h"
#include "files/entry_decoder.h"
#include "files/icon_decoder.h"

namespace brindlex {

namespace {

// Row texts of the image list: width, " x ", height, then the depth suffix.
constexpr std::string_view kListTimes = " x ";
constexpr std::string_view kListMonochrome = " ... Monochrome";
constexpr std::string_view kList16Color = " ... 16 Color";
constexpr std::string_view kList256Color = " ... 256 Color";
constexpr std::string_view kListTrueColor = " ... True Color";

bool IsIconEdge(long long edge) { return edge == 16 || edge == 32 || edge == 48; }

bool FitsEditor(long long width, long long height) {
  return IsIconEdge(width) && IsIconEdge(height) && width == height;
}

// Reads what entry `index` and its image's header say, with the size the editor shows and
// checks: the image's own; a side its header gives as 0 is taken from the directory entry,
// whose byte 0 stands for 256.
bool ReadShownImageInfo(IconFileBytes bytes, int index, IconImageInfo& info) {
  if (!ReadIconImageInfo(bytes, index, info)) return false;
  const std::uint8_t* entry = bytes.data() + EntryOffset(static_cast<std::size_t>(index));
  auto directory_side = [](std::uint8_t side) { return side == 0 ? 256 : side; };
  if (info.width == 0) info.width = directory_side(entry[kEntryWidth]);
  if (info.height == 0) info.height = directory_side(entry[kEntryHeight]);
  return true;
}

IconLoadResult Status(IconLoadStatus status) { return {status, 0, 0, false}; }

// Decodes the entry `info` describes with every alpha kept, into planes of width x height.
// False when the entry's own bytes do not decode to that size.
bool DecodeKeepingAlpha(IconFileBytes bytes, const IconImageInfo& info, int width, int height,
                        Surface& mask, Surface& color) {
  if (!RangeInside(info.image_offset, info.bytes_in_resource, bytes.size())) return false;
  EntryDecodeResult decoded;
  if (!DecodeEntryImage(bytes.subspan(info.image_offset, info.bytes_in_resource), decoded) ||
      decoded.image.width != width || decoded.image.height != height)
    return false;
  PlanesFromRgbaKeepingAlpha(decoded.image, mask, color);
  return true;
}

// Decodes the image `info` describes, at width x height, by the alpha rule.
bool DecodeImage(IconFileBytes bytes, int index, const IconImageInfo& info, int width, int height,
                 Surface& mask, Surface& color, AlphaRule alpha_rule, bool& soft_alpha) {
  if (!DecodeIconEntry(bytes, index, width, height, mask, color, &soft_alpha)) return false;
  // Only an image with partly transparent pixels reads differently when its alpha is kept;
  // every other image keeps the planes above. Should its entry not decode on its own (a
  // length that cuts its rows short), the threshold stands and says so.
  if (soft_alpha && alpha_rule == AlphaRule::kKeep &&
      DecodeKeepingAlpha(bytes, info, width, height, mask, color))
    soft_alpha = false;
  return true;
}

// Checks the size of image `index` and decodes it into the planes.
IconLoadResult LoadImage(IconFileBytes bytes, int index, Surface& mask, Surface& color,
                         AlphaRule alpha_rule) {
  IconImageInfo info;
  if (!ReadShownImageInfo(bytes, index, info)) return Status(IconLoadStatus::kDamaged);
  if (!FitsEditor(info.width, info.height))
    return {IconLoadStatus::kWrongSize, info.width, info.height, false};
  const int edge = static_cast<int>(info.width);
  IconLoadResult result = Status(IconLoadStatus::kLoaded);
  if (!DecodeImage(bytes, index, info, edge, edge, mask, color, alpha_rule, result.soft_alpha))
    return Status(IconLoadStatus::kDamaged);
  return result;
}

}  // namespace

bool IsValidIconFile(IconFileBytes bytes) {
  if (bytes.size() < kIconHeaderBytes + kIconEntryBytes) return false;
  const std::uint8_t* header = bytes.data();
  const std::uint8_t* entry = header + kIconHeaderBytes;
  return ReadI16(header + kHeaderCount) > 0 && ReadU16(header + kHeaderReserved) == 0 &&
         ReadU16(header + kHeaderType) == kIconType && entry[kEntryReserved] == 0 &&
         ReadI32(entry + kEntryBytesInResource) > 0 && ReadI32(entry + kEntryImageOffset) > 0;
}

int GetIconImageCount(IconFileBytes bytes) {
  if (bytes.size() < kIconHeaderBytes) return 0;
  return std::max<int>(0, ReadI16(bytes.data() + kHeaderCount));
}

IconLoadResult LoadSingleIcon(IconFileBytes bytes, Surface& mask, Surface& color,
                              AlphaRule alpha_rule) {
  return LoadImage(bytes, 0, mask, color, alpha_rule);
}

std::string IconListRowText(long long width, long long height, int bit_count) {
  std::string text = std::to_string(width);
  text += kListTimes;
  text += std::to_string(height);
  text += bit_count == 1   ? kListMonochrome
          : bit_count == 4 ? kList16Color
          : bit_count == 8 ? kList256Color
                           : kListTrueColor;
  return text;
}

bool ListIconImages(IconFileBytes bytes, int image_count, IconImageList& list) {
  list.Clear();
  if (image_count < 1 || image_count > GetIconImageCount(bytes)) return false;
  for (int i = 0; i < image_count; ++i) {
    IconImageInfo info;
    if (!ReadShownImageInfo(bytes, i, info)) {
      list.Clear();
      return false;
    }
    const int bit_count =
        info.bit_count == 1 || info.bit_count == 4 || info.bit_count == 8 ? info.bit_count : 24;
    list.rows.push_back({IconListRowText(info.width, info.height, info.bit_count), bit_count,
                         info.width, info.height});
  }
  list.selected = 0;
  return true;
}

bool DecodeIconEntryByRule(IconFileBytes bytes, int index, int width, int height, Surface& mask,
                           Surface& color, AlphaRule alpha_rule) {
  IconImageInfo info;
  bool soft_alpha = false;
  return ReadIconImageInfo(bytes, index, info) &&
         DecodeImage(bytes, index, info, width, height, mask, color, alpha_rule, soft_alpha);
}

IconLoadResult DecodeIconImage(IconFileBytes bytes, int index, DecodeSurfaces& surfaces,
                               AlphaRule alpha_rule) {
  const IconLoadResult result =
      LoadImage(bytes, index, surfaces.MaskSurface, surfaces.ColorSurface, alpha_rule);
  if (!result.Loaded()) ReleaseDecodeSurfaces(surfaces);
  return result;
}

}  // namespace brindlex
