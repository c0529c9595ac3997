#include "files/rgba_resample.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "platform/side_by_side.h"

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#define STB_IMAGE_RESIZE_STATIC
#include <stb/stb_image_resize.h>

namespace brindlex {

namespace {

constexpr int kMaxResampledEdge = 4096;
constexpr int kChannels = 4;
constexpr int kAlphaChannel = 3;
// Below this many source pixels a second thread costs more than it saves.
constexpr std::size_t kSplitSourcePixels = 128 * 1024;

// The smallest rectangle [left, right) x [top, bottom) that holds every pixel whose alpha is
// not 0; empty when there is none.
struct Area {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Empty() const { return right <= left; }
};

bool Visible(const RgbaImage& image, int x, int y) { return image.At(x, y)[kAlphaChannel] != 0; }

bool RowVisible(const RgbaImage& image, int y) {
  for (int x = 0; x < image.width; ++x)
    if (Visible(image, x, y)) return true;
  return false;
}

// The transparent rows above and below are read whole, once each; the rows between only as
// far in from either side as the area reaches so far.
Area VisibleArea(const RgbaImage& image) {
  int top = 0;
  while (top < image.height && !RowVisible(image, top)) ++top;
  if (top == image.height) return {};
  int bottom = image.height;
  while (!RowVisible(image, bottom - 1)) --bottom;
  Area area{image.width, top, 0, bottom};
  for (int y = top; y < bottom; ++y) {
    int x = 0;
    while (x < area.left && !Visible(image, x, y)) ++x;
    area.left = std::min(area.left, x);
    int last = image.width - 1;
    while (last >= area.right && !Visible(image, last, y)) --last;
    area.right = std::max(area.right, last + 1);
  }
  return area;
}

// One axis of the work: source pixels [in_first, in_end) make output pixels
// [out_first, out_end). Output pixels whose filter reaches no visible source pixel come out
// wholly transparent, so only those it reaches are made, from the source pixels they reach.
struct AxisSpan {
  int in_first, in_end, out_first, out_end;
};

AxisSpan SpanFor(int visible_first, int visible_end, int in_size, int out_size) {
  const double scale = static_cast<double>(out_size) / in_size;
  // The filters reach 2 pixels of the coarser grid to each side; a pixel more for rounding.
  const double reach = 2.0 * std::max(1.0, 1.0 / scale) + 1.0;
  const auto clamp = [](double v, int size) {
    return static_cast<int>(std::clamp(v, 0.0, static_cast<double>(size)));
  };
  const int out_first = clamp(std::floor((visible_first - reach) * scale) - 1, out_size);
  const int out_end = clamp(std::ceil((visible_end + reach) * scale) + 1, out_size);
  const int in_first = clamp(std::floor(out_first / scale - reach) - 1, in_size);
  const int in_end = clamp(std::ceil(out_end / scale + reach) + 1, in_size);
  return {in_first, in_end, out_first, out_end};
}

// Output rows [first, end) of the spans' work, written into `out` at their place. The source
// and output rectangles are placed by offsets, so the pixels come out exactly as from one
// pass over the whole picture. The sizes are checked by the caller: the resizer fails only
// when it cannot get its working memory, and that throws std::bad_alloc.
void ResampleRows(const RgbaImage& source, const AxisSpan& x, const AxisSpan& y, int first, int end,
                  RgbaImage& out) {
  const float x_scale = static_cast<float>(out.width) / static_cast<float>(source.width);
  const float y_scale = static_cast<float>(out.height) / static_cast<float>(source.height);
  // With the alpha channel named (and no premultiplied flag) the resizer multiplies colour by
  // alpha before filtering and divides it out after, in linear light.
  const int done = stbir_resize_subpixel(
      source.At(x.in_first, y.in_first), x.in_end - x.in_first, y.in_end - y.in_first,
      source.width * kChannels, out.At(x.out_first, first), x.out_end - x.out_first, end - first,
      out.width * kChannels, STBIR_TYPE_UINT8, kChannels, kAlphaChannel, 0, STBIR_EDGE_CLAMP,
      STBIR_EDGE_CLAMP, STBIR_FILTER_DEFAULT, STBIR_FILTER_DEFAULT, STBIR_COLORSPACE_SRGB, nullptr,
      x_scale, y_scale, static_cast<float>(x.out_first) - static_cast<float>(x.in_first) * x_scale,
      static_cast<float>(first) - static_cast<float>(y.in_first) * y_scale);
  if (!done) throw std::bad_alloc();
}

}  // namespace

RgbaImage ResampleRgba(const RgbaImage& source, int width, int height) {
  if (!IsWellFormed(source) || width < 1 || height < 1 || width > kMaxResampledEdge ||
      height > kMaxResampledEdge)
    return {};
  if (source.width == width && source.height == height) return source;
  RgbaImage out(width, height);
  const Area visible = VisibleArea(source);
  if (visible.Empty()) return out;
  const AxisSpan x = SpanFor(visible.left, visible.right, source.width, width);
  const AxisSpan y = SpanFor(visible.top, visible.bottom, source.height, height);
  const auto work = static_cast<std::size_t>(x.in_end - x.in_first) *
                    static_cast<std::size_t>(y.in_end - y.in_first);
  if (work < kSplitSourcePixels || y.out_end - y.out_first < 2) {
    ResampleRows(source, x, y, y.out_first, y.out_end, out);
  } else {
    // Much work: the upper and lower halves of the output on two processors.
    const int half = y.out_first + (y.out_end - y.out_first) / 2;
    RunSideBySide([&] { ResampleRows(source, x, y, y.out_first, half, out); },
                  [&] { ResampleRows(source, x, y, half, y.out_end, out); });
  }
  return out;
}

}  // namespace brindlex
