#include "cli/thumbnailer.h"

#include <algorithm>
#include <cctype>

#include "cli/memory_failure.h"
#include "cli/thumbnail_scale.h"
#include "cli/tool_lines.h"
#include "cli/tool_support.h"

#ifndef BRINDLEX_VERSION
#error "BRINDLEX_VERSION is given by the build (CMakeLists.txt)"
#endif

namespace brindlex {
namespace {

constexpr const char* kUsage =
    "Usage: brindlex-thumbnailer [-s SIZE] INPUT OUTPUT.png\n"
    "\n"
    "Writes the icon a Windows file browser shows for INPUT as an RGBA PNG "
    "picture of at\n"
    "most SIZE x SIZE pixels (128 when left out; at most 1024 are drawn):\n"
    "  a program, library or control (.exe, .dll, .ocx; 32- and 64-bit PE, "
    "16-bit NE)\n"
    "  or an icon library (.icl): its first icon;\n"
    "  an animated cursor (.ani): its first step;\n"
    "  an icon or cursor file (.ico, .cur): its best image;\n"
    "  a PNG picture, such as many a favicon.ico: itself.\n"
    "Files are recognised by their content, not their names. The image taken "
    "is the\n"
    "smallest one at least SIZE wide and high (else the largest), of the "
    "greatest depth,\n"
    "among those of at most 2048 pixels on a side;\n"
    "a larger one is reduced, a smaller one enlarged by a whole factor, pixel "
    "for pixel.\n"
    "INPUT may be a file:// URI.\n"
    "\n"
    "Options: -s SIZE (or --size SIZE, --size=SIZE); -h, --help: this help; --version:\n"
    "the version.\n"
    "\n"
    "Exit status: 0 when the picture was written; 1 when the file holds no "
    "icon, cannot be\n"
    "read or is damaged, or the picture cannot be written (no file is left "
    "then); 2 for a\n"
    "command line that is not understood.\n";

int ThumbnailUsageError(std::ostream& err, const std::string& what) {
  err << "brindlex-thumbnailer: " << what << "\n"
      << "Try 'brindlex-thumbnailer --help' for more information.\n";
  return kToolUsageError;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsSchemeCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
}

bool EqualIgnoringCase(const std::string& text, const std::string& lower) {
  return std::equal(text.begin(), text.end(), lower.begin(), lower.end(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == b;
  });
}

// The text with each %XX replaced by the byte XX. False for a broken escape or an escaped NUL,
// which would cut the path short.
bool DecodePercentEscapes(const std::string& text, std::string& decoded) {
  decoded.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      decoded += text[i];
      continue;
    }
    const int high = i + 2 < text.size() ? HexDigit(text[i + 1]) : -1;
    const int low = i + 2 < text.size() ? HexDigit(text[i + 2]) : -1;
    if (high < 0 || low < 0 || (high == 0 && low == 0)) return false;
    decoded += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return true;
}

// The value of SIZE: a whole number from 1, else 0.
int SizeValue(const std::string& text) {
  if (!IsWholeNumber(text)) return 0;
  return WholeNumberValue(text);
}

}  // namespace

bool InputPath(const std::string& input, std::string& path) {
  const std::size_t scheme_end = input.find("://");
  if (scheme_end == std::string::npos || scheme_end == 0 ||
      !std::all_of(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(scheme_end),
                   IsSchemeCharacter)) {
    path = input;
    return true;
  }
  if (!EqualIgnoringCase(input.substr(0, scheme_end), "file")) return false;
  std::string rest = input.substr(scheme_end + 3);
  if (rest.rfind("localhost/", 0) == 0) rest.erase(0, 9);
  return !rest.empty() && rest[0] == '/' && DecodePercentEscapes(rest, path);
}

bool ParseThumbnailArguments(const std::vector<std::string>& args, ThumbnailRequest& request,
                             bool& help, std::ostream& err) {
  request = ThumbnailRequest();
  help = false;
  std::vector<std::string> words;
  bool options_ended = false, size_given = false;
  auto refuse = [&err](const std::string& what) {
    ThumbnailUsageError(err, what);
    return false;
  };
  auto take_size = [&](const std::string& text) {
    if (size_given) return refuse("the size is given twice");
    size_given = true;
    request.size = SizeValue(text);
    return request.size != 0 || refuse("the size must be a whole number from 1: " + text);
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_ended || arg.size() < 2 || arg[0] != '-') {
      words.push_back(arg);
    } else if (arg == "--") {
      options_ended = true;
    } else if (arg == "-h" || arg == "--help") {
      help = true;
    } else if (arg == "--version") {
      request.version = true;
    } else if (arg == "-s" || arg == "--size") {
      if (i + 1 == args.size()) return refuse(arg + " needs its value");
      if (!take_size(args[++i])) return false;
    } else if (arg.rfind("--size=", 0) == 0) {
      if (!take_size(arg.substr(7))) return false;
    } else {
      return refuse("unknown option '" + arg + "'");
    }
  }
  if (help || request.version) return true;
  if (words.size() != 2) return refuse("an input file and an output file are needed");
  request.input = words[0];
  request.output = words[1];
  return true;
}

int RunThumbnailer(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  ThumbnailRequest request;
  bool help = false;
  if (!ParseThumbnailArguments(args, request, help, err)) return kToolUsageError;
  if (help) {
    out << kUsage;
    return kToolSuccess;
  }
  if (request.version) {
    out << "brindlex-thumbnailer " BRINDLEX_VERSION "\n";
    return kToolSuccess;
  }
  std::string path;
  if (!InputPath(request.input, path)) {
    err << "brindlex-thumbnailer: " << request.input << ": not a local file\n";
    return kToolFailure;
  }
  return UnlessMemoryRunsOut(
      [&] {
        return ThumbnailCommand(path, request.input, std::min(request.size, kMaxThumbnailSize),
                                request.output, err);
      },
      [&] {
        err << "brindlex-thumbnailer: " << request.input << ": " << kNotEnoughMemory << "\n";
        return kToolFailure;
      });
}

}  // namespace brindlex
