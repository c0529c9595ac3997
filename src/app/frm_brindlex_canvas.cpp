// The canvas's mouse events and the readouts beside the preview.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/frm_brindlex.h"

namespace brindlex {
namespace {

// A mouse coordinate as an integer: nearest, ties to even, limited to the 16-bit range
// the window variables hold.
int RoundCoordinate(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<int>(std::clamp(std::nearbyint(v), -32768.0, 32767.0));
}

std::string TwoDigits(int v) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", v);
  return buffer;
}

// Extent of a drag along one axis, in icon pixels, from the press at cell d to the pointer
// at cell e; shapes count both end pixels, selections the pixels between two corners.
int DragExtent(int e, int d, int last_index, bool shape) {
  if (e > last_index) return last_index - d + 1;
  if (e < 0) return shape ? d + 1 : d;
  return std::abs(e - d) + (shape ? 1 : 0);
}

}  // namespace

void FrmBrindlex::PicMain_MouseDown(int button, int /*shift*/, double x, double y) {
  if (!PicMainEnabled || (button != kLeftButton && button != kRightButton)) return;
  DownX = RoundCoordinate(x);
  DownY = RoundCoordinate(y);
}

void FrmBrindlex::PicMain_MouseMove(int button, int /*shift*/, double x, double y) {
  if (!PicMainEnabled) return;
  MouseX = RoundCoordinate(x);
  MouseY = RoundCoordinate(y);
  ShowCoordinates(button);
}

void FrmBrindlex::PicMain_MouseUp(int button, int /*shift*/, double /*x*/, double /*y*/) {
  if (!PicMainEnabled || (button != kLeftButton && button != kRightButton)) return;
}

void FrmBrindlex::ShowCoordinates(int button) {
  const int zoom = Document.ZoomFactor, last = Document.IconLastIndex;
  const int px = std::clamp(MouseX / zoom, 0, last);
  const int py = std::clamp(MouseY / zoom, 0, last);
  PositionReadout = TwoDigits(px) + ", " + TwoDigits(py);
  const bool pressed = (button & (kLeftButton | kRightButton)) != 0;
  const bool selecting = CurrentTool == 0;
  const bool shaping = CurrentTool >= 5 && CurrentTool <= 11;
  if (!pressed || Selection.MovingSelection || !(selecting || shaping)) return;
  const int w = DragExtent(MouseX / zoom, DownX / zoom, last, shaping);
  const int h = DragExtent(MouseY / zoom, DownY / zoom, last, shaping);
  SizeReadout = TwoDigits(w) + " x " + TwoDigits(h);
}

}  // namespace brindlex
