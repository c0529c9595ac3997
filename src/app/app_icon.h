#pragma once

#include "pixels/surface.h"

namespace brindlex {

// The editor's own 32 x 32 icon, shown on its windows: a zoomed grid of a few coloured
// cells with a pencil across it. Pixels equal to kButtonFace are transparent.
Surface MakeAppIcon();

}  // namespace brindlex
