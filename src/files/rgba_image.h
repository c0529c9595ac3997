#pragma once

// A picture of red, green, blue and alpha bytes: what an icon or cursor entry holds once
// decoded, whatever its depth, and what the entry encoders take. Unlike the editor's mask and
// colour planes it keeps every alpha value, at any size.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace brindlex {

struct RgbaImage {
  int width = 0, height = 0;
  // R, G, B, A per pixel, rows from the top, width * height * 4 bytes.
  std::vector<std::uint8_t> pixels;

  RgbaImage() = default;
  // A width x height picture of 0, 0, 0, 0 (transparent black) pixels.
  RgbaImage(int w, int h);

  std::size_t PixelCount() const {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  }
  // The four bytes of pixel (x, y); the caller keeps x and y inside the picture.
  std::uint8_t* At(int x, int y) { return pixels.data() + Index(x, y); }
  const std::uint8_t* At(int x, int y) const { return pixels.data() + Index(x, y); }

  bool operator==(const RgbaImage&) const = default;

 private:
  std::size_t Index(int x, int y) const {
    return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
            static_cast<std::size_t>(x)) *
           4;
  }
};

// A pixel whose mask bit is set over a colour other than black: on screen it shows the inverse
// of what lies behind it. An RGBA picture holds it as 0, 0, 0, 0; the colour is kept here, for
// the icon and cursor entries that can store it again.
struct InvertingPixel {
  std::uint16_t x = 0, y = 0;
  std::uint8_t red = 0, green = 0, blue = 0;

  bool operator==(const InvertingPixel&) const = default;
};

// Whether any pixel has an alpha other than 0 and 255 (a partly transparent pixel).
bool HasPartialAlpha(const RgbaImage& image);
// Whether every alpha is 0 or 255: the picture fits a colour bitmap with a 1-bit mask.
inline bool AlphaOnlyZeroOrFull(const RgbaImage& image) { return !HasPartialAlpha(image); }
// Whether the size is positive and the pixel bytes match it.
bool IsWellFormed(const RgbaImage& image);

}  // namespace brindlex
