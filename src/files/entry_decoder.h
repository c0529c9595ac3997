#pragma once

// Decoding one bare icon or cursor entry (the bytes a directory entry points at, which are
// also what a program's icon resource holds) into an RGBA picture: a bitmap (information
// header, palette, colour rows, mask rows) of 1, 4, 8, 24 or 32 bits, or a PNG stream.

#include <cstdint>
#include <span>
#include <vector>

#include "files/rgba_image.h"

namespace brindlex {

// Largest side of an icon or cursor entry: a directory entry's size byte counts to 256.
constexpr int kMaxEntryEdge = 256;

// What the entry's own header says about its picture.
struct EntryHeader {
  bool is_png = false;
  int width = 0, height = 0;  // bitmaps: the header's height halved (colour and mask rows)
  int bit_count = 0;          // bitmaps: the header's bit count; PNG streams: 32
  std::uint32_t colors_used = 0;
};

// Reads the header of a bitmap entry (at least the 40-byte information header) or of a PNG
// stream (its header chunk). False when the entry is neither.
bool ReadEntryHeader(std::span<const std::uint8_t> entry, EntryHeader& header);

struct EntryDecodeResult {
  RgbaImage image;
  bool is_png = false;
  int bit_count = 0;  // 1, 4, 8, 24 or 32; 32 for PNG streams
  // Pixels whose mask bit is set over a colour other than black: on screen they invert what
  // lies behind them, which an RGBA picture cannot hold; they are decoded transparent.
  int inverting_pixels = 0;
  // Their places and colours, rows from the top, for a picture that an entry can store again
  // (at most kMaxEntryEdge a side); empty for a larger one, which only scaling takes.
  std::vector<InvertingPixel> inverting;
};

// Decodes the entry. Bitmaps:
//  - 1, 4 and 8 bits index the palette, of which only the colours-used field's count is
//    stored when it names fewer entries than the depth allows; an index past the stored
//    palette gives black. 24 bits are blue, green, red; 32 bits blue, green, red, alpha.
//  - A 32-bit entry whose alpha bytes are not all 0 takes its alpha as stored and its mask
//    is ignored. Otherwise the mask decides: a set bit makes the pixel 0, 0, 0, 0 (counted as
//    inverting when its colour is not black), a clear bit opaque. Without mask rows (the
//    entry ends with the colour rows) every pixel is opaque; mask rows cut short are damage.
// PNG streams of any colour type are decoded to 8-bit RGBA.
// Sides must lie in 1..max_edge. Every length is checked against the entry before anything
// is allocated for the pixels. False on any fault; `result` is then unchanged.
bool DecodeEntryImage(std::span<const std::uint8_t> entry, EntryDecodeResult& result,
                      int max_edge = kMaxEntryEdge);

}  // namespace brindlex
