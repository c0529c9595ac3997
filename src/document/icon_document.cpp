#include "document/icon_document.h"

#include <algorithm>

#include "document/canvas_grid.h"
#include "pixels/pixel_alpha.h"

namespace brindlex {
namespace {

// Widens icon pixels left..right-1 of one row to canvas width: each becomes zoom entries of
// wide_mask and wide_image, from canvas column left * zoom on. The empty cells are black and
// white only, so a partly transparent pixel is widened as the pair that composes it blended
// over either, and the rows are then combined by AND and XOR alone.
void WidenIconRow(const Color* mask, const Color* image, int left, int right, int zoom,
                  Color* wide_mask, Color* wide_image) {
  for (int px = left, x = left * zoom; px < right; ++px) {
    const MaskAndColor pixel = OverBlackOrWhite(mask[px], image[px]);
    for (int i = 0; i < zoom; ++i, ++x) {
      wide_mask[x] = pixel.mask;
      wide_image[x] = pixel.color;
    }
  }
}

// canvas = (empty AND mask) XOR image, every icon pixel a zoom x zoom block: the result of
// stretching both planes over the empty cells with AND and XOR. Each icon row is widened to
// canvas width once and then combined with whole canvas rows.
//
// When `shown` is given, each row is also put on the visible canvas with its grid, as
// ShowCanvas would leave it.
void ComposeBlocks(int zoom, const Surface& mask_plane, const Surface& image_plane,
                   const Surface& empty, Surface& canvas, const ResourceBitmaps* grid = nullptr,
                   Surface* shown = nullptr) {
  const int edge = kCanvasImageSize / zoom;
  Color wide_mask[kCanvasImageSize], wide_image[kCanvasImageSize];
  for (int py = 0; py < edge; ++py) {
    WidenIconRow(mask_plane.Row(py), image_plane.Row(py), 0, edge, zoom, wide_mask, wide_image);
    for (int y = py * zoom; y < (py + 1) * zoom; ++y) {
      const Color* __restrict from = empty.Row(y);
      Color* __restrict to = canvas.Row(y);
      for (int x = 0; x < kCanvasImageSize; ++x) to[x] = (from[x] & wide_mask[x]) ^ wide_image[x];
      if (shown != nullptr) {
        Color* __restrict row = shown->Row(y);
        for (int x = 0; x < kCanvasImageSize; ++x) row[x] = to[x];
        PutGridRow(row, y, zoom, *grid);
      }
    }
  }
  if (shown != nullptr) PutGridRow(shown->Row(kCanvasImageSize), kCanvasImageSize, zoom, *grid);
}

}  // namespace

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
  for (auto& work : PixelWork) work.assign(static_cast<std::size_t>(edge) * edge, ChannelValues{});

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
  EnsureEmptyCells();
  PicMainCopy.BitBlt(0, 0, kCanvasImageSize, kCanvasImageSize, empty_cells_, 0, 0);
}

void IconDocument::EnsureEmptyCells() {
  // Every pixel of the empty cells is exactly black or white (the cell pattern is), which
  // WidenIconRow counts on.
  if (empty_cells_zoom_ != ZoomFactor) {
    empty_cells_.background = kWhite;
    empty_cells_.Resize(kCanvasImageSize, kCanvasImageSize);
    const int inner = ZoomFactor - 2;
    for (int y = 1; y <= kCanvasImageSize - 1; y += ZoomFactor)
      for (int x = 1; x <= kCanvasImageSize - 1; x += ZoomFactor)
        empty_cells_.BitBlt(x, y, inner, inner, resources_.CellPattern, 0, 0);
    // Cells stamped before the pattern exists are plain white: build them again later.
    empty_cells_zoom_ = resources_.Loaded() ? ZoomFactor : 0;
  }
}

