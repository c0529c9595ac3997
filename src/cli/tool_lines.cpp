#include "cli/tool_lines.h"

#include <string_view>

#include "files/icon_messages.h"

namespace brindlex {
namespace {

constexpr const char* kProgram = "brindlex-tool";

bool StartsWith(const std::string& text, std::string_view start) {
  return text.compare(0, start.size(), start) == 0;
}

// "W x H" of the editor's size messages, which end in a line break and "W x H pixels.".
std::string SizeIn(const std::string& message) {
  constexpr std::string_view kEnd = " pixels.";
  std::string size = message.substr(message.find_last_of('\n') + 1);
  if (size.size() >= kEnd.size() && size.compare(size.size() - kEnd.size(), kEnd.size(), kEnd) == 0)
    size.resize(size.size() - kEnd.size());
  return size;
}

}  // namespace

int UsageError(std::ostream& err, const std::string& what) {
  err << kProgram << ": " << what << "\n"
      << "Try 'brindlex-tool --help' for more information.\n";
  return kToolUsageError;
}

int Failure(std::ostream& err, const std::string& file, const std::string& what) {
  err << kProgram << ": " << file << ": " << what << "\n";
  return kToolFailure;
}

void Warning(std::ostream& err, const std::string& file, const std::string& what) {
  err << kProgram << ": warning: " << file << ": " << what << "\n";
}

int TooLarge(std::ostream& err, const std::string& file, std::size_t limit) {
  return Failure(err, file,
                 "the file is too large (more than " + std::to_string(limit >> 20) + " MiB)");
}

std::string OneLine(const std::string& text) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  auto line_break = [](char c) { return c == '\r' || c == '\n'; };
  std::string line;
  for (std::size_t i = 0; i < text.size();) {
    if (!line_break(text[i])) {
      line += text[i++];
      continue;
    }
    while (!line.empty() && blank(line.back())) line.pop_back();
    while (i < text.size() && (line_break(text[i]) || blank(text[i]))) ++i;
    line += ' ';
  }
  const auto first = line.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

ToolLine ToolLineFor(const std::string& message) {
  if (StartsWith(message, kSingleIconSizeText) || StartsWith(message, kDecodeSizeText))
    return {false, "the image is " + SizeIn(message) +
                       " pixels; only 16 x 16, 32 x 32 and 48 x 48 images can be opened"};
  if (message == kSingleIconLoadErrorText || message == kDecodeErrorText)
    return {false, "the image is damaged and cannot be decoded"};
  if (message == kSoftAlphaText)
    return {true,
            "the image has partly transparent pixels; those of alpha 128 or more became "
            "opaque, the others transparent"};
  return {false, OneLine(message)};
}

MessageAnswer StreamUi::ShowMessage(const std::string& text, const std::string&, MessageIcon,
                                    MessageButtons) {
  const ToolLine line = ToolLineFor(text);
  if (line.warning)
    Warning(out_, file_, line.reason);
  else
    Failure(out_, file_, line.reason);
  return MessageAnswer::kOk;
}

}  // namespace brindlex
