#include "files/rgba_resample.h"

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

// Output rows first .. first + rows - 1 of the source resampled to out's size, written into
// out. Each band reads the whole source and places its rows by an offset, so the pixels come
// out exactly as from one pass over the whole picture.
bool ResampleBand(const RgbaImage& source, RgbaImage& out, int first, int rows) {
  // With the alpha channel named (and no premultiplied flag) the resizer multiplies colour by
  // alpha before filtering and divides it out after. Colours are filtered in sRGB space, as
  // icon pictures are stored.
  return stbir_resize_subpixel(source.pixels.data(), source.width, source.height,
                               source.width * kChannels, out.At(0, first), out.width, rows,
                               out.width * kChannels, STBIR_TYPE_UINT8, kChannels, kAlphaChannel, 0,
                               STBIR_EDGE_CLAMP, STBIR_EDGE_CLAMP, STBIR_FILTER_DEFAULT,
                               STBIR_FILTER_DEFAULT, STBIR_COLORSPACE_SRGB, nullptr,
                               static_cast<float>(out.width) / static_cast<float>(source.width),
                               static_cast<float>(out.height) / static_cast<float>(source.height),
                               0.0F, static_cast<float>(first)) != 0;
}

}  // namespace

RgbaImage ResampleRgba(const RgbaImage& source, int width, int height) {
  if (!IsWellFormed(source) || width < 1 || height < 1 || width > kMaxResampledEdge ||
      height > kMaxResampledEdge)
    return {};
  if (source.width == width && source.height == height) return source;
  RgbaImage out(width, height);
  bool ok = true;
  if (source.PixelCount() < kSplitSourcePixels || height < 2) {
    ok = ResampleBand(source, out, 0, height);
  } else {
    // A large source: the upper and lower halves of the output on two processors.
    const int half = height / 2;
    bool lower_ok = true;
    RunSideBySide([&] { ok = ResampleBand(source, out, 0, half); },
                  [&] { lower_ok = ResampleBand(source, out, half, height - half); });
    ok = ok && lower_ok;
  }
  if (!ok) return {};
  return out;
}

}  // namespace brindlex
