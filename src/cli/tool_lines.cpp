#include "cli/tool_lines.h"

namespace brindlex {
namespace {

constexpr const char* kProgram = "brindlex-tool";

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
  return Failure(err, file, TooLargeReason(limit));
}

std::string TooLargeReason(std::size_t limit) {
  return "the file is too large (more than " + std::to_string(limit >> 20) + " MiB)";
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
  return Trimmed(line);
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

int LoadFailure(std::ostream& err, const std::string& file, const IconLoadResult& result) {
  if (result.status == IconLoadStatus::kWrongSize)
    return Failure(err, file,
                   "the image is " + std::to_string(result.width) + " x " +
                       std::to_string(result.height) +
                       " pixels; only 16 x 16, 32 x 32 and 48 x 48 images can be opened");
  return Failure(err, file, "the image is damaged and cannot be decoded");
}

void SoftAlphaWarning(std::ostream& err, const std::string& file, const IconLoadResult& result) {
  if (result.Loaded() && result.soft_alpha)
    Warning(err, file,
            "the image has partly transparent pixels; those of alpha 128 or more became "
            "opaque, the others transparent");
}

}  // namespace brindlex
