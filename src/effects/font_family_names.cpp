#include "effects/font_family_names.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace brindlex {
namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) <
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::string PlainFamilyName(const std::string& name) {
  if (name.empty() || name.back() != ']') return name;
  const std::size_t tag = name.rfind(" [");
  return tag == std::string::npos || tag == 0 ? name : name.substr(0, tag);
}

std::vector<std::string> PlainFontFamilies(std::vector<std::string> names) {
  for (std::string& name : names) name = PlainFamilyName(name);
  std::stable_sort(names.begin(), names.end(), LessIgnoringCase);
  std::set<std::string> seen;
  std::erase_if(names, [&](const std::string& name) { return !seen.insert(name).second; });
  return names;
}

}  // namespace brindlex
