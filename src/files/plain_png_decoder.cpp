#include "files/plain_png_decoder.h"

#include <libdeflate.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string_view>

#include "files/icon_format.h"
#include "files/icon_png.h"
#include "platform/short_run_memory.h"

namespace brindlex {

namespace {

constexpr std::uint8_t kRgb = 2, kRgba = 6;
constexpr std::size_t kChunkOverhead = 12;  // length, type, CRC
constexpr std::size_t kHeaderLength = 13;
// Deflate's densest coding: 258 bytes out of every 2 bits at best, so 1032 to 1.
constexpr std::size_t kMaxInflation = 1032;

enum Filter : std::uint8_t { kNone = 0, kSub, kUp, kAverage, kPaeth };

std::string_view ChunkType(const std::uint8_t* chunk) {
  return {reinterpret_cast<const char*>(chunk + 4), 4};
}

// Chunk types are four ASCII letters.
bool WellFormedType(std::string_view type) {
  return std::all_of(type.begin(), type.end(),
                     [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

// True when the chunk's CRC (over its type and data) is the one stored after it.
bool CrcHolds(const std::uint8_t* chunk, std::uint32_t length) {
  return libdeflate_crc32(0, chunk + 4, 4 + std::size_t{length}) ==
         ReadU32BigEndian(chunk + 8 + length);
}

// A row's filter is undone from `in` (the filtered bytes) into `out`, against `prior` (the
// row above as decoded, zeros for the first). `out` may be `in` or lie before it in the same
// buffer: each byte is read before its place is written, and its left neighbour is taken
// from what is already decoded.

#if defined(__SSE2__)
// Sub, Average or Paeth on pixels of `stride` (3 or 4) bytes. Each prediction needs the pixel
// just decoded, so pixels go one after another, but a pixel's channels go side by side in
// 16-bit lanes: three to four times the speed of a byte at a time.
// A pixel's bytes as the low bytes of a 32-bit value and back. Three bytes are put together
// in a register: through memory, a wide load after narrow stores stalls the processor.
template <std::size_t stride>
std::int32_t LoadPixel(const std::uint8_t* p) {
  std::uint32_t value = 0;
  if constexpr (stride == 4) {
    std::memcpy(&value, p, 4);
  } else {
    value = p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16);
  }
  return static_cast<std::int32_t>(value);
}

template <std::size_t stride>
void StorePixel(std::int32_t value, std::uint8_t* p) {
  const auto bits = static_cast<std::uint32_t>(value);
  if constexpr (stride == 4) {
    std::memcpy(p, &bits, 4);
  } else {
    for (std::size_t k = 0; k < 3; ++k) p[k] = static_cast<std::uint8_t>(bits >> (8 * k));
  }
}

template <std::size_t stride, Filter filter>
void UnfilterPixels(const std::uint8_t* in, std::uint8_t* out, const std::uint8_t* prior,
                    std::size_t length) {
  const __m128i zero = _mm_setzero_si128();
  __m128i left = zero, upper_left = zero;
  for (std::size_t i = 0; i < length; i += stride) {
    const __m128i above = _mm_unpacklo_epi8(_mm_cvtsi32_si128(LoadPixel<stride>(prior + i)), zero);
    const __m128i filtered = _mm_unpacklo_epi8(_mm_cvtsi32_si128(LoadPixel<stride>(in + i)), zero);
    __m128i predicted = left;
    if constexpr (filter == kAverage) {
      predicted = _mm_srli_epi16(_mm_add_epi16(left, above), 1);
    } else if constexpr (filter == kPaeth) {
      // The distances of left + above - upper left to left, above and upper left.
      __m128i to_left = _mm_sub_epi16(above, upper_left);
      __m128i to_above = _mm_sub_epi16(left, upper_left);
      __m128i to_upper_left = _mm_add_epi16(to_left, to_above);
      to_left = _mm_max_epi16(to_left, _mm_sub_epi16(zero, to_left));
      to_above = _mm_max_epi16(to_above, _mm_sub_epi16(zero, to_above));
      to_upper_left = _mm_max_epi16(to_upper_left, _mm_sub_epi16(zero, to_upper_left));
      const __m128i nearest = _mm_min_epi16(to_upper_left, _mm_min_epi16(to_left, to_above));
      // Left on a tie with either, then above, then upper left.
      const __m128i take_left = _mm_cmpeq_epi16(nearest, to_left);
      const __m128i take_above = _mm_cmpeq_epi16(nearest, to_above);
      predicted =
          _mm_or_si128(_mm_and_si128(take_above, above), _mm_andnot_si128(take_above, upper_left));
      predicted =
          _mm_or_si128(_mm_and_si128(take_left, left), _mm_andnot_si128(take_left, predicted));
    }
    left = _mm_and_si128(_mm_add_epi16(filtered, predicted), _mm_set1_epi16(0xFF));
    StorePixel<stride>(_mm_cvtsi128_si32(_mm_packus_epi16(left, left)), out + i);
    upper_left = above;
  }
}

template <Filter filter>
void UnfilterPixels(const std::uint8_t* in, std::uint8_t* out, const std::uint8_t* prior,
                    std::size_t length, std::size_t stride) {
  if (stride == 4) {
    UnfilterPixels<4, filter>(in, out, prior, length);
  } else {
    UnfilterPixels<3, filter>(in, out, prior, length);
  }
}
#else
std::uint8_t PaethPredictor(int a, int b, int c) {
  const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
  return static_cast<std::uint8_t>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// A byte at a time: the left neighbour is the decoded byte `stride` before (0 on the first
// pixel), as are the above and upper-left ones in `prior`.
template <Filter filter>
void UnfilterPixels(const std::uint8_t* in, std::uint8_t* out, const std::uint8_t* prior,
                    std::size_t length, std::size_t stride) {
  for (std::size_t i = 0; i < length; ++i) {
    const int left = i >= stride ? out[i - stride] : 0;
    const int upper_left = i >= stride ? prior[i - stride] : 0;
    int predicted = left;
    if constexpr (filter == kAverage) predicted = (left + prior[i]) / 2;
    if constexpr (filter == kPaeth) predicted = PaethPredictor(left, prior[i], upper_left);
    out[i] = static_cast<std::uint8_t>(in[i] + predicted);
  }
}
#endif

bool Unfilter(std::uint8_t filter, const std::uint8_t* in, std::uint8_t* out,
              const std::uint8_t* prior, std::size_t length, std::size_t stride) {
  switch (filter) {
    case kNone:
      std::memmove(out, in, length);
      return true;
    case kSub:
      UnfilterPixels<kSub>(in, out, prior, length, stride);
      return true;
    case kUp:
      for (std::size_t i = 0; i < length; ++i) out[i] = static_cast<std::uint8_t>(in[i] + prior[i]);
      return true;
    case kAverage:
      UnfilterPixels<kAverage>(in, out, prior, length, stride);
      return true;
    case kPaeth:
      UnfilterPixels<kPaeth>(in, out, prior, length, stride);
      return true;
    default:
      return false;
  }
}

struct DecompressorDeleter {
  void operator()(libdeflate_decompressor* d) const { libdeflate_free_decompressor(d); }
};

}  // namespace

bool DecodePlainPng(std::span<const std::uint8_t> data, int width, int height,
                    std::vector<std::uint8_t>& rgba) {
  constexpr std::size_t kFirstChunk = sizeof kPngSignature;
  if (width <= 0 || height <= 0 || !StartsWithPng(data) ||
      !RangeInside(kFirstChunk, kChunkOverhead + kHeaderLength, data.size()))
    return false;
  const std::uint8_t* header_chunk = data.data() + kFirstChunk;
  const std::uint8_t* header = header_chunk + 8;
  if (ReadU32BigEndian(header_chunk) != kHeaderLength || ChunkType(header_chunk) != "IHDR" ||
      !CrcHolds(header_chunk, kHeaderLength) ||
      ReadU32BigEndian(header) != static_cast<std::uint32_t>(width) ||
      ReadU32BigEndian(header + 4) != static_cast<std::uint32_t>(height))
    return false;
  const std::uint8_t bit_depth = header[8], color_type = header[9];
  // Compression, filter method and interlacing: only the plain 0 of each.
  if (bit_depth != 8 || (color_type != kRgb && color_type != kRgba) || header[10] != 0 ||
      header[11] != 0 || header[12] != 0)
    return false;

  // The image data: the run of IDAT chunks, after ancillary chunks that do not change the
  // pixels. Any other critical chunk, or a transparency chunk, is libpng's to handle.
  std::vector<std::uint8_t> joined;
  std::span<const std::uint8_t> compressed;
  bool in_data = false;
  std::size_t at = kFirstChunk + kChunkOverhead + kHeaderLength;
  while (RangeInside(at, kChunkOverhead, data.size())) {
    const std::uint8_t* chunk = data.data() + at;
    const std::uint32_t length = ReadU32BigEndian(chunk);
    if (!RangeInside(at + kChunkOverhead, length, data.size())) return false;
    const std::string_view type = ChunkType(chunk);
    if (!WellFormedType(type)) return false;
    if (type != "IDAT") {
      if (in_data) break;
      if ((type[0] & 0x20) == 0 || type == "tRNS") return false;
    } else {
      if (!CrcHolds(chunk, length)) return false;
      const std::span<const std::uint8_t> part(chunk + 8, length);
      if (!in_data) {
        compressed = part;
      } else {
        if (joined.empty()) joined.assign(compressed.begin(), compressed.end());
        joined.insert(joined.end(), part.begin(), part.end());
        compressed = joined;
      }
      in_data = true;
    }
    at += kChunkOverhead + length;
  }
  // libdeflate takes every stream as having deflate's whole 32 KiB window; zlib holds a
  // stream to the smaller window its header may declare (as small streams do), so those are
  // left to libpng to judge.
  constexpr std::uint8_t kWholeWindow = 7 << 4;  // CINFO 7: 32 KiB
  if (!in_data || compressed.empty() || (compressed[0] & 0xF0) != kWholeWindow) return false;

  const std::size_t stride = color_type == kRgba ? 4 : 3;
  const std::size_t row_bytes = stride * static_cast<std::size_t>(width);
  const std::size_t raw_size = (row_bytes + 1) * static_cast<std::size_t>(height);
  if (raw_size / kMaxInflation > compressed.size()) return false;  // too short to hold it
  // One buffer serves for the inflated rows and the pixels: the rows are inflated into its
  // end and decoded forwards into its start, each byte read before its place is written
  // (the decoded data is never longer than the data still to be read before it).
  const std::size_t pixel_bytes = static_cast<std::size_t>(width) * height * 4;
  PrepareMemory(pixel_bytes + static_cast<std::size_t>(height));
  std::vector<std::uint8_t> pixels(pixel_bytes + static_cast<std::size_t>(height));
  std::uint8_t* const raw = pixels.data() + pixels.size() - raw_size;
  const std::unique_ptr<libdeflate_decompressor, DecompressorDeleter> inflater(
      libdeflate_alloc_decompressor());
  if (!inflater) throw std::bad_alloc();
  std::size_t produced = 0;
  if (libdeflate_zlib_decompress(inflater.get(), compressed.data(), compressed.size(), raw,
                                 raw_size, &produced) != LIBDEFLATE_SUCCESS ||
      produced != raw_size)
    return false;

  // RGBA rows are decoded straight into their pixels; RGB rows in place, then widened.
  const std::vector<std::uint8_t> zeros(row_bytes, 0);
  const std::uint8_t* prior = zeros.data();
  for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
    std::uint8_t* row = raw + y * (row_bytes + 1) + 1;
    std::uint8_t* out = stride == 4 ? pixels.data() + y * row_bytes : row;
    if (!Unfilter(row[-1], row, out, prior, row_bytes, stride)) return false;
    prior = out;
  }
  if (stride == 3) {
    for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
      const std::uint8_t* row = raw + y * (row_bytes + 1) + 1;
      std::uint8_t* out = pixels.data() + y * static_cast<std::size_t>(width) * 4;
      for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
        const std::uint8_t red = row[3 * x], green = row[3 * x + 1], blue = row[3 * x + 2];
        out[4 * x] = red;
        out[4 * x + 1] = green;
        out[4 * x + 2] = blue;
        out[4 * x + 3] = 0xFF;
      }
    }
  }
  pixels.resize(pixel_bytes);
  rgba = std::move(pixels);
  return true;
}

}  // namespace brindlex
