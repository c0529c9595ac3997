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

bool ExtractIcon(const std::string& path, int index, Surface& mask, Surface& color) {
  IconLibrary library;
  return library.Open(path) && LoadExtractableIcon(path, library, index, mask, color);
}

}  // namespace brindlex
