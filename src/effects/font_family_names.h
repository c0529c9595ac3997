#pragma once

#include <string>
#include <vector>

namespace brindlex {

// The name a family is chosen by: a name the system gives with its foundry after it
// ("Nimbus Sans [URW ]") without that tag ("Nimbus Sans"); any other name as it is.
std::string PlainFamilyName(const std::string& name);

// The family names for the font list: each family once by its plain name (families that
// several foundries offer are one entry), sorted alphabetically without regard to case
// (names that differ only in case keep the system's order).
std::vector<std::string> PlainFontFamilies(std::vector<std::string> names);

}  // namespace brindlex
