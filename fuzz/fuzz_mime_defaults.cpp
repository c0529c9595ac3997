// Feeds arbitrary text, as a mimeapps.list, to the function that adds the editor as the
// default for the icon types. When it accepts the text, the result must keep every byte of
// the input in order (blanks at the end of a filled empty key aside), be accepted again, and
// need no further change.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/mime_defaults.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

std::string WithoutBlanks(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != ' ' && c != '\t') out += c;
  return out;
}

bool IsSubsequence(const std::string& part, const std::string& whole) {
  std::size_t at = 0;
  for (char c : whole)
    if (at < part.size() && part[at] == c) ++at;
  return at == part.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> types = {"image/vnd.microsoft.icon", "image/x-icon"};
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto result = brindlex::WithDefaultApplication(text, types, "brindlex.desktop");
  if (!result) return 0;
  Check(IsSubsequence(WithoutBlanks(text), WithoutBlanks(*result)));
  const auto again = brindlex::WithDefaultApplication(*result, types, "brindlex.desktop");
  Check(again.has_value() && *again == *result);
  return 0;
}
