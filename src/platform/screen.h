#pragma once

namespace brindlex {

// What the core asks of the display.
class Screen {
 public:
  virtual ~Screen() = default;
  // Bits per pixel of the display.
  virtual int BitsPerPixel() const = 0;
  // Size of the display in pixels.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

}  // namespace brindlex
