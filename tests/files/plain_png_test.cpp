// The plain PNG decoder against libpng: the same pixels for every row filter and chunking of
// 8-bit RGB and RGBA streams, and every other stream left to libpng.
#include <gtest/gtest.h>

#include "files/icon_png.h"
#include "files/plain_png_decoder.h"
#include "png_test_files.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::PngPicture;

// A picture whose rows give every filter something to predict: a gradient with scattered
// jumps, and an alpha that is not the same everywhere. Its image data is over 16 KiB, so that
// libpng writes it with deflate's whole window, as the plain decoder takes it.
PngPicture Varied(int color_type) {
  PngPicture picture;
  picture.width = 101;
  picture.height = 61;
  picture.color_type = color_type;
  std::uint32_t state = 7;
  for (int y = 0; y < picture.height; ++y)
    for (std::size_t i = 0; i < picture.RowBytes(); ++i) {
      state = state * 1103515245u + 12345u;
      const auto jump = static_cast<int>((state >> 16) % 8 == 0 ? state >> 24 : 0);
      picture.rows.push_back(static_cast<std::uint8_t>(3 * y + static_cast<int>(i) + jump));
    }
  return picture;
}

std::vector<std::uint8_t> ByLibpng(const Bytes& png, const PngPicture& picture) {
  std::vector<std::uint8_t> rgba;
  EXPECT_TRUE(DecodePngRgbaWithLibpng(png, picture.width, picture.height, rgba));
  return rgba;
}

TEST(PlainPng, EveryFilterAndChunkingGivesLibpngsPixels) {
  for (const int color_type : {PNG_COLOR_TYPE_RGB, PNG_COLOR_TYPE_RGBA})
    for (const int filters : {PNG_FILTER_NONE, PNG_FILTER_SUB, PNG_FILTER_UP, PNG_FILTER_AVG,
                              PNG_FILTER_PAETH, PNG_ALL_FILTERS})
      for (const std::size_t idat_bytes : {std::size_t{0}, std::size_t{97}}) {
        PngPicture picture = Varied(color_type);
        picture.filters = filters;
        picture.idat_bytes = idat_bytes;
        const Bytes png = testing::EncodePng(picture);
        std::vector<std::uint8_t> rgba;
        ASSERT_TRUE(DecodePlainPng(png, picture.width, picture.height, rgba))
            << color_type << " " << filters << " " << idat_bytes;
        EXPECT_EQ(rgba, ByLibpng(png, picture)) << color_type << " " << filters;
      }
}

TEST(PlainPng, LeavesOtherStreamsToLibpngAndRefusesDamage) {
  PngPicture palette;
  palette.color_type = PNG_COLOR_TYPE_PALETTE;
  palette.palette = {1, 2, 3, 4, 5, 6};
  palette.rows.assign(palette.RowBytes() * palette.height, 1);
  PngPicture grey = palette;
  grey.color_type = PNG_COLOR_TYPE_GRAY;
  grey.palette.clear();
  PngPicture deep = Varied(PNG_COLOR_TYPE_RGBA);
  deep.bit_depth = 16;
  deep.rows.resize(deep.RowBytes() * deep.height, 9);
  PngPicture interlaced = Varied(PNG_COLOR_TYPE_RGBA);
  interlaced.interlaced = true;
  PngPicture keyed = Varied(PNG_COLOR_TYPE_RGB);
  keyed.trns = {keyed.rows[0], keyed.rows[1], keyed.rows[2]};
  std::vector<std::uint8_t> rgba;
  for (const PngPicture& picture : {palette, grey, deep, interlaced, keyed}) {
    const Bytes png = testing::EncodePng(picture);
    rgba = {42};
    EXPECT_FALSE(DecodePlainPng(png, picture.width, picture.height, rgba));
    EXPECT_EQ(rgba, std::vector<std::uint8_t>{42}) << "untouched";
    ASSERT_TRUE(DecodePngRgba(png, picture.width, picture.height, rgba));
    EXPECT_EQ(rgba, ByLibpng(png, picture));
  }
  // A stream declaring a window below 32 KiB (as small ones do) is libpng's.
  PngPicture small = Varied(PNG_COLOR_TYPE_RGBA);
  small.height = 20;
  small.rows.resize(small.RowBytes() * small.height);
  EXPECT_FALSE(DecodePlainPng(testing::EncodePng(small), small.width, small.height, rgba));
  // Damage is refused by both: a changed byte of image data (its checksum no longer holds),
  // a cut stream, a size other than the stream's.
  PngPicture plain = Varied(PNG_COLOR_TYPE_RGBA);
  const Bytes png = testing::EncodePng(plain);
  Bytes changed = png;
  changed[changed.size() - 20] ^= 0x40;
  EXPECT_FALSE(DecodePlainPng(changed, plain.width, plain.height, rgba));
  EXPECT_FALSE(DecodePngRgba(changed, plain.width, plain.height, rgba));
  const Bytes cut(png.begin(), png.end() - 30);
  EXPECT_FALSE(DecodePlainPng(cut, plain.width, plain.height, rgba));
  EXPECT_FALSE(DecodePngRgba(cut, plain.width, plain.height, rgba));
  rgba = {42};
  EXPECT_FALSE(DecodePlainPng(png, plain.width + 1, plain.height, rgba));
  EXPECT_EQ(rgba, std::vector<std::uint8_t>{42});
}

}  // namespace
}  // namespace brindlex
