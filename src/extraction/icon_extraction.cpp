#include "extraction/icon_extraction.h"

namespace brindlex {

int CountExtractableIcons(const std::string& path, IconLibrary& library) {
  library.Open(path);
  return library.IconCount();
}

bool ExtractIcon(const std::string& path, int index, Surface& mask, Surface& color) {
  IconLibrary library;
  return library.Open(path) && library.LoadIcon(index, mask, color);
}

}  // namespace brindlex
