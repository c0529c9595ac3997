#pragma once

// The tool's exports and the multi-icon build, on the editor's own writers and builder.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/tool_support.h"

namespace brindlex {

// Whether convert writes this output through ConvertExport (a .bmp or .cur file).
bool IsExportOutput(const std::string& output);

// convert IN[:INDEX] OUT.bmp, or OUT.cur [--hotspot X,Y]: opens the image as the editor
// opens it and writes what the editor's bitmap or cursor export writes. `hot_spot` is the
// value of --hotspot ("X,Y"), absent for the default 0,0; it must name a pixel of the image.
// The caller has refused --hotspot for outputs other than cursors.
int ConvertExport(const ImageInput& input, const std::string& output,
                  const std::optional<std::string>& hot_spot, std::ostream& err);

// build OUT.ico IN.ico...: loads the inputs in order into the builder's slots as its window
// does and writes the file as its Create does.
int BuildCommand(const std::string& output, const std::vector<std::string>& inputs,
                 std::ostream& err);

}  // namespace brindlex
