#pragma once

// brindlex-tool convert with a PNG picture on one side: a 16, 32 or 48 pixel PNG made into an
// icon file as the editor saves it, or one image of an icon file written as an RGBA PNG.

#include <ostream>
#include <string>

#include "cli/tool_support.h"

namespace brindlex {

// convert IN.png OUT.ico. Exit status kToolFailure with a message naming the size when the
// picture is not 16, 32 or 48 pixels square, or when it cannot be read or decoded.
int ConvertPngToIcon(const std::string& input, const std::string& output, std::ostream& err);

// convert IN.ico[:INDEX] OUT.png. Inverting pixels are written transparent, with a warning
// on `err` naming how many.
int ConvertIconToPng(const ImageInput& input, const std::string& output, std::ostream& err);

}  // namespace brindlex
