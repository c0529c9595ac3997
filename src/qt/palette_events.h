#pragma once

#include <functional>

#include "app/frm_brindlex.h"

namespace brindlex::qt {

class SurfaceView;

// The views of the colour controls that take the mouse.
struct PaletteViews {
  SurfaceView* pal = nullptr;
  SurfaceView* grey_pal = nullptr;
  SurfaceView* mini_pal = nullptr;
  SurfaceView* screen = nullptr;
};

// Forwards the mouse of each colour control to the form's handlers, keeps the pointer
// inside the control the form confines it to, and calls after_event after each event.
void ConnectPalettes(FrmBrindlex& form, const PaletteViews& views,
                     std::function<void()> after_event);

}  // namespace brindlex::qt
