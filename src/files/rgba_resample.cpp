#include "files/rgba_resample.h"

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#define STB_IMAGE_RESIZE_STATIC
#include <stb/stb_image_resize.h>

namespace brindlex {

namespace {

constexpr int kMaxResampledEdge = 4096;
constexpr int kChannels = 4;
constexpr int kAlphaChannel = 3;

}  // namespace

RgbaImage ResampleRgba(const RgbaImage& source, int width, int height) {
  if (!IsWellFormed(source) || width < 1 || height < 1 || width > kMaxResampledEdge ||
      height > kMaxResampledEdge)
    return {};
  if (source.width == width && source.height == height) return source;
  RgbaImage out(width, height);
  // With the alpha channel named (and no premultiplied flag) the resizer multiplies colour by
  // alpha before filtering and divides it out after. Colours are filtered in sRGB space, as
  // icon pictures are stored.
  const int ok = stbir_resize_uint8_generic(
      source.pixels.data(), source.width, source.height, source.width * kChannels,
      out.pixels.data(), width, height, width * kChannels, kChannels, kAlphaChannel, 0,
      STBIR_EDGE_CLAMP, STBIR_FILTER_DEFAULT, STBIR_COLORSPACE_SRGB, nullptr);
  if (!ok) return {};
  return out;
}

}  // namespace brindlex
