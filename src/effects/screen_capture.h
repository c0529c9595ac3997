#pragma once

#include "pixels/surface.h"

namespace brindlex {

// Texts of the screen capture.
inline constexpr char kCaptureFailedText[] = "no se pudo kapturar la pantalla";
inline constexpr char kCaptureFailedTitle[] = "Quorvane 2001 - Error";

// Interval of the frame's animation.
constexpr int kCaptureTimerMilliseconds = 50;
// Phases of the frame's dashes.
constexpr int kFramePhases = 4;

// The frame sheet for an icon edge S, with n = S + 2 the frame's outer size: 2n x 4n
// monochrome pixels, one n-row band per phase p (rows n·p to n·p + n − 1). Columns 0 to n − 1
// hold the mask: the outer one-pixel ring black, the inside white. Columns n to 2n − 1 hold
// the picture: the ring as dashes of two black and two white pixels, which run clockwise one
// pixel further at each phase, and the inside black. Drawn with AND and then XOR it paints a
// black-and-white dashed ring and leaves the inside as it was.
Surface MakeFrameSheet(int icon_edge);

// The area the pointer is kept in, right and bottom exclusive: from (0, 0) to
// (screen width − S − 1, screen height − S − 1), so that a frame whose top-left corner is at
// the pointer lies wholly on the screen.
struct PointerArea {
  int left, top, right, bottom;
};
PointerArea CapturePointerArea(int screen_width, int screen_height, int icon_edge);

// A pointer position rounded to whole pixels (ties to even) and kept inside the area; a
// value that is not a number, or an area too small to hold a point, gives its top-left.
int KeepInArea(double value, int low, int high_exclusive);

// The S x S square of screen from (x + 1, y + 1) into image, and mask all black: every
// pixel opaque. Pixels of the square that lie off the screen are black.
void CaptureSquare(const Surface& screen, int x, int y, Surface& mask, Surface& image);

}  // namespace brindlex
