#include "edit/clipboard_commands.h"

#include <cmath>

namespace brindlex {
namespace {

// A float size as a whole number of pixels: nearest, ties to even; nothing sensible below 0.
int WholePixels(float v) {
  if (!(v > 0)) return 0;
  if (v > 1e8f) return 100000000;
  return static_cast<int>(std::nearbyint(v));
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
  for (int y = 0; y < h; ++y) {
    const Color* from = sized.Row(y);
    Color* mask_row = mask.Row(y);
    Color* image_row = image.Row(y);
    for (int x = 0; x < w; ++x) {
      const bool transparent = !special && from[x] == kWhite;
      mask_row[x] = transparent ? kWhite : kBlack;
      image_row[x] = transparent ? kBlack : from[x];
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
