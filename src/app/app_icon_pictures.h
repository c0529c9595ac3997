#pragma once

// The editor's own icon as pictures with an alpha channel, for the desktop's icon theme.

#include <cstdint>
#include <vector>

namespace brindlex {

// The window icon (MakeAppIcon) as edge x edge pixels of red, green, blue, alpha bytes, rows
// from the top. Its button-face pixels are transparent (alpha 0, colour 0), all others opaque.
// At 32 pixels these are the window icon's own pixels; at other edges each pixel is the
// area-weighted mean of the 32 x 32 pixels it covers, colours weighted by their alpha, so
// edges fade instead of taking the transparent pixels' colour. An edge below 1 gives nothing.
std::vector<std::uint8_t> AppIconRgba(int edge);

}  // namespace brindlex
