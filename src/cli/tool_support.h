#pragma once

// What the tool's commands share: the reading of an input "FILE[:INDEX]", the reading of
// input files with the one report of why they cannot be read, the opening of one icon image
// as the editor opens it and its saving as the editor saves it.

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "cli/tool_lines.h"
#include "extraction/icon_library.h"
#include "files/multi_image_state.h"
#include "pixels/surface.h"

namespace brindlex {

bool FileExists(const std::string& path);
// Whether the path ends in the extension (".ico", ...), letter case ignored.
bool HasExtension(const std::string& path, const std::string& extension);
// Whether an output takes an icon file: a name ending in ".ico", or "-" (standard output).
bool IsIconOutput(const std::string& output);
// Whether both paths name one existing file, whatever the names (symbolic links, other hard
// links, "./" and ".."): the same device and inode.
bool IsSameFile(const std::string& first, const std::string& second);

// Whether the text is a whole number from 0: one decimal digit or more, nothing else.
bool IsWholeNumber(const std::string& text);
// The value of a whole number; INT_MAX for one too large for an int, which lies beyond the
// images or icons of any file.
int WholeNumberValue(const std::string& digits);

// An input "FILE[:INDEX]": the file and the image it names.
struct ImageInput {
  std::string path;
  int index = 0;           // 0 when left out; a number beyond any image count stays beyond it
  bool indexed = false;    // whether ":INDEX" was given
  std::string index_text;  // the index as given, for messages ("0" when left out)
};
// A name that exists as a file is taken whole; otherwise a last ":" followed by digits only
// gives the index.
ImageInput ParseInput(const std::string& arg);

// Reads the whole input file, of at most `max_bytes`; "-" reads standard input. When it
// cannot be read, prints why ("cannot read: REASON", or that the file is too large) and
// returns false.
bool ReadInput(const std::string& path, std::size_t max_bytes, std::vector<std::uint8_t>& bytes,
               std::ostream& err);
// The same, giving `too_large` as the reason a file longer than `max_bytes` is refused.
bool ReadInput(const std::string& path, std::size_t max_bytes, const std::string& too_large,
               std::vector<std::uint8_t>& bytes, std::ostream& err);
// Reads the file and checks that it is an icon, reporting why not.
bool ReadIcon(const std::string& path, std::vector<std::uint8_t>& bytes, std::ostream& err);
// Opens a program, library, animated cursor or icon file for the extraction's reading,
// reporting a file that cannot be read or is too large for its kind. "-" reads standard
// input whole, of at most kMaxLibraryBytesInMemory.
bool OpenIconLibrary(IconLibrary& library, const std::string& path, std::ostream& err);

// One image opened as the editor opens it, and where it came from: `state` has the pick and
// `FromMultiIconFile` set when the file holds several images.
struct OpenedImage {
  Surface mask, color;
  MultiImageState state;
};
// Opens the image of the input as the editor opens it (the multi-image pick through the
// choice dialog's handlers), every pixel as stored: unlike the editor, which makes a white
// inverting pixel opaque black, the tool keeps it, as it writes icons and cursors again.
// Reports failures on err and returns false.
bool OpenIconImage(const ImageInput& input, OpenedImage& image, std::ostream& err);

// Writes the bytes to the output file, replacing it only once they are all written, without
// waiting for the disk (WriteFileAtomically with kLeaveToSystem); "-" writes them to standard
// output. Returns kToolSuccess, or reports the failure and returns kToolFailure.
int WriteOutputFile(const std::string& output, const std::vector<std::uint8_t>& bytes,
                    std::ostream& err);
// Saves the planes to an icon file as the editor's Save does for a document of one image:
// one image at the smallest colour depth that holds its colours. Returns an exit status as
// WriteOutputFile does.
int SaveIconFile(const Surface& mask, const Surface& color, const std::string& output,
                 std::ostream& err);
// Saves an opened image as the editor's Save does: when it came from a multi-image file and
// the output is that very file, the file is rewritten with the image first and every other
// image kept; otherwise as SaveIconFile.
int SaveOpenedImage(const OpenedImage& image, const std::string& source, const std::string& output,
                    std::ostream& err);

}  // namespace brindlex
