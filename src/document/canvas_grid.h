#pragma once

#include "document/resource_bitmaps.h"
#include "pixels/surface.h"

namespace brindlex {

// Row y of the visible canvas as DrawGrid leaves it over any content: the horizontal line's
// pixels on a grid row, and the vertical lines' dot at every grid column (on a grid row only
// from column y on, as DrawGrid draws each horizontal line before the vertical one of the
// same place). The row holds kCanvasSize pixels.
void PutGridRow(Color* row, int y, int zoom, const ResourceBitmaps& grid);

}  // namespace brindlex
