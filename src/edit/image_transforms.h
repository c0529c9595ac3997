#pragma once

#include "pixels/surface.h"

namespace brindlex {

// The Image menu's commands by their index in the menu.
constexpr int kFlipHorizontal = 0;
constexpr int kFlipVertical = 1;
constexpr int kRotateLeft = 3;
constexpr int kRotateRight = 4;
constexpr int kMirrorLeftHalf = 6;    // right half := mirror of the left half
constexpr int kMirrorRightHalf = 7;   // left half := mirror of the right half
constexpr int kMirrorTopHalf = 8;     // bottom half := mirror of the top half
constexpr int kMirrorBottomHalf = 9;  // top half := mirror of the bottom half

// Every transform below is an exact permutation or copy of the plane's pixels: no colour
// is ever changed or blended. The mask and colour planes of one picture are transformed
// with the same call each, so opaque, transparent and inverting pixels keep their kind.
//
//   FlipPlane, horizontal:  dest(x, y) = src(W − 1 − x, y)
//   FlipPlane, vertical:    dest(x, y) = src(x, H − 1 − y)
void FlipPlane(Surface& plane, bool vertical);

// A quarter turn. The W x H plane becomes H x W (its drawing state is kept):
//   anticlockwise: old (x, y) goes to (y, W − 1 − x)
//   clockwise:     old (x, y) goes to (H − 1 − y, x)
void RotatePlane(Surface& plane, bool clockwise);

// A half-mirror by menu index 6 to 9 (W2 = W / 2, H2 = H / 2; the other half is kept):
//   6: columns W2 .. W − 1 take src(W − 1 − x, y)     7: columns 0 .. W2 − 1 likewise
//   8: rows H2 .. H − 1 take src(x, H − 1 − y)        9: rows 0 .. H2 − 1 likewise
// With an odd side the middle column or row keeps its pixels. Other indexes do nothing.
void MirrorPlane(Surface& plane, int index);

// The transform of menu index 0, 1, 3, 4 or 6 to 9 applied to both planes of a picture.
void TransformPlanes(Surface& mask, Surface& image, int index);

}  // namespace brindlex
