#pragma once

#include "pixels/surface.h"

namespace brindlex {

// The three pictures the editor keeps for the whole run: the dotted grid lines and the
// hatch that marks an empty (transparent) cell.
struct ResourceBitmaps {
  Surface GridLineH;    // 385 x 1: black at even x, silver at odd x
  Surface GridLineV;    // 1 x 385: black at even y, silver at odd y
  Surface CellPattern;  // 23 x 23: white, black where 1 <= x, y <= 21 and (x + y) % 4 == 0
  bool Loaded() const { return CellPattern.Width() > 0; }
};

constexpr int kGridLineLength = 385;
constexpr int kCellPatternSize = 23;

// Builds the empty-cell pattern into the resources.
void CreatePatternDC(ResourceBitmaps& resources);
// Builds the two grid lines into the resources.
void CreateGridDCs(ResourceBitmaps& resources);
// The three pictures, built.
ResourceBitmaps LoadedResourceBitmaps();
// Release the pictures again (they become empty).
void DeletePatternDC(ResourceBitmaps& resources);
void DeleteGridDCs(ResourceBitmaps& resources);

// Shows a colour swatch as transparent: white with the top-left 23 x 12 of the hatch.
void PaintTransparentSwatch(Surface& swatch, const ResourceBitmaps& resources);

}  // namespace brindlex
