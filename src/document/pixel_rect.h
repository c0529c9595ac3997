#pragma once

#include <algorithm>

namespace brindlex {

// A rectangle of icon pixels: columns left .. right − 1 and rows top .. bottom − 1. Empty
// when it holds no pixel.
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;

  bool Empty() const { return right <= left || bottom <= top; }
  bool operator==(const PixelRect&) const = default;

  // The rectangle from (x0, y0) to (x1, y1), both corners included, in either order.
  static PixelRect Spanning(int x0, int y0, int x1, int y1) {
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1, std::max(y0, y1) + 1};
  }
  // The smallest rectangle holding both (an empty one adds nothing).
  PixelRect United(const PixelRect& other) const {
    if (Empty()) return other;
    if (other.Empty()) return *this;
    return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
            std::max(bottom, other.bottom)};
  }
  // The part that lies inside an edge x edge icon.
  PixelRect ClippedTo(int edge) const {
    return {std::max(left, 0), std::max(top, 0), std::min(right, edge), std::min(bottom, edge)};
  }
};

}  // namespace brindlex
