#include "document/resource_bitmaps.h"

namespace brindlex {
namespace {

Color DottedAt(int i) { return i % 2 == 0 ? kBlack : kSilver; }

}  // namespace

void CreatePatternDC(ResourceBitmaps& resources) {
  Surface& pattern = resources.CellPattern;
  pattern.background = kWhite;
  pattern.Resize(kCellPatternSize, kCellPatternSize);
  for (int y = 1; y <= kCellPatternSize - 2; ++y)
    for (int x = 1; x <= kCellPatternSize - 2; ++x)
      if ((x + y) % 4 == 0) pattern.SetPixel(x, y, kBlack);
}

void CreateGridDCs(ResourceBitmaps& resources) {
  resources.GridLineH.Resize(kGridLineLength, 1);
  resources.GridLineV.Resize(1, kGridLineLength);
  for (int i = 0; i < kGridLineLength; ++i) {
    resources.GridLineH.SetPixel(i, 0, DottedAt(i));
    resources.GridLineV.SetPixel(0, i, DottedAt(i));
  }
}

ResourceBitmaps LoadedResourceBitmaps() {
  ResourceBitmaps resources;
  CreatePatternDC(resources);
  CreateGridDCs(resources);
  return resources;
}

void DeletePatternDC(ResourceBitmaps& resources) { resources.CellPattern.Resize(0, 0); }

void DeleteGridDCs(ResourceBitmaps& resources) {
  resources.GridLineH.Resize(0, 0);
  resources.GridLineV.Resize(0, 0);
}

void PaintTransparentSwatch(Surface& swatch, const ResourceBitmaps& resources) {
  swatch.background = kWhite;
  swatch.Clear();
  swatch.BitBlt(0, 0, 23, 12, resources.CellPattern, 0, 0);
}

}  // namespace brindlex
