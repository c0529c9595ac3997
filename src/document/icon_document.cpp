#include "document/icon_document.h"

namespace brindlex {

int IconSizeIndexOf(int edge) {
  for (int i = 0; i < static_cast<int>(kIconSizes.size()); ++i)
    if (kIconSizes[i].edge == edge) return i;
  return -1;
}

IconDocument::IconDocument(const ResourceBitmaps& resources) : resources_(resources) {
  PicMainCopy.background = kWhite;
  PicMainCopy.Resize(kCanvasImageSize, kCanvasImageSize);
  PicMain.background = kWhite;
  PicMain.Resize(kCanvasSize, kCanvasSize);
  PicIcon.background = kButtonFace;
  PicCol.background = kWhite;
  PicMask.background = kWhite;
  PicImage.background = kBlack;
  MakeBlank(1);
}

void IconDocument::MakeBlank(int size_index) {
  const IconSizeInfo& size = kIconSizes[size_index];
  const int edge = size.edge;
  ZoomFactor = size.zoom;
  IconLastIndex = edge - 1;
  PreviewLeft = size.preview_left;
  PreviewTop = size.preview_top;

  PicIcon.Resize(edge, edge);
  PicIcon.pen = PicIcon.fill = kBlack;
  PicMask.background = kWhite;
  PicMask.Resize(edge, edge);
  PicImage.background = kBlack;
  PicImage.Resize(edge, edge);
  PicSelImage.Resize(edge, PicSelImage.Height());
  PicSelMask.Resize(edge, PicSelMask.Height());
  PicCol.Resize(2 * edge, edge);
  for (auto& work : PixelWork) work.assign(static_cast<std::size_t>(edge) * edge, 0);

  for (Surface* s : {&PicMask, &PicImage, &PicMain, &PicMainCopy}) {
    s->pen = s->fill = kBlack;
    s->filling = false;
    s->draw_mode = DrawMode::kCopy;
    s->pen_width = 1;
  }
  PaintEmptyCells();
  PicMain.Clear();
  ShowCanvas();
  ComposePreview();
}

void IconDocument::PaintEmptyCells() {
  PicMainCopy.Clear();
  const int inner = ZoomFactor - 2;
  for (int y = 1; y <= kCanvasImageSize - 1; y += ZoomFactor)
    for (int x = 1; x <= kCanvasImageSize - 1; x += ZoomFactor)
      PicMainCopy.BitBlt(x, y, inner, inner, resources_.CellPattern, 0, 0);
}

void IconDocument::RebuildMainCopy() {
  PaintEmptyCells();
  const int edge = Edge();
  PicMainCopy.StretchBlt(0, 0, kCanvasImageSize, kCanvasImageSize, PicMask, 0, 0, edge, edge,
                         RasterOp::kAnd);
  PicMainCopy.StretchBlt(0, 0, kCanvasImageSize, kCanvasImageSize, PicImage, 0, 0, edge, edge,
                         RasterOp::kInvert);
}

void IconDocument::ShowCanvas() {
  PicMain.BitBlt(0, 0, kCanvasImageSize, kCanvasImageSize, PicMainCopy, 0, 0);
  DrawGrid();
}

void IconDocument::DrawGrid() {
  for (int k = 0; k <= kCanvasSize; k += ZoomFactor) {
    PicMain.BitBlt(0, k, kGridLineLength, 1, resources_.GridLineH, 0, 0);
    PicMain.BitBlt(k, 0, 1, kGridLineLength, resources_.GridLineV, 0, 0);
  }
}

void IconDocument::ComposePreview() {
  PicIcon.background = kButtonFace;
  PicIcon.Clear();
  PicIcon.BitBlt(0, 0, Edge(), Edge(), PicMask, 0, 0, RasterOp::kAnd);
  PicIcon.BitBlt(0, 0, Edge(), Edge(), PicImage, 0, 0, RasterOp::kInvert);
}

void IconDocument::DisplayResults() {
  RebuildMainCopy();
  ShowCanvas();
  ComposePreview();
  IconChanged = true;
}

void IconDocument::SetDrawColor(DrawColorValue color, bool erasing) {
  if (color == kTransparentColor || erasing) {
    PicIcon.pen = PicIcon.fill = kButtonFace;
    PicMask.pen = PicMask.fill = kWhite;
    PicImage.pen = PicImage.fill = kBlack;
    return;
  }
  const Color c = static_cast<Color>(color) & 0xFFFFFF;
  for (Surface* s : {&PicMain, &PicMainCopy, &PicIcon, &PicImage}) s->pen = s->fill = c;
  PicMask.pen = PicMask.fill = kBlack;
}

}  // namespace brindlex
