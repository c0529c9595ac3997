#pragma once

// PNG streams of every colour type, bit depth and interlace method for the picture tests,
// written with libpng from packed rows the test spells out, and a few damaged ones.

#include <png.h>
#include <zlib.h>

#include <cstdint>
#include <vector>

#include "files/icon_test_files.h"

namespace brindlex::testing {

struct PngPicture {
  int width = 16;
  int height = 16;
  int bit_depth = 8;
  int color_type = PNG_COLOR_TYPE_RGBA;
  bool interlaced = false;
  // Packed rows in the file's own layout, top row first, each RowBytes() long.
  Bytes rows;
  // Palette entries as red, green, blue triples (palette images).
  Bytes palette;
  // The tRNS chunk: alpha per palette entry, or for grey and RGB images the transparent
  // sample values (one for grey, three for RGB).
  std::vector<std::uint16_t> trns;
  // libpng's row filters to choose from (PNG_FILTER_NONE ... PNG_ALL_FILTERS), and the most
  // compressed bytes in one image data chunk (0: libpng's own).
  int filters = PNG_ALL_FILTERS;
  std::size_t idat_bytes = 0;

  std::size_t RowBytes() const {
    const int channels = color_type == PNG_COLOR_TYPE_RGBA         ? 4
                         : color_type == PNG_COLOR_TYPE_RGB        ? 3
                         : color_type == PNG_COLOR_TYPE_GRAY_ALPHA ? 2
                                                                   : 1;
    return (static_cast<std::size_t>(width) * channels * bit_depth + 7) / 8;
  }
};

inline Bytes EncodePng(const PngPicture& picture) {
  Bytes out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(
      png, &out,
      [](png_structp p, png_bytep data, png_size_t length) {
        auto* o = static_cast<Bytes*>(png_get_io_ptr(p));
        o->insert(o->end(), data, data + length);
      },
      nullptr);
  png_set_IHDR(png, info, picture.width, picture.height, picture.bit_depth, picture.color_type,
               picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette;
  for (std::size_t i = 0; i + 2 < picture.palette.size(); i += 3)
    palette.push_back({picture.palette[i], picture.palette[i + 1], picture.palette[i + 2]});
  if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  if (!picture.trns.empty()) {
    if (picture.color_type == PNG_COLOR_TYPE_PALETTE) {
      std::vector<png_byte> alpha(picture.trns.begin(), picture.trns.end());
      png_set_tRNS(png, info, alpha.data(), static_cast<int>(alpha.size()), nullptr);
    } else {
      png_color_16 value{};
      value.gray = picture.trns[0];
      if (picture.trns.size() == 3) {
        value.red = picture.trns[0];
        value.green = picture.trns[1];
        value.blue = picture.trns[2];
      }
      png_set_tRNS(png, info, nullptr, 0, &value);
    }
  }
  png_set_filter(png, PNG_FILTER_TYPE_BASE, picture.filters);
  if (picture.idat_bytes > 0) png_set_compression_buffer_size(png, picture.idat_bytes);
  png_write_info(png, info);
  std::vector<png_bytep> rows;
  for (int y = 0; y < picture.height; ++y)
    rows.push_back(const_cast<png_bytep>(picture.rows.data() + y * picture.RowBytes()));
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

// The signature and a header chunk claiming width x height (8-bit RGBA), with a correct
// checksum, and nothing after it.
inline Bytes PngHeaderOnly(std::uint32_t width, std::uint32_t height) {
  PngPicture picture;
  picture.rows.assign(picture.RowBytes() * picture.height, 0);
  Bytes png = EncodePng(picture);
  png.resize(8 + 25);  // signature, IHDR length, type, 13 data bytes, CRC
  auto put_be = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) png[at + i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
  };
  put_be(16, width);
  put_be(20, height);
  put_be(29, static_cast<std::uint32_t>(crc32(0, png.data() + 12, 17)));
  return png;
}

}  // namespace brindlex::testing
