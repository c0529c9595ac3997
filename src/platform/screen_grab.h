#pragma once

#include "pixels/surface.h"

namespace brindlex {

// A frozen picture of the whole primary screen.
class ScreenGrab {
 public:
  virtual ~ScreenGrab() = default;
  // Fills picture with what the screen shows now, one surface pixel per device pixel.
  // False, leaving picture as it was, when the screen cannot be read (no permission, no
  // display).
  virtual bool GrabScreen(Surface& picture) = 0;
};

// A screen that can never be read.
class NoScreenGrab : public ScreenGrab {
 public:
  bool GrabScreen(Surface&) override { return false; }
};

}  // namespace brindlex
