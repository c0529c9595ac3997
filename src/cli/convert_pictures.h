#pragma once

// brindlex-tool convert on RGBA pictures: a PNG picture or a cursor on the input side, a PNG
// picture on the output side, an icon image of a size the editor does not open, or a cursor
// made from an icon image the editor cannot take whole. Every alpha value is kept, and every
// inverting pixel where the output is an icon or cursor bitmap.

#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "cli/tool_support.h"
#include "files/image_kind.h"

namespace brindlex {

// Whether convert takes the RGBA path for an input of this kind (its content) and file name
// to this output, rather than the editor's open and save.
bool ConvertsAsPicture(ImageKind kind, const ImageInput& input, std::span<const std::uint8_t> bytes,
                       const std::string& output, bool png);

// convert IN OUT, IN's bytes already read: picture input.index of the input written as a PNG
// picture (OUT.png) or as a one-image icon or cursor (OUT.ico, OUT.cur) at its smallest
// lossless entry (a PNG entry at 256 pixels, or at every size with `png`). A cursor keeps
// the source cursor's hot spot unless `hot_spot` ("X,Y") gives one. An output that is the
// input file itself, holding other images, is rewritten with the picture's entry first and
// every other entry kept as stored (a PNG output over it is refused).
int ConvertPicture(const ImageInput& input, std::span<const std::uint8_t> bytes,
                   const std::string& output, const std::optional<std::string>& hot_spot, bool png,
                   std::ostream& err);

}  // namespace brindlex
