#include "edit/plane_patch.h"

#include <algorithm>

namespace brindlex {
namespace {

struct Rect {
  int left, top, right, bottom;
};

// The smallest rectangle holding every pixel where the two states differ.
Rect DifferingRect(const Snapshot& a, const Snapshot& b) {
  const int w = a.mask.Width(), h = a.mask.Height();
  Rect r{w, h, 0, 0};
  for (int y = 0; y < h; ++y) {
    const Color* am = a.mask.Row(y);
    const Color* bm = b.mask.Row(y);
    const Color* ai = a.image.Row(y);
    const Color* bi = b.image.Row(y);
    if (std::equal(am, am + w, bm) && std::equal(ai, ai + w, bi)) continue;
    int x0 = 0, x1 = w - 1;
    while (am[x0] == bm[x0] && ai[x0] == bi[x0]) ++x0;
    while (am[x1] == bm[x1] && ai[x1] == bi[x1]) --x1;
    r.left = std::min(r.left, x0);
    r.right = std::max(r.right, x1 + 1);
    r.top = std::min(r.top, y);
    r.bottom = y + 1;
  }
  if (r.right <= r.left) return {0, 0, 0, 0};
  return r;
}

bool SameSize(const Snapshot& a, const Snapshot& b) {
  return a.mask.Width() == b.mask.Width() && a.mask.Height() == b.mask.Height() &&
         a.image.Width() == b.image.Width() && a.image.Height() == b.image.Height() &&
         a.mask.Width() == a.image.Width() && a.mask.Height() == a.image.Height();
}

// The pixels of `state` inside the rectangle, as a patch restoring them.
PlanePatch CopyRect(const Snapshot& state, const Rect& r) {
  PlanePatch patch;
  patch.width = state.mask.Width();
  patch.height = state.mask.Height();
  patch.left = r.left, patch.top = r.top, patch.right = r.right, patch.bottom = r.bottom;
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return patch;
  const std::size_t count = static_cast<std::size_t>(w) * h;
  patch.image.reserve(count);
  bool binary_mask = true;
  for (int y = r.top; y < r.bottom && binary_mask; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const Color m = state.mask.Row(y)[x];
      if (m != kBlack && m != kWhite) {
        binary_mask = false;
        break;
      }
    }
  if (binary_mask) {
    patch.mask_bits.assign((count + 7) / 8, 0);
  } else {
    patch.mask.reserve(count);
  }
  std::size_t i = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    const Color* mask_row = state.mask.Row(y);
    const Color* image_row = state.image.Row(y);
    patch.image.insert(patch.image.end(), image_row + r.left, image_row + r.right);
    if (!binary_mask) {
      patch.mask.insert(patch.mask.end(), mask_row + r.left, mask_row + r.right);
      continue;
    }
    for (int x = r.left; x < r.right; ++x, ++i)
      if (mask_row[x] == kWhite) patch.mask_bits[i / 8] |= static_cast<std::uint8_t>(1u << (i % 8));
  }
  patch.image.shrink_to_fit();
  return patch;
}

}  // namespace

std::size_t PlanePatch::BytesHeld() const {
  return sizeof(PlanePatch) + image.capacity() * sizeof(Color) + mask.capacity() * sizeof(Color) +
         mask_bits.capacity();
}

PlanePatch DiffPatch(const Snapshot& restored, const Snapshot& other) {
  const Rect whole{0, 0, restored.mask.Width(), restored.mask.Height()};
  if (!SameSize(restored, other)) return CopyRect(restored, whole);
  return CopyRect(restored, DifferingRect(restored, other));
}

PlanePatch ApplyPatch(const PlanePatch& patch, Snapshot& state) {
  const bool resized = patch.width != state.mask.Width() || patch.height != state.mask.Height() ||
                       patch.width != state.image.Width() || patch.height != state.image.Height();
  PlanePatch inverse = resized
                           ? CopyRect(state, {0, 0, state.mask.Width(), state.mask.Height()})
                           : CopyRect(state, {patch.left, patch.top, patch.right, patch.bottom});
  if (resized) {
    state.mask = Surface(patch.width, patch.height, kWhite);
    state.image = Surface(patch.width, patch.height, kWhite);
  }
  std::size_t i = 0;
  for (int y = patch.top; y < patch.bottom; ++y) {
    Color* mask_row = state.mask.Row(y);
    Color* image_row = state.image.Row(y);
    for (int x = patch.left; x < patch.right; ++x, ++i) {
      image_row[x] = patch.image[i];
      mask_row[x] = patch.mask_bits.empty()
                        ? patch.mask[i]
                        : ((patch.mask_bits[i / 8] >> (i % 8)) & 1u ? kWhite : kBlack);
    }
  }
  return inverse;
}

}  // namespace brindlex
