#include "pixels/surface.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
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
      const double dy = (static_cast<double>(row) + 0.5 - radius_y) / radius_y;
      const double half = radius_x * std::sqrt(std::max(0.0, 1.0 - dy * dy));
      constexpr double kTolerance = 1e-9;
      const double from_edge = std::ceil(radius_x - half - 0.5 - kTolerance);
      first = std::min(first, left + static_cast<long long>(std::max(0.0, from_edge)));
    }
    const long long last = left + right - 1 - first;
    return {static_cast<int>(first), static_cast<int>(last)};
  }
};

// Exact products of two 32-bit spans (up to 2^65) for jumping into a long line's walk.
__extension__ using Int128 = __int128;
__extension__ using UInt128 = unsigned __int128;

// The largest t with t * t <= n.
std::uint64_t SquareRootFloor(std::uint64_t n) {
  auto t = static_cast<std::uint64_t>(std::sqrt(static_cast<long double>(n)));
  while (UInt128{t} * t > n) --t;
  while (UInt128{t + 1} * (t + 1) <= n) ++t;
  return t;
}

// The column the midpoint circle walk of radius r > 0 plots in row y of its first octant:
// the walk keeps x while the midpoint (x − 1/2, y) lies inside the circle, so x(y) is the
// largest x with (2x − 1)² + 4y² < 4r². Every term stays below 2^64 for r < 2^31.
long long CircleColumn(long long r, long long y) {
  const std::uint64_t room = 4 * static_cast<std::uint64_t>(r) * static_cast<std::uint64_t>(r) -
                             4 * static_cast<std::uint64_t>(y) * static_cast<std::uint64_t>(y);
  if (room == 0) return 0;
  // The largest odd 2x − 1 whose square is below room.
  const std::uint64_t odd = SquareRootFloor(room - 1);
  return static_cast<long long>((odd + 1) / 2);
}

// The last row of the first octant: the walk goes on while x(y) >= y.
long long CircleLastRow(long long r) {
  long long low = 0, high = r;  // x(0) = r >= 0; x(r) < r
  while (high - low > 1) {
    const long long middle = low + (high - low) / 2;
    (CircleColumn(r, middle) >= middle ? low : high) = middle;
  }
  return low;
}

// One axis of a block transfer after clipping: the first destination and source
// coordinates and the number of pixels (0 or less when nothing is left).
struct ClippedRun {
  long long to, from, length;
};

