#include "files/icon_reader.h"

#include <algorithm>
#include <vector>

#include "files/file_bytes.h"
#include "files/icon_decoder.h"
#include "files/icon_messages.h"

namespace brindlex {

namespace {

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

void ShowWarning(Ui& ui, std::string_view text, std::string_view title) {
  ui.ShowMessage(std::string(text), std::string(title), MessageIcon::kExclamation,
                 MessageButtons::kOk);
}

// Tells the user once that the partly transparent pixels of the image just decoded became
// opaque or transparent.
void ReportSoftAlpha(Ui& ui, bool soft_alpha) {
  if (soft_alpha) ShowWarning(ui, kSoftAlphaText, kSoftAlphaTitle);
}

std::vector<std::uint8_t> ReadOrEmpty(const std::string& path, bool& ok) {
  std::vector<std::uint8_t> bytes;
  ok = ReadFileBytes(path, kMaxIconFileBytes, bytes);
  return bytes;
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

bool IsValidIconFile(const std::string& path) {
  bool ok = false;
  const auto bytes = ReadOrEmpty(path, ok);
  return ok && IsValidIconFile(IconFileBytes(bytes));
}

int GetIconImageCount(IconFileBytes bytes) {
  if (bytes.size() < kIconHeaderBytes) return 0;
  return std::max<int>(0, ReadI16(bytes.data() + kHeaderCount));
}

int GetIconImageCount(const std::string& path) {
  bool ok = false;
  const auto bytes = ReadOrEmpty(path, ok);
  return ok ? GetIconImageCount(IconFileBytes(bytes)) : 0;
}

bool LoadSingleIcon(IconFileBytes bytes, Ui& ui, Surface& mask, Surface& color) {
  IconImageInfo info;
  if (!ReadShownImageInfo(bytes, 0, info)) {
    ShowWarning(ui, kSingleIconLoadErrorText, kLoadErrorTitle);
    return false;
  }
  if (!FitsEditor(info.width, info.height)) {
    ShowWarning(ui, SizeMessage(kSingleIconSizeText, info.width, info.height), kErrorTitle);
    return false;
  }
  const int edge = static_cast<int>(info.width);
  bool soft_alpha = false;
  if (!DecodeIconEntry(bytes, 0, edge, edge, mask, color, &soft_alpha)) {
    ShowWarning(ui, kSingleIconLoadErrorText, kLoadErrorTitle);
    return false;
  }
  ReportSoftAlpha(ui, soft_alpha);
  return true;
}

bool LoadSingleIcon(const std::string& path, Ui& ui, Surface& mask, Surface& color) {
  bool ok = false;
  const auto bytes = ReadOrEmpty(path, ok);
  if (!ok) {
    ShowWarning(ui, kSingleIconLoadErrorText, kLoadErrorTitle);
    return false;
  }
  return LoadSingleIcon(IconFileBytes(bytes), ui, mask, color);
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
    list.rows.push_back({IconListRowText(info.width, info.height, info.bit_count), bit_count});
  }
  list.selected = 0;
  return true;
}

bool ListIconImages(const std::string& path, int image_count, IconImageList& list) {
  bool ok = false;
  const auto bytes = ReadOrEmpty(path, ok);
  if (!ok) {
    list.Clear();
    return false;
  }
  return ListIconImages(IconFileBytes(bytes), image_count, list);
}

bool DecodeIconImage(IconFileBytes bytes, const MultiImageState& state, DecodeSurfaces& surfaces,
                     Ui& ui) {
  const int width = state.ChosenWidth;
  const int height = state.ChosenHeight;
  if (!FitsEditor(width, height)) {
    ShowWarning(ui, SizeMessage(kDecodeSizeText, width, height), kErrorTitle);
    return false;
  }
  bool soft_alpha = false;
  if (!DecodeIconEntry(bytes, state.ChosenIndex, width, height, surfaces.MaskSurface,
                       surfaces.ColorSurface, &soft_alpha)) {
    ReleaseDecodeSurfaces(surfaces);
    ShowWarning(ui, kDecodeErrorText, kErrorTitle);
    return false;
  }
  ReportSoftAlpha(ui, soft_alpha);
  return true;
}

bool DecodeIconImage(const std::string& path, const MultiImageState& state,
                     DecodeSurfaces& surfaces, Ui& ui) {
  if (!FitsEditor(state.ChosenWidth, state.ChosenHeight))
    return DecodeIconImage(IconFileBytes(), state, surfaces, ui);
  bool ok = false;
  const auto bytes = ReadOrEmpty(path, ok);
  if (!ok) {
    ReleaseDecodeSurfaces(surfaces);
    ShowWarning(ui, kDecodeErrorText, kErrorTitle);
    return false;
  }
  return DecodeIconImage(IconFileBytes(bytes), state, surfaces, ui);
}

}  // namespace brindlex
