#pragma once

#include "platform/screen_grab.h"

namespace brindlex::qt {

// The primary screen through Qt, in device pixels. It fails where the window system does not
// let programs read the screen (an empty picture comes back).
class QtScreenGrab : public ScreenGrab {
 public:
  bool GrabScreen(Surface& picture) override;

  // The one screen grab of the program.
  static QtScreenGrab& Instance();
};

}  // namespace brindlex::qt
