#include "pixels/surface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace brindlex {
namespace {

constexpr Color kColorBits = 0xFFFFFF;

// Collects the pixels of one figure and writes each of them once.
class FigurePixels {
 public:
  void Add(int x, int y) { points_.push_back({x, y}); }
  template <typename Write>
  void WriteEach(Write write) {
    std::sort(points_.begin(), points_.end());
    points_.erase(std::unique(points_.begin(), points_.end()), points_.end());
    for (auto [x, y] : points_) write(x, y);
  }

 private:
  std::vector<std::pair<int, int>> points_;
};

// The rows of the ellipse inscribed in the box whose pixel edges run from (left, top) to
// (right, bottom): a pixel belongs to the ellipse when its centre lies inside it. Thin boxes
// would lose their ends by that rule alone, so the middle row (two rows for an even height)
// always spans the whole width and every row holds the middle column (or two): the ellipse
// then touches all four sides of its box. Each span is computed for the upper half and
// mirrored, and relative to the box's corner, so the figure is symmetric in both axes and
// the same wherever the box lies.
struct EllipseRows {
  long long left, top, right, bottom;
  double radius_x, radius_y;
  EllipseRows(int l, int t, int r, int b)
      : left(l),
        top(t),
        right(r),
        bottom(b),
        radius_x(static_cast<double>(right - left) / 2.0),
        radius_y(static_cast<double>(bottom - top) / 2.0) {}
  // The columns [first, last] of row y, top <= y < bottom; never empty.
  std::pair<int, int> Span(long long y) const {
    const long long height = bottom - top, width = right - left;
    const long long row = std::min(y - top, bottom - 1 - y);  // counted from the nearer edge
    long long first = left + (width - 1) / 2;                 // the middle column(s) at least
    if (row >= (height - 1) / 2) {
      first = left;  // a middle row
    } else {
      const double dy = (row + 0.5 - radius_y) / radius_y;
      const double half = radius_x * std::sqrt(std::max(0.0, 1.0 - dy * dy));
      constexpr double kTolerance = 1e-9;
      const double from_edge = std::ceil(radius_x - half - 0.5 - kTolerance);
      first = std::min(first, left + static_cast<long long>(std::max(0.0, from_edge)));
    }
    const long long last = left + right - 1 - first;
    return {static_cast<int>(first), static_cast<int>(last)};
  }
};

}  // namespace

Surface::Surface(int width, int height, Color background_colour) : background(background_colour) {
  Resize(width, height);
}

void Surface::Resize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.assign(static_cast<std::size_t>(width_) * height_, background & kColorBits);
}

void Surface::Clear() { std::fill(pixels_.begin(), pixels_.end(), background & kColorBits); }

Color Surface::GetPixel(int x, int y) const {
  if (!Contains(x, y)) return kInvalidColor;
  return Row(y)[x];
}

void Surface::SetPixel(int x, int y, Color c) {
  if (Contains(x, y)) Row(y)[x] = c & kColorBits;
}

void Surface::Point(int x, int y) { FigurePixel(x, y, pen); }

void Surface::FigurePixel(int x, int y, Color c) {
  if (!Contains(x, y)) return;
  Color& p = Row(y)[x];
  p = draw_mode == DrawMode::kInvert ? (~p & kColorBits) : (c & kColorBits);
}

void Surface::BitBlt(int dx, int dy, int w, int h, const Surface& source, int sx, int sy,
                     RasterOp op) {
  // Clip against the destination and the source at once.
  if (dx < 0) {
    sx -= dx;
    w += dx;
    dx = 0;
  }
  if (dy < 0) {
    sy -= dy;
    h += dy;
    dy = 0;
  }
  if (sx < 0) {
    dx -= sx;
    w += sx;
    sx = 0;
  }
  if (sy < 0) {
    dy -= sy;
    h += sy;
    sy = 0;
  }
  w = std::min({w, width_ - dx, source.width_ - sx});
  h = std::min({h, height_ - dy, source.height_ - sy});
  if (w <= 0 || h <= 0) return;
  if (&source == this) {
    Surface copy = *this;
    BitBlt(dx, dy, w, h, copy, sx, sy, op);
    return;
  }
  for (int y = 0; y < h; ++y) {
    const Color* from = source.Row(sy + y) + sx;
    Color* to = Row(dy + y) + dx;
    switch (op) {
      case RasterOp::kCopy:
        // Narrow blocks (grid lines, cell stamps) are copied inline: a library call per
        // row would cost more than the row.
        if (w < 32) {
          for (int x = 0; x < w; ++x) to[x] = from[x];
        } else {
          std::copy(from, from + w, to);
        }
        break;
      case RasterOp::kAnd:
        for (int x = 0; x < w; ++x) to[x] &= from[x];
        break;
      case RasterOp::kInvert:
        for (int x = 0; x < w; ++x) to[x] ^= from[x];
        break;
    }
  }
}

