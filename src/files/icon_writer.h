#pragma once

// Writing icon files: the four row encoders, the size of an image resource, the single-image
// writer and the writer that puts an edited image back into the multi-image file it came
// from. Every writer builds the whole file in memory and writes it in one go through
// WriteFileAtomically, so a failed save never damages the file that was there.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "files/icon_format.h"
#include "files/multi_image_state.h"
#include "files/palettes.h"
#include "pixels/surface.h"

namespace brindlex {

// The row encoders append the plane's rows to `out`, bottom line first, pixels left to right,
// every row padded with zero bytes to a multiple of 4.
//
// One bit per pixel, the first pixel of each group of 8 in bit 7: 1 for a pixel that is
// exactly white, 0 for any other. Used for mask planes and 1-bit colour planes.
void EncodeMonoBits(const Surface& plane, std::vector<std::uint8_t>& out);
// Four bits per pixel, the left pixel in the high nibble: the pixel's index in `Palette16`.
// False when a pixel is none of the 16 colours (it is then written as index 0).
bool Encode16ColorBits(const Surface& plane, std::vector<std::uint8_t>& out);
// One byte per pixel: the first index of `palette` holding the pixel's colour. False when a
// pixel's colour is not in the palette (it is then written as index 0).
bool Encode256ColorBits(const Surface& plane, const ColorTable256& palette,
                        std::vector<std::uint8_t>& out);
// Three bytes per pixel: blue, green, red.
void EncodeTrueColorBits(const Surface& plane, std::vector<std::uint8_t>& out);

// Appends the palette entries: blue, green, red and a zero byte each.
void AppendPalette(std::span<const Color> palette, std::vector<std::uint8_t>& out);
// Appends the 40-byte bitmap information header of a width x height image resource: height
// twice the image's (colour and mask rows), one plane, `bit_count`, and `image_size_field` as
// the image size; every other field 0.
void AppendResourceHeader(int width, int height, int bit_count, std::uint32_t image_size_field,
                          std::vector<std::uint8_t>& out);

// Size of a width x height image resource at a colour count (2, 16, 256, kAlphaColorCount =
// 32 bits, other = 24 bits): bitmap header, palette, colour rows and mask rows. 176, 296, 1384 and
// 872 bytes for a 16 x 16 image; 304, 744, 2216, 3240 for 32 x 32; 816, 1640, 3752, 7336 for 48
// x 48.
std::uint32_t BytesInResource(int color_count, int width, int height);

// Appends one image resource: bitmap header (with `image_size_field` in its image-size
// field), palette, colour rows of `color` at the colour count's depth, and the mask rows of
// `mask`; at kAlphaColorCount the 32-bit entry of RgbaFromPlanes (every alpha kept, mask bit
// set where alpha is 0). False when the planes differ in size or are empty, or when a colour does
// not fit the depth; `out` is then unchanged.
bool AppendIconResource(const Surface& mask, const Surface& color, int color_count,
                        std::uint32_t image_size_field, std::vector<std::uint8_t>& out);

// The bytes of a one-image .ico file of the planes at the colour count: header, one
// directory entry (image offset 22), the image resource. 198 bytes for a black-and-white
// 16 x 16 icon, 3262 for a 32 x 32 true-colour one. False when the planes cannot be written
// (sizes differ, empty or wider than 256, colours that do not fit the depth).
bool BuildIconFileBytes(const Surface& mask, const Surface& color, int color_count,
                        std::vector<std::uint8_t>& out);

// Writes a one-image .ico file at `path`. Shows nothing; false on any fault, in which case
// a file already at `path` is left as it was.
bool WriteIconFile(const Surface& mask, const Surface& color, int color_count,
                   const std::string& path);

// Why saving back into a multi-image file failed.
enum class ReplaceError {
  kNone,
  kCannotRead,          // the source cannot be read (the system's description comes along)
  kSourceDamaged,       // its directory or an image it copies lies outside the file
  kSourceImageMissing,  // it no longer has the image `SourceIndex` names
  kPlaneSizeMismatch,   // the planes are not `SourceWidth` x `SourceHeight`, or not writable
  kUnsupportedDepth,    // a colour does not fit the colour count's depth
  kCannotWrite,         // the output cannot be written (the system's description comes along)
};

struct ReplaceResult {
  ReplaceError error = ReplaceError::kNone;
  // The system's description of the failed read or write.
  std::string system_error;

  bool Saved() const { return error == ReplaceError::kNone; }
};

// The bytes of `source` rewritten with the edited image in place of image
// `state.SourceIndex`: the source's header unchanged, the edited image's entry first
// (`SourceWidth` x `SourceHeight`, which must be the planes' size), the other entries in
// their order behind it, then the images' data in the same order without gaps. On any error
// `out` is empty.
ReplaceError BuildReplacedIconFileBytes(IconFileBytes source, const Surface& mask,
                                        const Surface& color, int color_count,
                                        const MultiImageState& state,
                                        std::vector<std::uint8_t>& out);

// Saves the edited image back into the multi-image file `source_path`, to
// `destination_path`, or over the source when the destination is empty or names the source
// itself. Shows nothing; on failure every existing file is left as it was and the result
// says why.
ReplaceResult ReplaceIconInFile(const Surface& mask, const Surface& color, int color_count,
                                const std::string& source_path, const std::string& destination_path,
                                const MultiImageState& state);

}  // namespace brindlex
