#include "shell/mime_defaults.h"

#include <cstdint>

namespace brindlex {
namespace {

constexpr char kDefaultsGroup[] = "Default Applications";

// One line of the file: its text without the line ending, and the ending as found.
struct Line {
  std::string text;
  std::string ending;
};

std::vector<Line> SplitLines(const std::string& text) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    Line line;
    if (end == std::string::npos) {
      line.text = text.substr(start);
      start = text.size();
    } else {
      line.text = text.substr(start, end - start);
      line.ending = '\n';
      start = end + 1;
    }
    if (!line.ending.empty() && !line.text.empty() && line.text.back() == '\r') {
      line.text.pop_back();
      line.ending.insert(line.ending.begin(), '\r');
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string Trim(const std::string& s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// True when the text is well-formed UTF-8 without NUL bytes.
bool IsCleanUtf8(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    int follow = 0;
    std::uint32_t code = 0;
    if (c == 0) return false;
    if (c < 0x80) {
      ++i;
      continue;
    }
    if (c >= 0xC2 && c <= 0xDF) {
      follow = 1;
      code = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      follow = 2;
      code = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      follow = 3;
      code = c & 0x07;
    } else {
      return false;
    }
    if (i + follow >= text.size()) return false;
    for (int k = 1; k <= follow; ++k) {
      const unsigned char next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    const std::uint32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    if (code < smallest[follow] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
      return false;
    i += follow + 1;
  }
  return true;
}

enum class LineKind { kBlank, kComment, kGroup, kEntry, kUnknown };

LineKind KindOf(const std::string& text) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty()) return LineKind::kBlank;
  if (trimmed.front() == '#') return LineKind::kComment;
  if (trimmed.front() == '[')
    return trimmed.back() == ']' && trimmed.size() > 2 ? LineKind::kGroup : LineKind::kUnknown;
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string::npos || Trim(trimmed.substr(0, equals)).empty())
    return LineKind::kUnknown;
  for (unsigned char c : trimmed)
    if (c < 0x20 && c != '\t') return LineKind::kUnknown;
  return LineKind::kEntry;
}

// What the walk through the file found about the defaults.
struct DefaultsFound {
  bool understood = true;
  // The line after which missing keys go (the first defaults group's last entry, or its
  // header); npos when the file has no such group.
  std::size_t insert_after = std::string::npos;
  // For each type: set (has a non-empty default), or the line of an empty key to fill.
  std::vector<bool> set;
  std::vector<std::size_t> empty_line;
};

DefaultsFound FindDefaults(const std::vector<Line>& lines, const std::vector<std::string>& types) {
  DefaultsFound found;
  found.set.assign(types.size(), false);
  found.empty_line.assign(types.size(), std::string::npos);
  bool in_group = false, in_defaults = false, in_first_defaults = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string trimmed = Trim(lines[i].text);
    const LineKind kind = KindOf(lines[i].text);
    if (kind == LineKind::kUnknown || (kind == LineKind::kEntry && !in_group)) {
      found.understood = false;
      return found;
    }
    if (kind == LineKind::kGroup) {
      in_group = true;
      in_defaults = trimmed.substr(1, trimmed.size() - 2) == kDefaultsGroup;
      in_first_defaults = in_defaults && found.insert_after == std::string::npos;
      if (in_first_defaults) found.insert_after = i;
    }
    if (kind != LineKind::kEntry || !in_defaults) continue;
    if (in_first_defaults) found.insert_after = i;
    const std::size_t equals = trimmed.find('=');
    const std::string key = Trim(trimmed.substr(0, equals));
    const bool has_value = !Trim(trimmed.substr(equals + 1)).empty();
    for (std::size_t t = 0; t < types.size(); ++t) {
      if (key != types[t]) continue;
      if (has_value) found.set[t] = true;
      if (!has_value && found.empty_line[t] == std::string::npos) found.empty_line[t] = i;
    }
  }
  return found;
}

}  // namespace

std::optional<std::string> WithDefaultApplication(const std::string& list_text,
                                                  const std::vector<std::string>& types,
                                                  const std::string& desktop_id) {
  if (!IsCleanUtf8(list_text)) return std::nullopt;
  std::vector<Line> lines = SplitLines(list_text);
  const DefaultsFound found = FindDefaults(lines, types);
  if (!found.understood) return std::nullopt;

  // New lines end as the file's first line does.
  const std::string ending =
      lines.empty() || lines.front().ending.empty() ? std::string("\n") : lines.front().ending;
  std::vector<Line> added;
  for (std::size_t t = 0; t < types.size(); ++t) {
    if (found.set[t]) continue;
    if (found.empty_line[t] != std::string::npos) {
      std::string& text = lines[found.empty_line[t]].text;  // "key=" with blanks kept before
      text.erase(text.find_last_not_of(" \t") + 1);
      text += desktop_id;
    } else {
      added.push_back({types[t] + "=" + desktop_id, ending});
    }
  }
  if (!added.empty()) {
    std::size_t at = found.insert_after;
    if (at == std::string::npos) {
      if (!lines.empty() && lines.back().ending.empty()) lines.back().ending = ending;
      if (!lines.empty() && !Trim(lines.back().text).empty()) lines.push_back({"", ending});
      lines.push_back({std::string("[") + kDefaultsGroup + "]", ending});
      at = lines.size() - 1;
    }
    if (lines[at].ending.empty()) lines[at].ending = ending;  // the file's last line
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at) + 1, added.begin(), added.end());
  }
  std::string text;
  for (const Line& line : lines) text += line.text + line.ending;
  return text;
}

}  // namespace brindlex
