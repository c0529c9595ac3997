#include "files/png_export.h"

#include <png.h>

#include <csetjmp>
#include <new>

#include "files/png_memory.h"

namespace brindlex {

namespace {

void AppendToVector(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  // Nothing may be thrown through libpng's C frames: the failure goes through its error.
  try {
    out->insert(out->end(), data, data + length);
  } catch (const std::bad_alloc&) {
    StopPngForMemory(png);
  }
}

void FlushNothing(png_structp) {}

void IgnoreWarning(png_structp, png_const_charp) {}

void RaiseError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// Runs libpng over the rows. Nothing with a destructor is created between setjmp and a
// possible longjmp; the output vector only grows through AppendToVector.
bool WriteRows(png_structp png, png_infop info, int width, int height, png_bytep* rows,
               PngCompression compression) {
  if (setjmp(png_jmpbuf(png))) return false;
  if (compression == PngCompression::kFast) {
    png_set_compression_level(png, 1);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  }
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

int RgbaFromPlanes(const Surface& mask, const Surface& color, std::vector<std::uint8_t>& rgba) {
  const int width = color.Width(), height = color.Height();
  rgba.assign(static_cast<std::size_t>(width) * height * 4, 0);
  int inverting = 0;
  std::uint8_t* p = rgba.data();
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x, p += 4) {
      const Color c = color.GetPixel(x, y) & 0xFFFFFF;
      if (mask.GetPixel(x, y) == kWhite) {
        if (c != kBlack) ++inverting;
        continue;  // Stays 0, 0, 0, 0.
      }
      p[0] = static_cast<std::uint8_t>(c);
      p[1] = static_cast<std::uint8_t>(c >> 8);
      p[2] = static_cast<std::uint8_t>(c >> 16);
      p[3] = 0xFF;
    }
  }
  return inverting;
}

bool EncodePngRgba(int width, int height, std::span<const std::uint8_t> rgba,
                   std::vector<std::uint8_t>& out, PngCompression compression) {
  if (width <= 0 || height <= 0 ||
      rgba.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4)
    return false;
  std::vector<png_bytep> rows(static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y)
    rows[y] = const_cast<png_bytep>(rgba.data() + static_cast<std::size_t>(y) * width * 4);

  std::vector<std::uint8_t> bytes;
  PngMemory memory;
  png_structp png = png_create_write_struct_2(PNG_LIBPNG_VER_STRING, nullptr, RaiseError,
                                              IgnoreWarning, &memory, AllocateForPng, FreeForPng);
  if (!png) throw std::bad_alloc();
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    throw std::bad_alloc();
  }
  png_set_write_fn(png, &bytes, AppendToVector, FlushNothing);
  const bool ok = WriteRows(png, info, width, height, rows.data(), compression);
  png_destroy_write_struct(&png, &info);
  if (memory.ran_out) throw std::bad_alloc();
  if (ok) out = std::move(bytes);
  return ok;
}

}  // namespace brindlex
