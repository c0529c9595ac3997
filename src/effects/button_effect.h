#pragma once

#include <functional>

#include "pixels/surface.h"

namespace brindlex {

// The colour with each channel moved by amount: up (lightened) or down (darkened),
// clamped to 0..255.
Color ShiftBrightness(Color color, bool darken, int amount);

// The bevel of a square icon of edge 16, 32 or 48: the innermost ring it touches (ring d is
// the pixels at distance d from the nearest edge) and that ring's shift; every ring further
// out shifts twice as much as the one inside it.
struct BevelRings {
  int innermost;
  int shift;
};
// The rings of an edge; a bevel of no rings (innermost −1) for any other edge.
BevelRings BevelRingsOf(int edge);

// Turns the icon into a raised button: on every ring from the innermost out to the edge,
// the top side (row d, both top corners included) and the left side are lightened, the
// bottom side (row S−1−d, both bottom corners included) and the right side darkened.
//
//   L L L L L      ring 0 of a 5 x 5 icon: L lightened, D darkened
//   L . . . D
//   L . . . D
//   D D D D D
//
// Only pixels whose mask is exactly 0x000000 (opaque) change; transparent and inverting
// pixels keep their colour. between_rings runs before each ring.
void MakeButton(const Surface& mask, Surface& image,
                const std::function<void()>& between_rings = {});

}  // namespace brindlex