void IconDocument::RebuildMainCopy() {
  // The empty cells, the mask stretched over them with AND and the image with XOR, in one
  // pass: every icon pixel covers a ZoomFactor x ZoomFactor block of the canvas.
  const int zoom = ZoomFactor, edge = Edge();
  if (PicMask.Width() != edge || PicImage.Width() != edge || zoom * edge != kCanvasImageSize) {
    PaintEmptyCells();
    PicMainCopy.StretchBlt(0, 0, kCanvasImageSize, kCanvasImageSize, PicMask, 0, 0, edge, edge,
                           RasterOp::kAnd);
    PicMainCopy.StretchBlt(0, 0, kCanvasImageSize, kCanvasImageSize, PicImage, 0, 0, edge, edge,
                           RasterOp::kInvert);
    return;
  }
  EnsureEmptyCells();
  ComposeBlocks(zoom, PicMask, PicImage, empty_cells_, PicMainCopy);
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
  const int w = std::min({Edge(), PicIcon.Width(), PicMask.Width(), PicImage.Width()});
  const int h = std::min({Edge(), PicIcon.Height(), PicMask.Height(), PicImage.Height()});
  for (int y = 0; y < h; ++y) ComposePreviewRow(y, 0, w);
}

void IconDocument::ComposePreviewRow(int y, int left, int right) {
  const Color* mask = PicMask.Row(y);
  const Color* image = PicImage.Row(y);
  Color* preview = PicIcon.Row(y);
  for (int x = left; x < right; ++x) preview[x] = ComposePixel(kButtonFace, mask[x], image[x]);
}

bool IconDocument::RegularViews() const {
  const int edge = Edge();
  return PicMask.Width() == edge && PicImage.Width() == edge && PicMask.Height() == edge &&
         PicImage.Height() == edge && PicIcon.Width() == edge && PicIcon.Height() == edge &&
         ZoomFactor * edge == kCanvasImageSize && PicMain.Width() == kCanvasSize &&
         PicMain.Height() == kCanvasSize && PicMainCopy.Width() == kCanvasImageSize &&
         PicMainCopy.Height() == kCanvasImageSize &&
         resources_.GridLineH.Width() == kGridLineLength &&
         resources_.GridLineV.Height() == kGridLineLength;
}

void IconDocument::Recompose(const PixelRect& rect) {
  const PixelRect cells = rect.ClippedTo(Edge());
  if (cells.Empty()) return;
  if (!RegularViews()) {
    RebuildMainCopy();
    ShowCanvas();
    ComposePreview();
  } else if (cells == WholeIcon()) {
    // RebuildMainCopy and ShowCanvas in one pass over the rows.
    EnsureEmptyCells();
    ComposeBlocks(ZoomFactor, PicMask, PicImage, empty_cells_, PicMainCopy, &resources_, &PicMain);
    ComposePreview();
  } else {
    RecomposeCells(cells);
  }
}

void IconDocument::RecomposeCells(const PixelRect& cells) {
  const int zoom = ZoomFactor;
  EnsureEmptyCells();
  const int x0 = cells.left * zoom, x1 = cells.right * zoom;
  const int y0 = cells.top * zoom, y1 = cells.bottom * zoom;
  const Color* line = resources_.GridLineH.Row(0);
  Color wide_mask[kCanvasImageSize], wide_image[kCanvasImageSize];
  for (int py = cells.top; py < cells.bottom; ++py) {
    WidenIconRow(PicMask.Row(py), PicImage.Row(py), cells.left, cells.right, zoom, wide_mask,
                 wide_image);
    for (int y = py * zoom; y < (py + 1) * zoom; ++y) {
      const Color* __restrict empty = empty_cells_.Row(y);
      Color* __restrict back = PicMainCopy.Row(y);
      Color* __restrict shown = PicMain.Row(y);
      for (int x = x0; x < x1; ++x) shown[x] = back[x] = (empty[x] & wide_mask[x]) ^ wide_image[x];
    }
  }
  // The grid lines over and around the cells, closing lines included, as DrawGrid leaves
  // them: the horizontal line on a grid row, and the vertical lines' dot at every grid column
  // (on a grid row only from column y on, as each horizontal line is drawn before its
  // vertical one).
  for (int y = y0; y <= y1; ++y) {
    Color* shown = PicMain.Row(y);
    const bool on_line = y % zoom == 0;
    if (on_line) std::copy(line + x0, line + x1 + 1, shown + x0);
    const int from = std::max(on_line ? y : 0, x0);
    const Color dot = resources_.GridLineV.Row(y)[0];
    for (int k = (from + zoom - 1) / zoom * zoom; k <= x1; k += zoom) shown[k] = dot;
  }
  for (int py = cells.top; py < cells.bottom; ++py) ComposePreviewRow(py, cells.left, cells.right);
}

void IconDocument::DisplayResults() {
  Recompose(WholeIcon());
  IconChanged = true;
}

}  // namespace brindlex
