#include "document/canvas_grid.h"

#include "document/icon_document.h"

namespace brindlex {

void PutGridRow(Color* row, int y, int zoom, const ResourceBitmaps& grid) {
  const bool on_line = y % zoom == 0;
  if (on_line) {
    const Color* line = grid.GridLineH.Row(0);
    for (int x = 0; x < kGridLineLength; ++x) row[x] = line[x];
  }
  const Color dot = grid.GridLineV.Row(y)[0];
  for (int k = on_line ? y : 0; k < kCanvasSize; k += zoom) row[k] = dot;
}

}  // namespace brindlex
