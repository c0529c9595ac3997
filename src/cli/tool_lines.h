#pragma once

// The tool's lines on standard error, all in English and one line each:
//   brindlex-tool: FILE: reason            (a failure; the exit status becomes 1)
//   brindlex-tool: warning: FILE: reason   (the work was still done)
//   brindlex-tool: what                    (a usage error, followed by the pointer to --help)

#include <cstddef>
#include <ostream>
#include <string>
#include <utility>

#include "platform/ui.h"

namespace brindlex {

// Exit statuses of the tool.
constexpr int kToolSuccess = 0;
constexpr int kToolFailure = 1;
constexpr int kToolUsageError = 2;

// Prints "brindlex-tool: what" and the pointer to --help; returns kToolUsageError.
int UsageError(std::ostream& err, const std::string& what);
// Prints "brindlex-tool: FILE: what"; returns kToolFailure.
int Failure(std::ostream& err, const std::string& file, const std::string& what);
// Prints "brindlex-tool: warning: FILE: what".
void Warning(std::ostream& err, const std::string& file, const std::string& what);
// The failure of a file longer than `limit` bytes, the most the reader of such files takes:
// "brindlex-tool: FILE: the file is too large (more than N MiB)". Returns kToolFailure.
int TooLarge(std::ostream& err, const std::string& file, std::size_t limit);

// The text on one line: every run of CR and LF characters, together with the blanks and
// tabs around it, becomes a single blank; blanks at either end are dropped.
std::string OneLine(const std::string& text);

// The tool's own line for a message that the editor's readers and writers show the user:
// the English reason for the editor's own (Spanish) texts, whether it is only a warning,
// and any other text (the system's descriptions of failed file operations) on one line.
struct ToolLine {
  bool warning = false;
  std::string reason;
};
ToolLine ToolLineFor(const std::string& message);

// A Ui for the work on one file without windows: every message becomes the tool's line
// about that file (ToolLineFor), and every question is answered with OK.
class StreamUi : public Ui {
 public:
  StreamUi(std::ostream& out, std::string file) : out_(out), file_(std::move(file)) {}
  MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageIcon icon,
                            MessageButtons buttons) override;

 private:
  std::ostream& out_;
  std::string file_;
};

}  // namespace brindlex
