#include "platform/utf8_text.h"

namespace brindlex {
namespace {

// The length of the well-formed UTF-8 sequence starting at text[i], or 0.
std::size_t SequenceLength(const std::string& text, std::size_t i) {
  const unsigned char c = static_cast<unsigned char>(text[i]);
  std::size_t length = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
  if (c >= 0xF5 || length == 0 || i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k)
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
  const unsigned char second = static_cast<unsigned char>(text[i + 1]);
  // Overlong forms, surrogates and values past U+10FFFF are not well formed.
  if ((c == 0xE0 && second < 0xA0) || (c == 0xED && second >= 0xA0) ||
      (c == 0xF0 && second < 0x90) || (c == 0xF4 && second >= 0x90))
    return 0;
  return length;
}

// The number of bytes of the character starting at text[i].
std::size_t CharacterLength(const std::string& text, std::size_t i) {
  if (static_cast<unsigned char>(text[i]) < 0x80) return 1;
  const std::size_t length = SequenceLength(text, i);
  return length == 0 ? 1 : length;
}

}  // namespace

std::size_t CharacterCount(const std::string& text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); i += CharacterLength(text, i)) ++count;
  return count;
}

std::vector<std::size_t> CharacterBounds(const std::string& text) {
  std::vector<std::size_t> bounds;
  for (std::size_t i = 0; i < text.size(); i += CharacterLength(text, i)) bounds.push_back(i);
  bounds.push_back(text.size());
  return bounds;
}

}  // namespace brindlex
