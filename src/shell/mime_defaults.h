#pragma once

#include <optional>
#include <string>
#include <vector>

namespace brindlex {

// The text of a mimeapps.list with `desktop_id` as the default application of every type in
// `types` that has no default yet (no key for it, or only empty ones, in a
// "[Default Applications]" group). A type with a default keeps it. Every other line, comment
// and group keeps its text, its line ending and its place; the missing keys are added at the
// end of the first "[Default Applications]" group, or in a new such group at the end.
//
// Nothing when the text is not understood whole: a line that is neither blank, a comment, a
// group header nor a key=value line inside a group, a NUL byte, or bytes that are not UTF-8.
// Such a file must be left alone.
std::optional<std::string> WithDefaultApplication(const std::string& list_text,
                                                  const std::vector<std::string>& types,
                                                  const std::string& desktop_id);

}  // namespace brindlex
