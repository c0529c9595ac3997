#include "files/icon_png.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <new>

#include "files/icon_format.h"
#include "files/plain_png_decoder.h"
#include "files/png_memory.h"

namespace brindlex {

namespace {

// The PNG stream being read, with the position of the next byte.
struct MemoryStream {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t position;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
  auto* stream = static_cast<MemoryStream*>(png_get_io_ptr(png));
  if (length > stream->size - stream->position) png_error(png, "truncated PNG stream");
  std::memcpy(out, stream->data + stream->position, length);
  stream->position += length;
}

void IgnoreWarning(png_structp, png_const_charp) {}

void RaiseError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// Largest chunk libpng may allocate for ancillary data (text, colour profiles). An icon
// image of at most 48 x 48 pixels needs none of them.
constexpr png_alloc_size_t kMaxChunkBytes = 256 * 1024;

// Runs libpng over the stream. Kept apart from the caller so that nothing with a destructor
// is created or resized between setjmp and a possible longjmp: the output buffer and row
// pointers are sized by the caller and only written through here.
bool ReadRgba(png_structp png, png_infop info, int width, int height, png_bytep* rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_user_limits(png, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height));
  png_set_chunk_malloc_max(png, kMaxChunkBytes);
  // Only the header, palette, transparency and image data chunks make the pixels; every
  // other chunk is skipped unread. An oversized ancillary chunk is only a warning to libpng,
  // which would otherwise allocate its whole declared length.
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
  png_read_info(png, info);
  if (png_get_image_width(png, info) != static_cast<png_uint_32>(width) ||
      png_get_image_height(png, info) != static_cast<png_uint_32>(height))
    return false;
  const int color_type = png_get_color_type(png, info);
  png_set_expand(png);  // Palette to RGB, low grey depths to 8 bits, tRNS to alpha.
#ifdef PNG_READ_SCALE_16_TO_8_SUPPORTED
  png_set_scale_16(png);  // 16-bit samples rounded to the nearest 8-bit value.
#else
  png_set_strip_16(png);
#endif
  if (color_type == PNG_COLOR_TYPE_GRAY || color_type == PNG_COLOR_TYPE_GRAY_ALPHA)
    png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != static_cast<png_size_t>(width) * 4) return false;
  png_read_image(png, rows);
  return true;
}

}  // namespace

bool StartsWithPng(std::span<const std::uint8_t> data) {
  return data.size() >= sizeof kPngSignature &&
         std::equal(std::begin(kPngSignature), std::end(kPngSignature), data.begin());
}

bool ReadPngSize(std::span<const std::uint8_t> data, std::uint32_t& width, std::uint32_t& height) {
  // Signature (8), chunk length (4), chunk type "IHDR" (4), width (4), height (4).
  if (data.size() < 24 || !StartsWithPng(data) || std::memcmp(data.data() + 12, "IHDR", 4) != 0)
    return false;
  width = ReadU32BigEndian(data.data() + 16);
  height = ReadU32BigEndian(data.data() + 20);
  return true;
}

bool PngStreamCanHold(std::span<const std::uint8_t> data, std::int64_t width, std::int64_t height) {
  constexpr std::uint64_t kMaxDeflateRatio = 1032;
  if (width <= 0 || height <= 0) return false;
  const std::uint64_t least_raw =
      static_cast<std::uint64_t>(height) * ((static_cast<std::uint64_t>(width) + 7) / 8 + 1);
  return data.size() * kMaxDeflateRatio >= least_raw;
}

bool DecodePngRgba(std::span<const std::uint8_t> data, int width, int height,
                   std::vector<std::uint8_t>& rgba) {
  if (!PngStreamCanHold(data, width, height)) return false;
  return DecodePlainPng(data, width, height, rgba) ||
         DecodePngRgbaWithLibpng(data, width, height, rgba);
}

bool DecodePngRgbaWithLibpng(std::span<const std::uint8_t> data, int width, int height,
                             std::vector<std::uint8_t>& rgba) {
  if (width <= 0 || height <= 0 || !StartsWithPng(data)) return false;
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 4);
  std::vector<png_bytep> rows(static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y)
    rows[y] = pixels.data() + static_cast<std::size_t>(y) * width * 4;

  PngMemory memory;
  png_structp png = png_create_read_struct_2(PNG_LIBPNG_VER_STRING, nullptr, RaiseError,
                                             IgnoreWarning, &memory, AllocateForPng, FreeForPng);
  if (!png) throw std::bad_alloc();
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    throw std::bad_alloc();
  }
  MemoryStream stream{data.data(), data.size(), 0};
  png_set_read_fn(png, &stream, ReadFromMemory);
  const bool ok = ReadRgba(png, info, width, height, rows.data());
  png_destroy_read_struct(&png, &info, nullptr);
  if (memory.ran_out) throw std::bad_alloc();
  if (ok) rgba = std::move(pixels);
  return ok;
}

}  // namespace brindlex
