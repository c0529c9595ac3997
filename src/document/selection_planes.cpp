#include "document/selection_planes.h"

#include <algorithm>

#include "document/canvas_grid.h"
#include "pixels/pixel_alpha.h"

namespace brindlex {
namespace {

struct Block {
  int x0, y0, w, h;
};

Block SelectedBlock(const IconDocument& document, const SelectionState& selection) {
  const int z = document.ZoomFactor;
  return {selection.SelLeft / z, selection.SelTop / z, (selection.SelRight - selection.SelLeft) / z,
          (selection.SelBottom - selection.SelTop) / z};
}

// Calls each(x, y, sx, sy) for every pixel (x, y) of `target` that the floating planes
// cover when their corner lies at (x0, y0) and each of their pixels is a zoom x zoom block;
// (sx, sy) is the floating pixel there.
template <typename Each>
void ForEachCovered(const Surface& target, const IconDocument& document, int x0, int y0, int zoom,
                    Each each) {
  const long long w = std::min(document.PicSelMask.Width(), document.PicSelImage.Width());
  const long long h = std::min(document.PicSelMask.Height(), document.PicSelImage.Height());
  const long long first_x = std::max(0, x0), first_y = std::max(0, y0);
  const long long last_x = std::min<long long>(target.Width(), x0 + w * zoom);
  const long long last_y = std::min<long long>(target.Height(), y0 + h * zoom);
  for (long long y = first_y; y < last_y; ++y)
    for (long long x = first_x; x < last_x; ++x)
      each(static_cast<int>(x), static_cast<int>(y), static_cast<int>((x - x0) / zoom),
           static_cast<int>((y - y0) / zoom));
}

// Merges the floating planes into the icon planes at the block: where a floating pixel is
// opaque it replaces the icon's, where it is partly transparent it is laid over it (as it
// showed while floating); where it is transparent or inverting the icon's pixel stays,
// inverted by an inverting one, its alpha kept.
void MergeFloatingPlanes(IconDocument& document, const Block& block) {
  if (document.PicMask.Width() != document.PicImage.Width() ||
      document.PicMask.Height() != document.PicImage.Height())
    return;
  ForEachCovered(document.PicImage, document, block.x0, block.y0, 1,
                 [&](int x, int y, int sx, int sy) {
                   const Color m = document.PicSelMask.Row(sy)[sx];
                   const Color c = document.PicSelImage.Row(sy)[sx];
                   Color& image = document.PicImage.Row(y)[x];
                   Color& mask = document.PicMask.Row(y)[x];
                   image = m == kWhite ? image ^ c : LayOver(c, mask, image);
                   mask &= m;
                 });
}

}  // namespace

void ComposeFloatingPlanes(const IconDocument& document, Surface& view, int left, int top,
                           int zoom) {
  ForEachCovered(view, document, left, top, zoom, [&](int x, int y, int sx, int sy) {
    view.Row(y)[x] = ComposePixel(view.Row(y)[x], document.PicSelMask.Row(sy)[sx],
                                  document.PicSelImage.Row(sy)[sx]);
  });
}

namespace {

// The preview with the floating planes composed over the icon.
void ComposePreviewWithSelection(IconDocument& document, const Block& block) {
  document.ComposePreview();
  ComposeFloatingPlanes(document, document.PicIcon, block.x0, block.y0, 1);
}

}  // namespace

void CopySelectionArea(IconDocument& document, const SelectionState& selection) {
  const Block block = SelectedBlock(document, selection);
  document.PicSelImage.background = kBlack;
  document.PicSelMask.background = kWhite;
  document.PicSelImage.Resize(block.w, block.h);
  document.PicSelMask.Resize(block.w, block.h);
  document.PicSelImage.BitBlt(0, 0, block.w, block.h, document.PicImage, block.x0, block.y0);
  document.PicSelMask.BitBlt(0, 0, block.w, block.h, document.PicMask, block.x0, block.y0);
}

void LiftSelection(IconDocument& document, SelectionState& selection) {
  const int z = document.ZoomFactor;
  const int x0 = selection.SelLeft / z, y0 = selection.SelTop / z;
  const int x1 = selection.SelRight / z - 1, y1 = selection.SelBottom / z - 1;
  document.PicMask.Box(x0, y0, x1, y1, true, kWhite);
  document.PicImage.Box(x0, y0, x1, y1, true, kBlack);
  document.PicIcon.Box(x0, y0, x1, y1, true, kButtonFace);
  document.RebuildMainCopy();
  selection.SelectionMarked = false;
  selection.SelectionFloating = true;
}

namespace {

// The floating planes widened to canvas columns: each plane pixel repeated zoom times, for
// the columns [first_x, last_x) of the canvas.
struct WideRow {
  Color mask[kCanvasImageSize], image[kCanvasImageSize];
  void Widen(const Surface& sel_mask, const Surface& sel_image, int py, int left, int zoom,
             int first_x, int last_x) {
    const Color* m = sel_mask.Row(py);
    const Color* c = sel_image.Row(py);
    for (int x = first_x; x < last_x; ++x) {
      const int px = (x - left) / zoom;
      mask[x] = m[px];
      image[x] = c[px];
    }
  }
};

// PicMain = PicMainCopy, then (PicMain AND mask) XOR image over the block at (left, top) with
// every plane pixel a zoom x zoom square, then the grid: what the copy, the two stretches and
// DrawGrid give, in one pass over the rows.
void ComposeMovingCanvas(IconDocument& document, int left, int top) {
  const int zoom = document.ZoomFactor;
  const Surface& mask = document.PicSelMask;
  const Surface& image = document.PicSelImage;
  const int first_x = std::max(left, 0);
  const int last_x = static_cast<int>(
      std::clamp<long long>(left + 1LL * zoom * mask.Width(), 0, kCanvasImageSize));
  const int first_y = std::max(top, 0);
  const int last_y = static_cast<int>(
      std::clamp<long long>(top + 1LL * zoom * mask.Height(), 0, kCanvasImageSize));
  WideRow wide;
  int widened = -1;
  for (int y = 0; y < kCanvasImageSize; ++y) {
    Color* __restrict row = document.PicMain.Row(y);
    const Color* from = document.PicMainCopy.Row(y);
    std::copy(from, from + kCanvasImageSize, row);
    if (y >= first_y && y < last_y && first_x < last_x) {
      const int py = (y - top) / zoom;
      if (py != widened) wide.Widen(mask, image, py, left, zoom, first_x, last_x);
      widened = py;
      for (int x = first_x; x < last_x; ++x)
        row[x] = ComposePixel(row[x], wide.mask[x], wide.image[x]);
    }
    PutGridRow(row, y, zoom, document.Resources());
  }
  PutGridRow(document.PicMain.Row(kCanvasImageSize), kCanvasImageSize, zoom, document.Resources());
}

}  // namespace

void ShowMovingSelection(IconDocument& document, const SelectionState& selection) {
  const Surface& mask = document.PicSelMask;
  const Surface& image = document.PicSelImage;
  const int zoom = document.ZoomFactor;
  const int width = selection.SelRight - selection.SelLeft;
  const int height = selection.SelBottom - selection.SelTop;
  const ResourceBitmaps& grid = document.Resources();
  // The usual case, whole cells on a full-size canvas with its grid pictures, in one pass;
  // anything else the plain way.
  const bool regular =
      width == zoom * mask.Width() && height == zoom * mask.Height() &&
      image.Width() == mask.Width() && image.Height() == mask.Height() &&
      document.PicMain.Width() == kCanvasSize && document.PicMain.Height() == kCanvasSize &&
      document.PicMainCopy.Width() == kCanvasImageSize &&
      document.PicMainCopy.Height() == kCanvasImageSize &&
      grid.GridLineH.Width() == kGridLineLength && grid.GridLineV.Height() == kGridLineLength;
  if (regular) {
    ComposeMovingCanvas(document, selection.SelLeft, selection.SelTop);
  } else {
    document.PicMain.BitBlt(0, 0, kCanvasImageSize, kCanvasImageSize, document.PicMainCopy, 0, 0);
    document.PicMain.StretchBlt(selection.SelLeft, selection.SelTop, width, height, mask, 0, 0,
                                mask.Width(), mask.Height(), RasterOp::kAnd);
    document.PicMain.StretchBlt(selection.SelLeft, selection.SelTop, width, height, image, 0, 0,
                                image.Width(), image.Height(), RasterOp::kInvert);
    document.DrawGrid();
  }
  ComposePreviewWithSelection(document, SelectedBlock(document, selection));
}

void ShowFloatingSelection(IconDocument& document, const SelectionState& selection) {
  ShowMovingSelection(document, selection);
  DrawSelectionFrame(document, selection);
  document.IconChanged = true;
}

void StoreSelectionInPlace(IconDocument& document, const SelectionState& selection) {
  const Block block = SelectedBlock(document, selection);
  document.PicMask.BitBlt(block.x0, block.y0, document.PicSelMask.Width(),
                          document.PicSelMask.Height(), document.PicSelMask, 0, 0);
  document.PicImage.BitBlt(block.x0, block.y0, document.PicSelImage.Width(),
                           document.PicSelImage.Height(), document.PicSelImage, 0, 0);
  document.Recompose(document.WholeIcon());
  DrawSelectionFrame(document, selection);
  document.IconChanged = true;
}

bool MergeSelection(IconDocument& document, SelectionState& selection) {
  HideSelectionFrame(document, selection);
  if (!selection.WasOnlyMarked) {
    MergeFloatingPlanes(document, SelectedBlock(document, selection));
  }
  // A marked selection's pixels never left the icon: merging its copy over itself would
  // turn inverting pixels transparent, so only the views are recomposed. The preview
  // follows the planes too, so that it never keeps a moved block's old place.
  document.Recompose(document.WholeIcon());
  selection.SelLeft = selection.SelTop = selection.SelRight = selection.SelBottom = -1;
  return !selection.WasOnlyMarked;
}

void DrawSelectionFrame(IconDocument& document, const SelectionState& selection) {
  Surface& canvas = document.PicMain;
  canvas.draw_mode = DrawMode::kInvert;
  canvas.pen_width = 3;
  canvas.Box(selection.SelLeft, selection.SelTop, selection.SelRight, selection.SelBottom, false);
  canvas.draw_mode = DrawMode::kCopy;
  canvas.pen_width = 1;
}

void HideSelectionFrame(IconDocument& document, SelectionState& selection) {
  DrawSelectionFrame(document, selection);
  selection.WasOnlyMarked = selection.SelectionMarked;
  selection.SelectionMarked = false;
  selection.SelectionFloating = false;
}

}  // namespace brindlex
