#pragma once

// brindlex-thumbnailer: the picture a file manager shows for a Windows program,
// library, icon library, animated cursor, cursor or icon file, run once per
// file as
//   brindlex-thumbnailer -s SIZE INPUT OUTPUT.png
// Its lines on standard error read "brindlex-thumbnailer: FILE: reason".

#include <ostream>
#include <string>
#include <vector>

namespace brindlex {

// The thumbnail asked for on the command line.
struct ThumbnailRequest {
  int size = 128;  // -s SIZE; 128, the file managers' normal size, when left out
  std::string input;
  std::string output;
  bool version = false;  // --version: print the version and draw nothing
};

// Reads "[-s SIZE | --size SIZE | --size=SIZE] INPUT OUTPUT" (the option
// anywhere; "--" ends the options). SIZE is a whole number from 1. INPUT is a
// path or a file:// URI. False, with the usage error on `err`, for anything
// else; `help` is set for -h or --help, `request.version` for --version (no files needed
// with either).
bool ParseThumbnailArguments(const std::vector<std::string>& args, ThumbnailRequest& request,
                             bool& help, std::ostream& err);

// The local path of an input: a path as it is; a "file://" URI ("file:///p" or
// "file://localhost/p") with its %XX escapes decoded. False for another URI
// scheme ("x://"), a URI naming another host, a broken escape, or an escaped
// NUL.
bool InputPath(const std::string& input, std::string& path);

// Runs the thumbnailer with its arguments (without the program name): help on
// `out`, errors on `err`. Returns 0 when the thumbnail was written, 1 when
// there is none to make (no icon, a damaged or unreadable file, an output that
// cannot be written; no output file is left then), 2 for a command line it does
// not understand.
int RunThumbnailer(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Writes the thumbnail of the file at `path` (a local path), `size` pixels at
// most, to `output` as an RGBA PNG picture, atomically. Returns 0 or 1 as
// RunThumbnailer, the failure on `err` named by `shown_name`.
int ThumbnailCommand(const std::string& path, const std::string& shown_name, int size,
                     const std::string& output, std::ostream& err);

}  // namespace brindlex