void Surface::StretchBlt(int dx, int dy, int dw, int dh, const Surface& source, int sx, int sy,
                         int sw, int sh, RasterOp op) {
  if (dw == 0 || dh == 0 || sw == 0 || sh == 0) return;
  if (&source == this) {
    Surface copy = *this;
    StretchBlt(dx, dy, dw, dh, copy, sx, sy, sw, sh, op);
    return;
  }
  const bool mirror_x = (dw < 0) != (sw < 0);
  const bool mirror_y = (dh < 0) != (sh < 0);
  const int dest_left = dw < 0 ? dx + dw : dx;
  const int dest_top = dh < 0 ? dy + dh : dy;
  const int src_left = sw < 0 ? sx + sw : sx;
  const int src_top = sh < 0 ? sy + sh : sy;
  const long long aw = std::llabs(dw), ah = std::llabs(dh);
  const long long asw = std::llabs(sw), ash = std::llabs(sh);

  // Source column for every destination column of the rectangle that lies on the surface.
  const int first_x = std::max(0, dest_left), last_x = std::min<long long>(width_, dest_left + aw);
  const int first_y = std::max(0, dest_top), last_y = std::min<long long>(height_, dest_top + ah);
  if (first_x >= last_x || first_y >= last_y) return;
  std::vector<int> columns(last_x - first_x);
  for (int x = first_x; x < last_x; ++x) {
    long long i = x - dest_left;
    long long k = (i * asw) / aw;
    columns[x - first_x] = static_cast<int>(mirror_x ? src_left + asw - 1 - k : src_left + k);
  }
  for (int y = first_y; y < last_y; ++y) {
    long long j = y - dest_top;
    long long k = (j * ash) / ah;
    int source_y = static_cast<int>(mirror_y ? src_top + ash - 1 - k : src_top + k);
    if (source_y < 0 || source_y >= source.height_) continue;
    const Color* from = source.Row(source_y);
    Color* to = Row(y);
    auto each = [&](auto combine) {
      for (int x = first_x; x < last_x; ++x) {
        const int source_x = columns[x - first_x];
        if (source_x >= 0 && source_x < source.width_) to[x] = combine(to[x], from[source_x]);
      }
    };
    switch (op) {
      case RasterOp::kCopy:
        each([](Color, Color s) { return s & kColorBits; });
        break;
      case RasterOp::kAnd:
        each([](Color d, Color s) { return d & s & kColorBits; });
        break;
      case RasterOp::kInvert:
        each([](Color d, Color s) { return (d ^ s) & kColorBits; });
        break;
    }
  }
}

void Surface::Line(int x1, int y1, int x2, int y2) { Line(x1, y1, x2, y2, pen); }

void Surface::Line(int x1, int y1, int x2, int y2, Color c) {
  // Bresenham over the major axis; the end point is left out.
  FigurePixels figure;
  const int ax = std::abs(x2 - x1), ay = std::abs(y2 - y1);
  const int step_x = x2 >= x1 ? 1 : -1, step_y = y2 >= y1 ? 1 : -1;
  int x = x1, y = y1;
  if (ax >= ay) {
    int error = 2 * ay - ax;
    for (int i = 0; i < ax; ++i) {
      figure.Add(x, y);
      if (error > 0) {
        y += step_y;
        error -= 2 * ax;
      }
      error += 2 * ay;
      x += step_x;
    }
  } else {
    int error = 2 * ax - ay;
    for (int i = 0; i < ay; ++i) {
      figure.Add(x, y);
      if (error > 0) {
        x += step_x;
        error -= 2 * ay;
      }
      error += 2 * ax;
      y += step_y;
    }
  }
  figure.WriteEach([&](int px, int py) { PenPixel(px, py, c); });
}

void Surface::PenPixel(int x, int y, Color c) {
  if (pen_width <= 1) {
    FigurePixel(x, y, c);
    return;
  }
  // Wide pens are expanded by the figures themselves (see Box); a lone pixel gets a block.
  const int r = pen_width / 2;
  for (int yy = y - r; yy <= y + r; ++yy)
    for (int xx = x - r; xx <= x + r; ++xx) FigurePixel(xx, yy, c);
}

void Surface::Box(int x1, int y1, int x2, int y2, bool filled) { Box(x1, y1, x2, y2, filled, pen); }

