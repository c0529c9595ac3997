#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "pixels/surface.h"

namespace brindlex {

// The two planes of one recorded state of the icon.
struct Snapshot {
  Surface mask;
  Surface image;
};

// What one recorded state holds where it differs from a neighbouring one: the pixels of
// both planes inside the smallest rectangle that contains every differing pixel. Applied to
// the neighbour it gives the recorded state back exactly. A mask whose pixels in the
// rectangle are all black or white (as every loaded or drawn mask is) is kept as one bit per
// pixel; any other mask value is kept whole, so nothing is ever rounded.
struct PlanePatch {
  // The size of the state the patch restores.
  int width = 0, height = 0;
  // The rectangle, right and bottom exclusive; empty when the states are equal.
  int left = 0, top = 0, right = 0, bottom = 0;
  std::vector<Color> image;
  std::vector<std::uint8_t> mask_bits;  // row by row, 1 for white; empty when mask is used
  std::vector<Color> mask;

  // The memory the patch holds, its own members included.
  std::size_t BytesHeld() const;
};

// The patch that turns `other` into `restored`. States of different sizes give a patch of
// the whole of `restored`.
PlanePatch DiffPatch(const Snapshot& restored, const Snapshot& other);

// Turns `state` into the state the patch restores, and returns the patch that turns it back.
PlanePatch ApplyPatch(const PlanePatch& patch, Snapshot& state);

}  // namespace brindlex
