#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace brindlex {

// Texts the editor gets from the outside world (paths, typed text) are UTF-8. A byte that
// does not start a well-formed sequence counts as one character of its own.

// The number of characters of the text.
std::size_t CharacterCount(const std::string& text);

// The byte offset at which each character starts, and the text's length at the end.
std::vector<std::size_t> CharacterBounds(const std::string& text);

}  // namespace brindlex
