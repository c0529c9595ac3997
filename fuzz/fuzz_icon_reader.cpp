// Fuzzes the whole reading path of icon files: the check, the count, the list, the one-image
// load (by the threshold and with the alpha kept) and the decoding of every listed image.
// Every image that decodes is written again and read back, which must give the same planes.

#include <cstdint>
#include <vector>

#include "files/color_depth.h"
#include "files/icon_decoder.h"
#include "files/icon_reader.h"
#include "files/icon_writer.h"

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

// Planes loaded with their alpha kept: the same size as by the threshold, a black-and-white
// mask, and written (at 32 bits when a pixel is partly transparent) and loaded again the same.
void CheckKeptAlpha(IconFileBytes bytes, const IconLoadResult& threshold, const Surface& mask) {
  Surface kept_mask, kept;
  const IconLoadResult loaded = LoadSingleIcon(bytes, kept_mask, kept, AlphaRule::kKeep);
  Check(loaded.status == threshold.status);
  if (!loaded.Loaded()) return;
  Check(kept_mask.Width() == mask.Width() && kept.Height() == mask.Height());
  Check(OnlyBlackAndWhite(kept_mask));
  std::vector<std::uint8_t> written;
  Check(BuildIconFileBytes(kept_mask, kept, ChooseColorDepth(kept, true), written));
  Surface mask2, color2;
  Check(LoadSingleIcon(written, mask2, color2, AlphaRule::kKeep).Loaded());
  Check(mask2.SamePixels(kept_mask) && color2.SamePixels(kept));
}

void CheckRoundTrip(const Surface& mask, const Surface& color) {
  std::vector<std::uint8_t> written;
  Check(BuildIconFileBytes(mask, color, ChooseColorDepth(color, true), written));
  Surface mask2, color2;
  Check(DecodeIconEntry(written, 0, color.Width(), color.Height(), mask2, color2));
  Check(mask2.SamePixels(mask) && color2.SamePixels(color));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const IconFileBytes bytes(data, size);
  IsValidIconFile(bytes);
  const int count = GetIconImageCount(bytes);
  Check(count >= 0);

  Surface mask, color;
  const IconLoadResult loaded = LoadSingleIcon(bytes, mask, color);
  if (loaded.Loaded()) {
    // The soft-transparency report is the decoder's, exactly when the image fades.
    bool soft_alpha = false;
    Surface mask1, color1;
    Check(DecodeIconEntry(bytes, 0, mask.Width(), mask.Height(), mask1, color1, &soft_alpha));
    Check(loaded.soft_alpha == soft_alpha);
    Check(mask.Width() == color.Width() && mask.Height() == color.Height());
    Check(OnlyBlackAndWhite(mask));
    CheckRoundTrip(mask, color);
    CheckKeptAlpha(bytes, loaded, mask);
  } else {
    Check(mask.Width() == 0 && color.Width() == 0);
  }

  IconImageList list;
  if (ListIconImages(bytes, count, list)) {
    Check(static_cast<int>(list.rows.size()) == count && list.selected == 0);
    for (int k = 0; k < count && k < 64; ++k) {
      DecodeSurfaces surfaces;
      if (DecodeIconImage(bytes, k, surfaces).Loaded()) {
        Check(surfaces.MaskSurface.Width() == list.rows[k].width);
        Check(surfaces.ColorSurface.Height() == list.rows[k].height);
        Check(OnlyBlackAndWhite(surfaces.MaskSurface));
        CheckRoundTrip(surfaces.MaskSurface, surfaces.ColorSurface);
      } else {
        Check(surfaces.MaskSurface.Width() == 0 && surfaces.ColorSurface.Width() == 0);
      }
    }
  } else {
    Check(list.rows.empty());
  }

  return 0;
}
