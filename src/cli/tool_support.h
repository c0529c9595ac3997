#pragma once

// What the tool's commands share: exit statuses, error lines, the reading of an input
// "FILE[:INDEX]" and the opening of one icon image as the editor opens it.

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "pixels/surface.h"
#include "platform/ui.h"

namespace brindlex {

// Exit statuses of the tool.
constexpr int kToolSuccess = 0;
constexpr int kToolFailure = 1;
constexpr int kToolUsageError = 2;

// A Ui for programs without windows, for the work on one file: every message goes to the
// stream as one line "brindlex-tool: FILE: text" (no title; the text's line breaks, with the
// blanks around them, become one blank); every question is answered with OK.
class StreamUi : public Ui {
 public:
  StreamUi(std::ostream& out, std::string file) : out_(out), file_(std::move(file)) {}
  MessageAnswer ShowMessage(const std::string& text, const std::string& title, MessageIcon icon,
                            MessageButtons buttons) override;

 private:
  std::ostream& out_;
  std::string file_;
};

// The text on one line: every run of CR and LF characters, together with the blanks and
// tabs around it, becomes a single blank; blanks at either end are dropped.
std::string OneLine(const std::string& text);

// Prints "brindlex-tool: what" and the pointer to --help; returns kToolUsageError.
int UsageError(std::ostream& err, const std::string& what);
// Prints "brindlex-tool: FILE: what"; returns kToolFailure.
int Failure(std::ostream& err, const std::string& file, const std::string& what);

bool FileExists(const std::string& path);
// Whether the path ends in the extension (".ico", ...), letter case ignored.
bool HasExtension(const std::string& path, const std::string& extension);

// Splits "IN.ico:INDEX" into path and index (0 when left out). A name that exists as a file
// is taken whole.
void ParseInput(const std::string& arg, std::string& path, int& index);

// Reads the file and checks that it is an icon, reporting why not.
bool ReadIcon(const std::string& path, std::vector<std::uint8_t>& bytes, std::ostream& err);

// Opens image `index` of the icon file at `path` as the editor opens it (the multi-image pick
// through the choice dialog's handlers, then the loaded planes normalised). Reports failures
// on err and returns False.
bool OpenIconImage(const std::string& path, int index, Surface& mask, Surface& color,
                   std::ostream& err);

// Writes the bytes to the output file, replacing it only once they are all written.
// Returns kToolSuccess, or reports the failure and returns kToolFailure.
int WriteOutputFile(const std::string& output, const std::vector<std::uint8_t>& bytes,
                    std::ostream& err);

// Saves the planes to an icon file as the editor's Save does: one image at the smallest
// colour depth that holds its colours. Returns an exit status as WriteOutputFile does.
int SaveIconFile(const Surface& mask, const Surface& color, const std::string& output,
                 std::ostream& err);

}  // namespace brindlex
