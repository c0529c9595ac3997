#include "document/selection_planes.h"

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

// The preview with the floating planes composed over the icon.
void ComposePreviewWithSelection(IconDocument& document, const Block& block) {
  document.ComposePreview();
  document.PicIcon.BitBlt(block.x0, block.y0, document.PicSelMask.Width(),
                          document.PicSelMask.Height(), document.PicSelMask, 0, 0, RasterOp::kAnd);
  document.PicIcon.BitBlt(block.x0, block.y0, document.PicSelImage.Width(),
                          document.PicSelImage.Height(), document.PicSelImage, 0, 0,
                          RasterOp::kInvert);
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

void ShowMovingSelection(IconDocument& document, const SelectionState& selection) {
  const Surface& mask = document.PicSelMask;
  const Surface& image = document.PicSelImage;
  const int width = selection.SelRight - selection.SelLeft;
  const int height = selection.SelBottom - selection.SelTop;
  document.PicMain.BitBlt(0, 0, kCanvasImageSize, kCanvasImageSize, document.PicMainCopy, 0, 0);
  document.PicMain.StretchBlt(selection.SelLeft, selection.SelTop, width, height, mask, 0, 0,
                              mask.Width(), mask.Height(), RasterOp::kAnd);
  document.PicMain.StretchBlt(selection.SelLeft, selection.SelTop, width, height, image, 0, 0,
                              image.Width(), image.Height(), RasterOp::kInvert);
  document.DrawGrid();
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
  document.RebuildMainCopy();
  document.ShowCanvas();
  document.ComposePreview();
  DrawSelectionFrame(document, selection);
  document.IconChanged = true;
}

bool MergeSelection(IconDocument& document, SelectionState& selection) {
  HideSelectionFrame(document, selection);
  if (!selection.WasOnlyMarked) {
    const Block block = SelectedBlock(document, selection);
    const Surface& mask = document.PicSelMask;
    const Surface& image = document.PicSelImage;
    document.PicImage.BitBlt(block.x0, block.y0, mask.Width(), mask.Height(), mask, 0, 0,
                             RasterOp::kAnd);
    document.PicImage.BitBlt(block.x0, block.y0, image.Width(), image.Height(), image, 0, 0,
                             RasterOp::kInvert);
    document.PicMask.BitBlt(block.x0, block.y0, mask.Width(), mask.Height(), mask, 0, 0,
                            RasterOp::kAnd);
  }
  // A marked selection's pixels never left the icon: merging its copy over itself would
  // turn inverting pixels transparent, so only the views are recomposed. The preview
  // follows the planes too, so that it never keeps a moved block's old place.
  document.RebuildMainCopy();
  document.ShowCanvas();
  document.ComposePreview();
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
