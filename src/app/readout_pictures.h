#pragma once

#include "pixels/surface.h"

namespace brindlex {

// The 16 x 16 picture beside the position readout: cross hairs over a grid cell.
Surface MakePositionPicture();
// The 16 x 16 picture beside the size readout: a frame with a double arrow across it.
Surface MakeSizePicture();

}  // namespace brindlex
