#include "extraction/icon_extraction.h"

#include <cctype>

namespace brindlex {

bool IsAnimatedName(const std::string& path) {
  if (path.size() < 4) return false;
  std::string tail = path.substr(path.size() - 4);
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == ".ani";
}

int ExtractableIconCount(const std::string& path, IconLibrary& library) {
  return IsAnimatedName(path) ? library.StepCount(0) : library.IconCount();
}

int CountExtractableIcons(const std::string& path, IconLibrary& library) {
  library.Open(path);
  return ExtractableIconCount(path, library);
}

bool LoadExtractableIcon(const std::string& path, IconLibrary& library, int index, Surface& mask,
                         Surface& color) {
  return IsAnimatedName(path) ? library.LoadIcon(0, index, mask, color)
                              : library.LoadIcon(index, 0, mask, color);
}

bool LoadExtractableHotSpot(const std::string& path, IconLibrary& library, int index,
                            CursorHotSpot& hot_spot) {
  return IsAnimatedName(path) ? library.LoadHotSpot(0, index, hot_spot)
                              : library.LoadHotSpot(index, 0, hot_spot);
}

bool ExtractIcon(const std::string& path, int index, Surface& mask, Surface& color,
                 std::optional<CursorHotSpot>& hot_spot) {
  IconLibrary library;
  if (!library.Open(path) || !LoadExtractableIcon(path, library, index, mask, color)) return false;
  CursorHotSpot found;
  hot_spot.reset();
  if (LoadExtractableHotSpot(path, library, index, found)) hot_spot = found;
  return true;
}

}  // namespace brindlex