void Surface::Box(int x1, int y1, int x2, int y2, bool filled, Color c) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  const int r = filled ? 0 : pen_width / 2;
  const int left = std::max(x1 - r, 0), right = std::min(x2 + r, width_ - 1);
  const int top = std::max(y1 - r, 0), bottom = std::min(y2 + r, height_ - 1);
  for (int y = top; y <= bottom; ++y) {
    const bool edge_row = y <= y1 + r || y >= y2 - r;
    for (int x = left; x <= right; ++x) {
      if (filled || edge_row || x <= x1 + r || x >= x2 - r) FigurePixel(x, y, c);
    }
  }
}

void Surface::Ellipse(int left, int top, int right, int bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  if (right <= left || bottom <= top) return;
  const EllipseRows rows(left, top, right, bottom);
  // Only the rows and columns on the surface are visited, so a far-off box costs no more
  // than its visible part.
  auto span = [&](long long y) {
    return y < top || y >= bottom ? std::pair<int, int>{1, 0} : rows.Span(y);
  };
  FigurePixels outline;
  const int first_row = std::max(top, 0), last_row = std::min(bottom, height_);
  for (int y = first_row; y < last_row; ++y) {
    const auto [first, last] = span(y);
    const auto above = span(y - 1LL), below = span(y + 1LL);
    auto inside = [](int x, std::pair<int, int> s) { return x >= s.first && x <= s.second; };
    const int from = std::max(first, 0), to = std::min(last, width_ - 1);
    for (int x = from; x <= to; ++x) {
      const bool border = x == first || x == last || !inside(x, above) || !inside(x, below);
      if (border) {
        outline.Add(x, y);
      } else if (filling) {
        FigurePixel(x, y, fill);
      }
    }
  }
  outline.WriteEach([&](int x, int y) { FigurePixel(x, y, pen); });
}

void Surface::Circle(int cx, int cy, int r) {
  if (r < 0) return;
  FigurePixels figure;
  int x = r, y = 0, error = 1 - r;
  while (x >= y) {
    for (auto [px, py] :
         {std::pair{x, y}, {y, x}, {-y, x}, {-x, y}, {-x, -y}, {-y, -x}, {y, -x}, {x, -y}})
      figure.Add(cx + px, cy + py);
    ++y;
    if (error < 0) {
      error += 2 * y + 1;
    } else {
      --x;
      error += 2 * (y - x) + 1;
    }
  }
  figure.WriteEach([&](int px, int py) { FigurePixel(px, py, pen); });
}

void Surface::FloodFillSurface(int x, int y) {
  if (!Contains(x, y)) return;
  const Color seed = Row(y)[x];
  const Color paint = fill & kColorBits;
  if (seed == paint) return;
  // Scan-line fill with an explicit stack of seeds.
  std::vector<std::pair<int, int>> stack{{x, y}};
  while (!stack.empty()) {
    auto [sx, sy] = stack.back();
    stack.pop_back();
    Color* row = Row(sy);
    if (row[sx] != seed) continue;
    int first = sx, last = sx;
    while (first > 0 && row[first - 1] == seed) --first;
    while (last + 1 < width_ && row[last + 1] == seed) ++last;
    for (int i = first; i <= last; ++i) row[i] = paint;
    for (int ny : {sy - 1, sy + 1}) {
      if (ny < 0 || ny >= height_) continue;
      const Color* next = Row(ny);
      for (int i = first; i <= last; ++i) {
        if (next[i] == seed && (i == first || next[i - 1] != seed)) stack.push_back({i, ny});
      }
    }
  }
}

void Surface::DrawEdge(int left, int top, int right, int bottom, EdgeKind kind) {
  // One ring: top and left in one colour, bottom and right in the other.
  auto ring = [&](int l, int t, int r, int b, Color top_left, Color bottom_right) {
    if (r - l < 1 || b - t < 1) return;
    for (int x = l; x < r; ++x) SetPixel(x, t, top_left);
    for (int y = t; y < b; ++y) SetPixel(l, y, top_left);
    for (int x = l; x < r; ++x) SetPixel(x, b - 1, bottom_right);
    for (int y = t; y < b; ++y) SetPixel(r - 1, y, bottom_right);
  };
  ring(left, top, right, bottom, kGrey, kWhite);
  if (kind == EdgeKind::kEtched) ring(left + 1, top + 1, right - 1, bottom - 1, kWhite, kGrey);
}

Surface ToOneBit(const Surface& source) {
  Surface result(source.Width(), source.Height(), kWhite);
  const Color key = source.background & kColorBits;
  for (int y = 0; y < source.Height(); ++y) {
    const Color* from = source.Row(y);
    Color* to = result.Row(y);
    for (int x = 0; x < source.Width(); ++x) to[x] = from[x] == key ? kWhite : kBlack;
  }
  return result;
}

}  // namespace brindlex
