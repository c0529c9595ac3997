#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "document/pixel_rect.h"
#include "document/resource_bitmaps.h"
#include "pixels/surface.h"

namespace brindlex {

// A draw colour: a colour 0x00BBGGRR, or kTransparentColor for a transparent pixel.
using DrawColorValue = std::int32_t;
constexpr DrawColorValue kTransparentColor = -2;

// The canvas: 384 x 384 pixels of image plus the closing grid line.
constexpr int kCanvasImageSize = 384;
constexpr int kCanvasSize = 385;
// The preview is centred on this window point whatever the icon size.
constexpr int kPreviewCentreX = 456;
constexpr int kPreviewCentreY = 38;

// The three icon sizes, by the index of the size menu.
struct IconSizeInfo {
  int edge;          // pixels per side
  int zoom;          // canvas pixels per icon pixel
  int preview_left;  // window place of the preview
  int preview_top;
};
constexpr std::array<IconSizeInfo, 3> kIconSizes = {{
    {16, 24, 448, 30},
    {32, 12, 440, 22},
    {48, 8, 432, 14},
}};
// One entry of the colour adjustment's per-pixel tables: red, green and blue, any of them
// possibly outside 0..255 while the sliders move.
struct ChannelValues {
  int red = 0, green = 0, blue = 0;
  bool operator==(const ChannelValues&) const = default;
};

// The size-menu index for an edge of 16, 32 or 48 pixels, or −1.
int IconSizeIndexOf(int edge);

// The one open icon: its two planes, the floating-selection planes, the scratch pictures,
// and the three views composed from them (the zoomed canvas with its back buffer and the
// actual-size preview).
//
// A pixel is the pair (mask m, image c) at the same place of PicMask and PicImage and
// shows over a background b as (b AND m) XOR c: opaque c (m = 0), transparent (m = white,
// c = 0) or inverting (m = white, c != 0). A pixel of a modern image may also be partly
// transparent: m = 0 and c holds its alpha beside the colour (pixels/pixel_alpha.h); it
// shows as its colour blended over b. Everything that moves or keeps PicImage values moves
// or keeps the alpha; everything that writes a plain colour makes the pixel opaque.
class IconDocument {
 public:
  explicit IconDocument(const ResourceBitmaps& resources);

  // Size of the icon (16, 32 or 48) and its canvas zoom.
  int Edge() const { return IconLastIndex + 1; }

  // Gives every plane and view the size of menu index size_index and makes the icon fully
  // transparent; the views show empty cells and the grid.
  void MakeBlank(int size_index);

  // The rectangle of the whole icon.
  PixelRect WholeIcon() const { return {0, 0, Edge(), Edge()}; }

  // Recomposes the views over the icon pixels of rect from the planes: those cells of
  // PicMainCopy, the same cells of PicMain with the grid lines around them, and those pixels
  // of PicIcon, each exactly as the full recomposition leaves it; nothing else changes.
  // The whole icon's rectangle gives the full recomposition (and so does any rectangle while
  // a view does not have its regular size).
  void Recompose(const PixelRect& rect);
  // Recomposes PicMainCopy, PicMain and PicIcon from the planes and sets IconChanged.
  void DisplayResults();
  // PicMainCopy: white, with the empty-cell hatch stamped into every cell.
  void PaintEmptyCells();
  // PaintEmptyCells, then the mask stretched over it with AND and the image with XOR.
  void RebuildMainCopy();
  // PicMain = PicMainCopy plus the grid.
  void ShowCanvas();
  // The dotted grid lines over PicMain at every multiple of the zoom up to 384.
  void DrawGrid();
  // PicIcon = button face, AND mask, XOR image.
  void ComposePreview();

  const ResourceBitmaps& Resources() const { return resources_; }

  // Planes.
  Surface PicImage, PicMask, PicSelImage, PicSelMask, PicLoad, PicClip;
  // Views.
  Surface PicMainCopy, PicMain, PicIcon;
  // Window place of the preview.
  int PreviewLeft = kIconSizes[1].preview_left;
  int PreviewTop = kIconSizes[1].preview_top;

  int ZoomFactor = 12;
  int IconLastIndex = 31;
  std::array<DrawColorValue, 2> DrawColor = {static_cast<DrawColorValue>(kBlack),
                                             static_cast<DrawColorValue>(kWhite)};
  bool IconChanged = false;
  // The per-pixel work arrays of the colour adjustment (OrigColors, WorkColors, AdjColors),
  // re-created empty for each icon.
  std::array<std::vector<ChannelValues>, 3> PixelWork;

 private:
  void EnsureEmptyCells();
  // Whether planes, views and grid pictures have the sizes of the current zoom.
  bool RegularViews() const;
  // Recompose for a part of the icon, on regular views.
  void RecomposeCells(const PixelRect& cells);
  // Pixels left..right-1 of preview row y from the planes, over the button face.
  void ComposePreviewRow(int y, int left, int right);

  const ResourceBitmaps& resources_;
  // PicMainCopy as PaintEmptyCells leaves it, for the current zoom: the stamping is done
  // once per size and copied afterwards.
  Surface empty_cells_;
  int empty_cells_zoom_ = 0;
};

}  // namespace brindlex
