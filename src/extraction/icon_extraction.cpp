#include "extraction/icon_extraction.h"

namespace brindlex {

int CountExtractableIcons(const std::string& path, IconLibrary& library) {
  library.Open(path);
  return library.IconCount();
}

bool ExtractIcon(const std::string& path, int index, Surface& mask, Surface& color,
                 std::optional<CursorHotSpot>& hot_spot) {
  IconLibrary library;
  if (!library.Open(path) || !library.LoadIcon(index, mask, color)) return false;
  CursorHotSpot found;
  hot_spot.reset();
  if (library.LoadHotSpot(index, found)) hot_spot = found;
  return true;
}

}  // namespace brindlex
