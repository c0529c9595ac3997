#pragma once

// The command-line tool on the editor's engine: lists the images of icon files and converts
// one image of an icon file the way the editor opens and saves it.

#include <ostream>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace brindlex {

// Exit statuses of the tool.
constexpr int kToolSuccess = 0;
constexpr int kToolFailure = 1;
constexpr int kToolUsageError = 2;

// A Ui for programs without windows: every message goes to a stream as "title: text", its
// CR LF breaks turned into newlines; every question is answered with OK.
class StreamUi : public Ui {
 public:
  explicit StreamUi(std::ostream& out) : out_(out) {}
  MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageIcon icon,
                            MessageButtons buttons) override;

 private:
  std::ostream& out_;
};

// Runs the tool with its arguments (without the program name). Normal output goes to `out`,
// messages and errors to `err`. Returns kToolSuccess, kToolFailure when a file could not be
// read, decoded or written, or kToolUsageError for a command line it does not understand.
int RunIconTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace brindlex
