#include "edit/clipboard_commands.h"

#include <algorithm>
#include <cmath>

#include "pixels/pixel_alpha.h"

namespace brindlex {
namespace {

// A float size as a whole number of pixels: nearest, ties to even; nothing sensible below 0.
int WholePixels(float v) {
  if (!(v > 0)) return 0;
  if (v > 1e8f) return 100000000;
  return static_cast<int>(std::nearbyint(v));
}

struct PastedPixel {
  Color mask, image;
};

// One pixel of a pasted picture as an icon pixel. A picture without alpha: white is
// transparent, any other colour opaque (with special, every colour opaque). A picture that
// uses its alpha: alpha 0 is transparent, 255 opaque whatever the colour, any other alpha
// partly transparent; with special, every pixel opaque as painted over white.
PastedPixel PastePixel(Color c, bool uses_alpha, bool special) {
  if (special) return {kBlack, BlendOver(c, kWhite)};
  if (!uses_alpha) return c == kWhite ? PastedPixel{kWhite, kBlack} : PastedPixel{kBlack, c};
  if (TransparencyOf(c) == 255) return {kWhite, kBlack};
  return {kBlack, c};
}

}  // namespace

void BuildPastedSelection(IconDocument& document, const Surface& picture, float width, float height,
                          bool stretch, bool special) {
  const int w = WholePixels(width), h = WholePixels(height);
  // The picture brought to w x h.
  Surface sized(w, h, kWhite);
  if (stretch) {
    sized.StretchBlt(0, 0, w, h, picture, 0, 0, picture.Width(), picture.Height());
  } else {
    sized.BitBlt(0, 0, w, h, picture, 0, 0);
  }
  Surface& mask = document.PicSelMask;
  Surface& image = document.PicSelImage;
  mask.background = kWhite;
  mask.Resize(w, h);
  image.background = kBlack;
  image.Resize(w, h);
  const bool uses_alpha =
      std::any_of(picture.Pixels().begin(), picture.Pixels().end(), IsTranslucent);
  for (int y = 0; y < h; ++y) {
    const Color* from = sized.Row(y);
    Color* mask_row = mask.Row(y);
    Color* image_row = image.Row(y);
    for (int x = 0; x < w; ++x) {
      const PastedPixel pixel = PastePixel(from[x], uses_alpha, special);
      mask_row[x] = pixel.mask;
      image_row[x] = pixel.image;
    }
  }
}

void ShowPastedSelectionAtOrigin(IconDocument& document, SelectionState& selection) {
  const int z = document.ZoomFactor;
  const int w = document.PicSelMask.Width(), h = document.PicSelMask.Height();
  ComposeFloatingPlanes(document, document.PicMain, 0, 0, z);
  document.DrawGrid();
  ComposeFloatingPlanes(document, document.PicIcon, 0, 0, 1);
  selection.SelLeft = 0;
  selection.SelTop = 0;
  selection.SelRight = z * w;
  selection.SelBottom = z * h;
  DrawSelectionFrame(document, selection);
}

void CopySelectionToClipboard(const IconDocument& document, Clipboard& clipboard) {
  const Surface& mask = document.PicSelMask;
  const Surface& image = document.PicSelImage;
  Surface composed(mask.Width(), mask.Height(), kWhite);
  composed.BitBlt(0, 0, mask.Width(), mask.Height(), mask, 0, 0, RasterOp::kAnd);
  composed.BitBlt(0, 0, image.Width(), image.Height(), image, 0, 0, RasterOp::kInvert);
  if (std::any_of(image.Pixels().begin(), image.Pixels().end(), IsTranslucent)) {
    // XOR has carried each partly transparent pixel's alpha over the white; a transparent
    // pixel gets alpha 0.
    const int w = std::min(mask.Width(), image.Width()),
              h = std::min(mask.Height(), image.Height());
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (mask.Row(y)[x] == kWhite && image.Row(y)[x] == kBlack)
          composed.Row(y)[x] = WithAlpha(kWhite, 0);
  }
  clipboard.PutImage(composed);
}

void DeleteSelectionArea(IconDocument& document, SelectionState& selection, UndoHistory& history,
                         bool was_marked) {
  HideSelectionFrame(document, selection);
  if (was_marked) {
    const int z = document.ZoomFactor;
    const int x0 = selection.SelLeft / z, y0 = selection.SelTop / z;
    const int x1 = selection.SelRight / z - 1, y1 = selection.SelBottom / z - 1;
    document.PicMask.Box(x0, y0, x1, y1, true, kWhite);
    document.PicImage.Box(x0, y0, x1, y1, true, kBlack);
  }
  // The canvas and the preview show the planes again, without the floating pixels.
  document.Recompose(document.WholeIcon());
  selection.SelLeft = selection.SelTop = selection.SelRight = selection.SelBottom = -1;
  history.CommitEdit(document);
}

void MarkWholeIcon(IconDocument& document, SelectionState& selection) {
  selection.SelLeft = 0;
  selection.SelTop = 0;
  selection.SelRight = kCanvasImageSize;
  selection.SelBottom = kCanvasImageSize;
  DrawSelectionFrame(document, selection);
  CopySelectionArea(document, selection);
}

}  // namespace brindlex
