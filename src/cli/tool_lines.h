#pragma once

// The tool's lines on standard error, all in English and one line each:
//   brindlex-tool: FILE: reason            (a failure; the exit status becomes 1)
//   brindlex-tool: warning: FILE: reason   (the work was still done)
//   brindlex-tool: what                    (a usage error, followed by the pointer to --help)

#include <cstddef>
#include <ostream>
#include <string>

#include "files/icon_reader.h"

namespace brindlex {

// The one wording of an input of a kind a command does not take: "not a" and the kinds it
// takes. list, convert and create read pictures; count and extract read whatever holds icons.
constexpr const char* kNotAPicture = "not an icon, cursor or PNG file";
constexpr const char* kNotAnIconHolder =
    "not a program, library, icon library, animated cursor, icon or cursor file";
// An icon or cursor file whose header or directory cannot be read.
constexpr const char* kDamagedImageList =
    "the image list cannot be read (damaged directory or header)";

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
// Its reason: "the file is too large (more than N MiB)".
std::string TooLargeReason(std::size_t limit);

// The text on one line: every run of CR and LF characters, together with the blanks and
// tabs around it, becomes a single blank; blanks at either end are dropped.
std::string OneLine(const std::string& text);
// The text without the blanks and tabs at either end.
std::string Trimmed(const std::string& text);

// The failure of an image that did not load: its size when it is not one the editor opens,
// or that it is damaged. Returns kToolFailure.
int LoadFailure(std::ostream& err, const std::string& file, const IconLoadResult& result);
// The warning for an image that loaded with partly transparent pixels, when it did.
void SoftAlphaWarning(std::ostream& err, const std::string& file, const IconLoadResult& result);

}  // namespace brindlex
