// Fuzzes the whole reading path of icon files: the check, the count, the list, the one-image
// load and the decoding of every listed image, on the bytes and once through a file. Every
// image that decodes is written again and read back, which must give the same planes.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "files/color_depth.h"
#include "files/icon_decoder.h"
#include "files/icon_reader.h"
#include "files/icon_writer.h"
#include "forms/silent_ui.h"

namespace {

using namespace brindlex;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

bool OnlyBlackAndWhite(const Surface& plane) {
  for (const Color c : plane.Pixels())
    if (c != kBlack && c != kWhite) return false;
  return true;
}

void CheckRoundTrip(const Surface& mask, const Surface& color) {
  std::vector<std::uint8_t> written;
  Check(BuildIconFileBytes(mask, color, ChooseColorDepth(color, true), written));
  Surface mask2, color2;
  Check(DecodeIconEntry(written, 0, color.Width(), color.Height(), mask2, color2));
  Check(mask2.SamePixels(mask) && color2.SamePixels(color));
}

std::string TempPath() {
  static const std::string path = "/tmp/fuzz_icon_reader." + std::to_string(::getpid()) + ".ico";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const IconFileBytes bytes(data, size);
  SilentUi ui;
  const bool valid = IsValidIconFile(bytes);
  const int count = GetIconImageCount(bytes);
  Check(count >= 0);

  Surface mask, color;
  const int before = ui.messages;
  if (LoadSingleIcon(bytes, ui, mask, color)) {
    // Only the soft-transparency warning may have been shown, exactly when the image fades.
    bool soft_alpha = false;
    Surface mask1, color1;
    Check(DecodeIconEntry(bytes, 0, mask.Width(), mask.Height(), mask1, color1, &soft_alpha));
    Check(ui.messages == before + (soft_alpha ? 1 : 0));
    Check(mask.Width() == color.Width() && mask.Height() == color.Height());
    Check(OnlyBlackAndWhite(mask));
    CheckRoundTrip(mask, color);
  } else {
    Check(ui.messages == before + 1);
  }

  IconImageList list;
  if (ListIconImages(bytes, count, list)) {
    Check(static_cast<int>(list.rows.size()) == count && list.selected == 0);
    for (int k = 0; k < count && k < 64; ++k) {
      MultiImageState state;
      state.ChosenIndex = k;
      state.ChosenBitCount = list.rows[k].bit_count;
      std::sscanf(list.rows[k].text.c_str(), "%d x %d", &state.ChosenWidth, &state.ChosenHeight);
      DecodeSurfaces surfaces;
      if (DecodeIconImage(bytes, state, surfaces, ui)) {
        Check(surfaces.MaskSurface.Width() == state.ChosenWidth);
        Check(surfaces.ColorSurface.Height() == state.ChosenHeight);
        Check(OnlyBlackAndWhite(surfaces.MaskSurface));
        CheckRoundTrip(surfaces.MaskSurface, surfaces.ColorSurface);
      } else {
        Check(surfaces.MaskSurface.Width() == 0 && surfaces.ColorSurface.Width() == 0);
      }
    }
  } else {
    Check(list.rows.empty());
  }

  // The path functions read the same bytes from a file.
  if (FILE* file = std::fopen(TempPath().c_str(), "wb")) {
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    Check(IsValidIconFile(TempPath()) == valid);
    Check(GetIconImageCount(TempPath()) == count);
    IconImageList from_file;
    Check(ListIconImages(TempPath(), count, from_file) == !list.rows.empty());
    Check(from_file.rows.size() == list.rows.size());
    Surface mask2, color2;
    SilentUi quiet;
    if (LoadSingleIcon(TempPath(), quiet, mask2, color2)) Check(mask2.SamePixels(mask));
  }
  return 0;
}
