#include "files/png_entry_encoder.h"

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <span>
#include <string_view>
#include <unordered_map>

#include "files/icon_format.h"

namespace brindlex {

namespace {

// PNG colour types.
constexpr std::uint8_t kGrey = 0, kRgb = 2, kIndexed = 3, kGreyAlpha = 4, kRgba = 6;
// Row filter types; kAdaptive picks one per row.
enum Filter : int { kNone = 0, kSub, kUp, kAverage, kPaeth, kAdaptive };

// The picture's pixels in one PNG colour type: packed rows without filter bytes, and the
// palette and transparency chunks' data for indexed pictures.
struct PngLayout {
  std::uint8_t color_type = kRgba;
  int bit_depth = 8;
  std::size_t row_bytes = 0;
  int filter_stride = 4;  // bytes per pixel for the filters (1 below 8 bits)
  std::vector<std::uint8_t> rows;
  std::vector<std::uint8_t> palette;  // R, G, B per entry
  std::vector<std::uint8_t> alpha;    // tRNS: alpha per entry, trailing 255s left out
};

std::uint32_t PackedRgba(const std::uint8_t* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}

// The direct layout: grey, grey and alpha, RGB or RGBA, whichever holds every byte.
PngLayout DirectLayout(const RgbaImage& image) {
  bool opaque = true, grey = true;
  for (std::size_t i = 0; i < image.pixels.size(); i += 4) {
    const std::uint8_t* p = image.pixels.data() + i;
    opaque = opaque && p[3] == 0xFF;
    grey = grey && p[0] == p[1] && p[1] == p[2];
    if (!opaque && !grey) break;
  }
  PngLayout layout;
  layout.color_type = grey ? (opaque ? kGrey : kGreyAlpha) : (opaque ? kRgb : kRgba);
  const int channels = (grey ? 1 : 3) + (opaque ? 0 : 1);
  layout.filter_stride = channels;
  layout.row_bytes = static_cast<std::size_t>(image.width) * channels;
  if (channels == 4) {  // RGBA: the picture's own bytes
    layout.rows = image.pixels;
    return layout;
  }
  layout.rows.resize(layout.row_bytes * static_cast<std::size_t>(image.height));
  std::uint8_t* out = layout.rows.data();
  for (std::size_t i = 0; i < image.pixels.size(); i += 4) {
    const std::uint8_t* p = image.pixels.data() + i;
    if (grey) {
      *out++ = p[0];
    } else {
      out = std::copy_n(p, 3, out);
    }
    if (!opaque) *out++ = p[3];
  }
  return layout;
}

// The indexed layout, when at most 256 distinct pixels occur: entries in order of first
// occurrence, except that the partly or fully transparent ones come first so that the
// transparency chunk stays short; the smallest bit depth that holds the count.
bool IndexedLayout(const RgbaImage& image, PngLayout& layout) {
  std::unordered_map<std::uint32_t, int> seen;
  std::vector<std::uint32_t> order;
  for (std::size_t i = 0; i < image.pixels.size(); i += 4) {
    const std::uint32_t v = PackedRgba(image.pixels.data() + i);
    if (seen.emplace(v, 0).second) {
      order.push_back(v);
      if (order.size() > 256) return false;
    }
  }
  std::stable_partition(order.begin(), order.end(),
                        [](std::uint32_t v) { return (v >> 24) != 0xFF; });
  for (std::size_t k = 0; k < order.size(); ++k) seen[order[k]] = static_cast<int>(k);

  const std::size_t count = order.size();
  layout.color_type = kIndexed;
  layout.bit_depth = count <= 2 ? 1 : count <= 4 ? 2 : count <= 16 ? 4 : 8;
  layout.filter_stride = 1;
  layout.row_bytes = (static_cast<std::size_t>(image.width) * layout.bit_depth + 7) / 8;
  for (const std::uint32_t v : order) {
    for (int c = 0; c < 3; ++c) layout.palette.push_back(static_cast<std::uint8_t>(v >> (8 * c)));
    layout.alpha.push_back(static_cast<std::uint8_t>(v >> 24));
  }
  while (!layout.alpha.empty() && layout.alpha.back() == 0xFF) layout.alpha.pop_back();

  layout.rows.assign(layout.row_bytes * image.height, 0);
  const int per_byte = 8 / layout.bit_depth;
  for (int y = 0; y < image.height; ++y) {
    std::uint8_t* row = layout.rows.data() + layout.row_bytes * y;
    for (int x = 0; x < image.width; ++x) {
      const int index = seen[PackedRgba(image.At(x, y))];
      const int shift = 8 - layout.bit_depth * (x % per_byte + 1);
      row[x / per_byte] = static_cast<std::uint8_t>(row[x / per_byte] | (index << shift));
    }
  }
  return true;
}

// The Paeth prediction from the left, above and upper-left bytes, without branches so that
// whole rows are computed several bytes at a time.
std::uint8_t PaethPredictor(int a, int b, int c) {
  const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
  const int b_or_c = pb <= pc ? b : c;
  return static_cast<std::uint8_t>(pa <= pb && pa <= pc ? a : b_or_c);
}

// The filtered byte at i of a row, against the row above (`prior`, zeros for the first).
// Bytes left of the row's first pixel count as 0: `inside` says i is past the first pixel, so
// that the loops over the rest of the row run without a test and several bytes at a time.
template <int filter, bool inside>
std::uint8_t Filtered(const std::uint8_t* row, const std::uint8_t* prior, std::size_t i,
                      std::size_t stride) {
  const int left = inside ? row[i - stride] : 0;
  const int upper_left = inside ? prior[i - stride] : 0;
  int predicted = 0;
  if constexpr (filter == kSub) predicted = left;
  if constexpr (filter == kUp) predicted = prior[i];
  if constexpr (filter == kAverage) predicted = (left + prior[i]) / 2;
  if constexpr (filter == kPaeth) predicted = PaethPredictor(left, prior[i], upper_left);
  return static_cast<std::uint8_t>(row[i] - predicted);
}

// Row `row` filtered with `filter` against the row above, into `out`.
template <int filter>
void FilterRowWith(const std::uint8_t* row, const std::uint8_t* prior, std::size_t length,
                   std::size_t stride, std::uint8_t* out) {
  const std::size_t first_pixel = std::min(stride, length);
  for (std::size_t i = 0; i < first_pixel; ++i)
    out[i] = Filtered<filter, false>(row, prior, i, stride);
  for (std::size_t i = first_pixel; i < length; ++i)
    out[i] = Filtered<filter, true>(row, prior, i, stride);
}

void FilterRow(const std::uint8_t* row, const std::uint8_t* prior, std::size_t length,
               std::size_t stride, int filter, std::uint8_t* out) {
  switch (filter) {
    case kSub:
      return FilterRowWith<kSub>(row, prior, length, stride, out);
    case kUp:
      return FilterRowWith<kUp>(row, prior, length, stride, out);
    case kAverage:
      return FilterRowWith<kAverage>(row, prior, length, stride, out);
    case kPaeth:
      return FilterRowWith<kPaeth>(row, prior, length, stride, out);
    default:
      std::copy_n(row, length, out);
  }
}

// A filtered byte taken as a signed value, its size: the usual measure for picking a row's
// filter (smaller sums tend to compress better).
std::uint32_t Magnitude(std::uint8_t v) { return v < 128 ? v : 256U - v; }

// Adds the magnitudes of byte i under each filter to `sums`.
template <bool inside>
void AddMagnitudes(const std::uint8_t* row, const std::uint8_t* prior, std::size_t i,
                   std::size_t stride, std::array<std::uint32_t, 5>& sums) {
  sums[kNone] += Magnitude(row[i]);
  sums[kSub] += Magnitude(Filtered<kSub, inside>(row, prior, i, stride));
  sums[kUp] += Magnitude(Filtered<kUp, inside>(row, prior, i, stride));
  sums[kAverage] += Magnitude(Filtered<kAverage, inside>(row, prior, i, stride));
  sums[kPaeth] += Magnitude(Filtered<kPaeth, inside>(row, prior, i, stride));
}

// The measure below runs over every byte of a large picture: it is built twice, for
// processors with AVX2 (chosen as the program starts) and for the rest; twice the speed.
// (Not under ThreadSanitizer, whose build says so: the choice runs before it is ready.)
#if defined(__x86_64__) && defined(__GNUC__) && !defined(BRINDLEX_ONE_BUILD_FOR_EVERY_PROCESSOR)
#define BRINDLEX_ALSO_FOR_AVX2 __attribute__((target_clones("avx2", "default")))
#else
#define BRINDLEX_ALSO_FOR_AVX2
#endif

// The filter of the five whose output has the smallest sum of magnitudes. All five are
// measured in one pass over the row, without writing any of them. (The sums of a row under
// 32 MiB stay below 2^32.)
BRINDLEX_ALSO_FOR_AVX2 int CheapestFilter(const std::uint8_t* row, const std::uint8_t* prior,
                                          std::size_t length, std::size_t stride) {
  std::array<std::uint32_t, 5> sums{};
  const std::size_t first_pixel = std::min(stride, length);
  for (std::size_t i = 0; i < first_pixel; ++i) AddMagnitudes<false>(row, prior, i, stride, sums);
  for (std::size_t i = first_pixel; i < length; ++i)
    AddMagnitudes<true>(row, prior, i, stride, sums);
  return static_cast<int>(std::min_element(sums.begin(), sums.end()) - sums.begin());
}

// The image data before compression of rows first .. first + count - 1: each row preceded by
// its filter type byte.
std::vector<std::uint8_t> FilteredData(const PngLayout& layout, int first, int count, int filter) {
  const std::size_t length = layout.row_bytes;
  const auto stride = static_cast<std::size_t>(layout.filter_stride);
  std::vector<std::uint8_t> out((length + 1) * static_cast<std::size_t>(count));
  const std::vector<std::uint8_t> zeros(length, 0);
  for (int y = first; y < first + count; ++y) {
    const std::uint8_t* row = layout.rows.data() + length * static_cast<std::size_t>(y);
    const std::uint8_t* prior = y > 0 ? row - length : zeros.data();
    std::uint8_t* target = out.data() + (length + 1) * static_cast<std::size_t>(y - first);
    const int chosen = filter == kAdaptive ? CheapestFilter(row, prior, length, stride) : filter;
    target[0] = static_cast<std::uint8_t>(chosen);
    FilterRow(row, prior, length, stride, chosen, target + 1);
  }
  return out;
}

// How hard zlib works: its whole search on small pictures, and run lengths only on
// photograph-like ones.
struct Effort {
  int level;
  int strategy = Z_DEFAULT_STRATEGY;
};
// Large pictures' candidates are ranked by libdeflate's quickest level, twice zlib's speed.
constexpr int kRankingLevel = 1;
// Data up to this size is compressed in full at every candidate, at zlib's full highest level.
constexpr std::size_t kExhaustiveBytes = 32 * 1024;
constexpr Effort kExhaustive{Z_BEST_COMPRESSION};
// The best candidate of a large picture is compressed by libdeflate at its level 6: over 40
// theme icons of 256 pixels within 1.3% of zlib's highest level with its match search cut to
// 128 steps, in 40% of the time (level 7 comes within 0.1% in 60%).
constexpr int kFinalLevel = 6;
// Photograph-like rows, which the quick pass shrinks by less than this share (icon pictures
// go below a fifth), hold few repeats: zlib's run-length strategy, which looks for repeats of
// the byte before only, makes them a tenth smaller than a full search in a seventh of the
// time.
constexpr double kPhotographLikeShare = 0.35;
constexpr Effort kFinalPhotographLike{Z_BEST_COMPRESSION, Z_RLE};

// Deflates the data as a zlib stream with the given effort; empty on failure.
std::vector<std::uint8_t> Deflate(std::span<const std::uint8_t> data, Effort effort) {
  z_stream stream{};
  const int started = deflateInit2(&stream, effort.level, Z_DEFLATED, 15, 9, effort.strategy);
  if (started == Z_MEM_ERROR) throw std::bad_alloc();
  if (started != Z_OK) return {};
  std::vector<std::uint8_t> out(deflateBound(&stream, static_cast<uLong>(data.size())));
  stream.next_in = const_cast<Bytef*>(data.data());
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = out.data();
  stream.avail_out = static_cast<uInt>(out.size());
  const int result = deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  if (result != Z_STREAM_END) return {};
  return out;
}

// The same through libdeflate at `level`.
std::vector<std::uint8_t> DeflateWithLibdeflate(std::span<const std::uint8_t> data, int level) {
  const std::unique_ptr<libdeflate_compressor, void (*)(libdeflate_compressor*)> compressor(
      libdeflate_alloc_compressor(level), libdeflate_free_compressor);
  if (!compressor) throw std::bad_alloc();
  std::vector<std::uint8_t> out(libdeflate_zlib_compress_bound(compressor.get(), data.size()));
  out.resize(
      libdeflate_zlib_compress(compressor.get(), data.data(), data.size(), out.data(), out.size()));
  return out;
}

void AppendU32BigEndian(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void AppendChunk(std::vector<std::uint8_t>& out, const char (&type)[5],
                 const std::vector<std::uint8_t>& data) {
  AppendU32BigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  const auto crc = crc32(0, out.data() + start, static_cast<uInt>(out.size() - start));
  AppendU32BigEndian(out, static_cast<std::uint32_t>(crc));
}

// The PNG stream of the picture in the layout with its compressed image data; empty when
// the data is (compression failed).
std::vector<std::uint8_t> PngStream(const PngLayout& layout, const RgbaImage& image,
                                    const std::vector<std::uint8_t>& compressed) {
  if (compressed.empty()) return {};
  std::vector<std::uint8_t> header;
  AppendU32BigEndian(header, static_cast<std::uint32_t>(image.width));
  AppendU32BigEndian(header, static_cast<std::uint32_t>(image.height));
  header.insert(header.end(),
                {static_cast<std::uint8_t>(layout.bit_depth), layout.color_type, 0, 0, 0});
  std::vector<std::uint8_t> out(std::begin(kPngSignature), std::end(kPngSignature));
  AppendChunk(out, "IHDR", header);
  if (layout.color_type == kIndexed) {
    AppendChunk(out, "PLTE", layout.palette);
    if (!layout.alpha.empty()) AppendChunk(out, "tRNS", layout.alpha);
  }
  AppendChunk(out, "IDAT", compressed);
  AppendChunk(out, "IEND", {});
  return out;
}

// Keeps `stream` as the smallest when it is not empty and smaller than the one kept.
void KeepSmaller(std::vector<std::uint8_t> stream, std::vector<std::uint8_t>& smallest) {
  if (!stream.empty() && (smallest.empty() || stream.size() < smallest.size()))
    smallest = std::move(stream);
}

// The filters worth trying for a layout: indexed rows below 8 bits pack several pixels a
// byte, where prediction only hurts. On icon pictures a single filter for every row wins
// only as none or Paeth; otherwise the per-row choice does best. On large pictures Paeth
// alone won 3 of 60 theme icons, by 3% at most, and is not worth its ranking pass.
std::vector<int> FiltersToTry(const PngLayout& layout, bool large) {
  if (layout.color_type == kIndexed && layout.bit_depth < 8) return {kNone};
  if (layout.color_type == kIndexed || large) return {kNone, kAdaptive};
  return {kNone, kPaeth, kAdaptive};
}

}  // namespace

std::vector<std::uint8_t> PixelChunksOf(std::span<const std::uint8_t> stream) {
  constexpr std::size_t kIhdrBitDepth = 8, kIhdrInterlace = 12;
  if (stream.size() < sizeof kPngSignature ||
      !std::equal(std::begin(kPngSignature), std::end(kPngSignature), stream.begin()))
    return {};
  std::vector<std::uint8_t> out(std::begin(kPngSignature), std::end(kPngSignature));
  std::size_t at = sizeof kPngSignature;
  while (RangeInside(at, 12, stream.size())) {
    const std::uint32_t length = ReadU32BigEndian(stream.data() + at);
    if (!RangeInside(at + 12, length, stream.size())) return {};
    const std::string_view type(reinterpret_cast<const char*>(stream.data() + at + 4), 4);
    const std::uint8_t* data = stream.data() + at + 8;
    const bool first = at == sizeof kPngSignature;
    if (first != (type == "IHDR")) return {};
    if (first && (length != 13 || data[kIhdrBitDepth] > 8 || data[kIhdrInterlace] != 0)) return {};
    const bool critical = (type[0] & 0x20) == 0;
    const bool kept =
        type == "IHDR" || type == "PLTE" || type == "tRNS" || type == "IDAT" || type == "IEND";
    if (critical && !kept) return {};
    if (kept) out.insert(out.end(), stream.begin() + at, stream.begin() + at + 12 + length);
    if (type == "IEND") return out;
    at += 12 + std::size_t{length};
  }
  return {};
}

std::vector<std::uint8_t> EncodeSmallestPng(const RgbaImage& image,
                                            std::span<const std::uint8_t> source) {
  if (!IsWellFormed(image)) return {};
  std::vector<PngLayout> layouts;
  layouts.push_back(DirectLayout(image));
  PngLayout indexed;
  if (IndexedLayout(image, indexed)) layouts.push_back(std::move(indexed));

  // Small pictures: every candidate (a layout with its rows filtered one way) compressed at
  // zlib's full highest level. Large pictures: the candidates ranked by zlib's quickest level
  // on the middle quarter of their rows, where an icon's drawing lies, and only the best
  // filtered whole and compressed hard.
  const int height = image.height;
  const bool large = layouts.front().rows.size() > kExhaustiveBytes;
  std::vector<std::uint8_t> smallest;
  const PngLayout* best_layout = nullptr;
  int best_filter = kNone;
  std::size_t best_rank = SIZE_MAX;
  const int band_first = height * 3 / 8, band_rows = std::max(1, height / 4);
  for (const PngLayout& layout : layouts) {
    for (const int filter : FiltersToTry(layout, large)) {
      if (!large) {
        KeepSmaller(
            PngStream(layout, image, Deflate(FilteredData(layout, 0, height, filter), kExhaustive)),
            smallest);
        continue;
      }
      const std::size_t rank =
          DeflateWithLibdeflate(FilteredData(layout, band_first, band_rows, filter), kRankingLevel)
              .size();
      if (rank < best_rank) {
        best_rank = rank;
        best_layout = &layout;
        best_filter = filter;
      }
    }
  }
  if (best_layout) {
    const std::size_t band_bytes =
        (best_layout->row_bytes + 1) * static_cast<std::size_t>(band_rows);
    const bool photograph_like =
        static_cast<double>(best_rank) > kPhotographLikeShare * static_cast<double>(band_bytes);
    const std::vector<std::uint8_t> data = FilteredData(*best_layout, 0, height, best_filter);
    KeepSmaller(PngStream(*best_layout, image,
                          photograph_like ? Deflate(data, kFinalPhotographLike)
                                          : DeflateWithLibdeflate(data, kFinalLevel)),
                smallest);
  }
  KeepSmaller(PixelChunksOf(source), smallest);
  return smallest;
}

}  // namespace brindlex