ClippedRun ClipRun(long long to, long long from, long long length, long long to_size,
                   long long from_size) {
  const long long skip = std::max({0LL, -to, -from});
  to += skip;
  from += skip;
  length = std::min({length - skip, to_size - to, from_size - from});
  return {to, from, length};
}

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
  // Clip against the destination and the source at once, in 64 bits, so that no far-off
  // corner or size overflows on the way.
  const ClippedRun across = ClipRun(dx, sx, w, width_, source.width_);
  const ClippedRun down = ClipRun(dy, sy, h, height_, source.height_);
  if (across.length <= 0 || down.length <= 0) return;
  dx = static_cast<int>(across.to);
  sx = static_cast<int>(across.from);
  w = static_cast<int>(across.length);
  dy = static_cast<int>(down.to);
  sy = static_cast<int>(down.from);
  h = static_cast<int>(down.length);
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
  // Corners and extents in 64 bits: a negative width moves the corner by up to 2^31.
  const long long dest_left = dw < 0 ? static_cast<long long>(dx) + dw : dx;
  const long long dest_top = dh < 0 ? static_cast<long long>(dy) + dh : dy;
  const long long src_left = sw < 0 ? static_cast<long long>(sx) + sw : sx;
  const long long src_top = sh < 0 ? static_cast<long long>(sy) + sh : sy;
  const long long aw = std::llabs(dw), ah = std::llabs(dh);
  const long long asw = std::llabs(sw), ash = std::llabs(sh);
  // The source column (or row) of destination pixel i of the rectangle, −1 when it lies off
  // the source.
  auto source_index = [](long long i, long long extent, long long source_start,
                         long long source_extent, bool mirror, int source_size) {
    const long long k = (i * source_extent) / extent;
    const long long at = mirror ? source_start + source_extent - 1 - k : source_start + k;
    return at >= 0 && at < source_size ? static_cast<int>(at) : -1;
  };

  // Source column for every destination column of the rectangle that lies on the surface.
  const int first_x = static_cast<int>(std::max(0LL, dest_left));
  const int last_x = static_cast<int>(std::min<long long>(width_, dest_left + aw));
  const int first_y = static_cast<int>(std::max(0LL, dest_top));
  const int last_y = static_cast<int>(std::min<long long>(height_, dest_top + ah));
  if (first_x >= last_x || first_y >= last_y) return;
  std::vector<int> columns(last_x - first_x);
  for (int x = first_x; x < last_x; ++x)
    columns[x - first_x] = source_index(x - dest_left, aw, src_left, asw, mirror_x, source.width_);
  for (int y = first_y; y < last_y; ++y) {
    const int source_y = source_index(y - dest_top, ah, src_top, ash, mirror_y, source.height_);
    if (source_y < 0) continue;
    const Color* from = source.Row(source_y);
    Color* to = Row(y);
    auto each = [&](auto combine) {
      for (int x = first_x; x < last_x; ++x) {
        const int source_x = columns[x - first_x];
        if (source_x >= 0) to[x] = combine(to[x], from[source_x]);
      }
    };
    switch (op) {
      case RasterOp::kCopy:
        each([](Color, Color s) { return s; });
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
  // Bresenham over the major axis; the end point is left out. Only the steps whose pixel can
  // reach the surface are walked: the walk starts at the first of them with the minor offset
  // and error term the whole walk would have there, so it sets exactly the pixels the whole
  // walk would set on the surface.
  const long long dx = static_cast<long long>(x2) - x1, dy = static_cast<long long>(y2) - y1;
  const bool x_major = std::llabs(dx) >= std::llabs(dy);
  const long long major_length = std::llabs(x_major ? dx : dy);
  const long long minor_length = std::llabs(x_major ? dy : dx);
  const long long major_step = (x_major ? dx : dy) >= 0 ? 1 : -1;
  const long long minor_step = (x_major ? dy : dx) >= 0 ? 1 : -1;
  const long long major_start = x_major ? x1 : y1;
  const long long major_size = x_major ? width_ : height_, minor_size = x_major ? height_ : width_;
  const long long reach = pen_width > 1 ? pen_width / 2 : 0;
  // The steps i whose major coordinate major_start + i · major_step lies within reach.
  long long first = major_step > 0 ? -reach - major_start : major_start - (major_size - 1 + reach);
  long long last = major_step > 0 ? major_size - 1 + reach - major_start : major_start + reach;
  first = std::max(first, 0LL);
  last = std::min(last, major_length - 1);
  if (first > last) return;
  // Before step i the walk has taken ceil((2·i·minor − major) / (2·major)) minor steps.
  const Int128 numerator = Int128{2} * first * minor_length - major_length;
  const Int128 denominator = Int128{2} * major_length;
  const Int128 taken =
      numerator >= 0 ? (numerator + denominator - 1) / denominator : -((-numerator) / denominator);
  long long error = static_cast<long long>(Int128{2} * minor_length * (first + 1) - major_length -
                                           denominator * taken);
  long long minor = (x_major ? y1 : x1) + static_cast<long long>(taken) * minor_step;
  FigurePixels figure;
  for (long long i = first; i <= last; ++i) {
    if (minor >= -reach && minor < minor_size + reach) {
      const int major = static_cast<int>(major_start + i * major_step);
      x_major ? figure.Add(major, static_cast<int>(minor))
              : figure.Add(static_cast<int>(minor), major);
    }
    if (error > 0) {
      minor += minor_step;
      error -= 2 * major_length;
    }
    error += 2 * minor_length;
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
  // In 64 bits: a wide pen reaches past corners at the ends of the int range.
  const long long r = filled ? 0 : pen_width / 2;
  const int left = static_cast<int>(std::max(x1 - r, 0LL));
  const int right = static_cast<int>(std::min<long long>(x2 + r, width_ - 1));
  const int top = static_cast<int>(std::max(y1 - r, 0LL));
  const int bottom = static_cast<int>(std::min<long long>(y2 + r, height_ - 1));
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
  if (r == 0) return FigurePixel(cx, cy, pen);
  // The midpoint walk from (r, 0) to the diagonal, mirrored into all eight octants. Row y of
  // the walk's octant holds its column x(y) (see CircleColumn), so only the rows and columns
  // that lie on the surface are visited, however large the circle or far its centre.
  const long long last = CircleLastRow(r);
  FigurePixels figure;
  // Steps y along one axis (centre a, sign s, surface size n), the octant's column across
  // the other (centre b, size m); `swap` puts the first axis vertical.
  auto octants = [&](long long a, long long n, long long b, long long m, bool swap) {
    for (long long s : {1LL, -1LL}) {
      // The steps y in [0, last] with a + s · y on the surface.
      const long long from = std::max(0LL, s > 0 ? -a : a - (n - 1));
      const long long to = std::min(last, s > 0 ? n - 1 - a : a);
      for (long long y = from; y <= to; ++y) {
        const long long column = CircleColumn(r, y);
        for (long long across : {b - column, b + column}) {
          if (across < 0 || across >= m) continue;
          const int along = static_cast<int>(a + s * y);
          swap ? figure.Add(static_cast<int>(across), along)
               : figure.Add(along, static_cast<int>(across));
        }
      }
    }
  };
  octants(cy, height_, cx, width_, true);
  octants(cx, width_, cy, height_, false);
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
  // Runs of one colour along a row or a column, only where they cross the surface.
  auto row = [&](long long y, long long from, long long to, Color c) {
    if (y < 0 || y >= height_) return;
    for (long long x = std::max(from, 0LL); x < std::min<long long>(to, width_); ++x)
      SetPixel(static_cast<int>(x), static_cast<int>(y), c);
  };
  auto column = [&](long long x, long long from, long long to, Color c) {
    if (x < 0 || x >= width_) return;
    for (long long y = std::max(from, 0LL); y < std::min<long long>(to, height_); ++y)
      SetPixel(static_cast<int>(x), static_cast<int>(y), c);
  };
  // One ring: top and left in one colour, bottom and right in the other.
  auto ring = [&](long long l, long long t, long long r, long long b, Color top_left,
                  Color bottom_right) {
    if (r - l < 1 || b - t < 1) return;
    row(t, l, r, top_left);
    column(l, t, b, top_left);
    row(b - 1, l, r, bottom_right);
    column(r - 1, t, b, bottom_right);
  };
  ring(left, top, right, bottom, kGrey, kWhite);
  if (kind == EdgeKind::kEtched)
    ring(left + 1LL, top + 1LL, right - 1LL, bottom - 1LL, kWhite, kGrey);
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
