#pragma once

#include <cstdint>

#include "pixels/surface.h"

namespace brindlex {

// The system clipboard as the editor uses it: one picture at a time.
//
// Pictures cross this interface as surfaces of colours 0xTTBBGGRR, TT the pixel's
// transparency (255 − alpha, see pixels/pixel_alpha.h): 0 throughout for an opaque picture,
// so only a picture that really uses its alpha channel has any other value.
class Clipboard {
 public:
  virtual ~Clipboard() = default;

  // Whether the clipboard offers a picture in any format the editor can read.
  virtual bool HasImage() const = 0;
  // The clipboard's picture; an empty (0 x 0) surface when there is none, when it cannot
  // be read, or when it is larger than kMaxClipboardPixels.
  virtual Surface GetImage() = 0;
  // Replaces the clipboard's content with the picture, offered with its alpha when it has
  // transparent pixels.
  virtual void PutImage(const Surface& image) = 0;
};

// The largest picture, in pixels, taken from the clipboard: 8192 x 8192. Larger ones would
// take seconds and gigabytes to read and are treated as unreadable, refused by the size
// their header states before a pixel is decoded.
constexpr std::int64_t kMaxClipboardPixels = std::int64_t{8192} * 8192;

// Whether a clipboard picture of this size is taken: both sides positive and no more than
// kMaxClipboardPixels pixels.
constexpr bool ClipboardPictureFits(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxClipboardPixels && height <= kMaxClipboardPixels &&
         width * height <= kMaxClipboardPixels;
}

// A clipboard that lives in memory: the editor's own when no system clipboard is given.
class MemoryClipboard : public Clipboard {
 public:
  bool HasImage() const override { return image_.Width() > 0 && image_.Height() > 0; }
  Surface GetImage() override { return image_; }
  void PutImage(const Surface& image) override { image_ = image; }
  // Forgets the picture, as another program taking the clipboard with text would.
  void Clear() { image_ = Surface(); }

 private:
  Surface image_;
};

// Pixels of the toolkit's form 0xAARRGGBB (straight, not premultiplied alpha), row by row
// with `stride` pixels from one row's start to the next, as a surface of 0xTTBBGGRR with
// TT = 255 − AA. An empty surface for no pixels, a bad stride or a size ClipboardPictureFits
// refuses.
Surface ArgbToSurface(const std::uint32_t* pixels, int width, int height, int stride);

// The opposite way: the surface's colours as 0xAARRGGBB, AA = 255 − TT, row after row.
void SurfaceToArgb(const Surface& surface, std::uint32_t* pixels);

}  // namespace brindlex
