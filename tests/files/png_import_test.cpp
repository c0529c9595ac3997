#include "files/png_import.h"

#include <gtest/gtest.h>

#include <cmath>

#include "files/icon_decoder.h"
#include "files/png_test_files.h"
#include "picture.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::EncodePng;
using testing::PngPicture;
using testing::SamePixels;

constexpr Color kRed = 0x0000FF, kBlue = 0xFF0000, kTeal = 0x563412;

// Imports a PNG that must decode, returning the planes.
void MustImport(const Bytes& png, Surface& mask, Surface& color) {
  const PngImportResult result = ImportPngIcon(png, mask, color);
  ASSERT_EQ(result.status, PngImportStatus::kOk);
}

// Planes of an edge x edge image: every pixel transparent except the ones listed.
struct ExpectedPlanes {
  explicit ExpectedPlanes(int edge) : mask(edge, edge, kWhite), color(edge, edge, kBlack) {}
  void Opaque(int x, int y, Color c) {
    mask.SetPixel(x, y, kBlack);
    color.SetPixel(x, y, c);
  }
  Surface mask, color;
};

TEST(PngImportTest, RgbaAlphaFromOneHundredTwentyEightIsOpaque) {
  Bytes rgba(16 * 16 * 4, 0);
  auto put = [&](int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
    std::uint8_t* p = rgba.data() + (y * 16 + x) * 4;
    p[0] = r, p[1] = g, p[2] = b, p[3] = a;
  };
  put(0, 0, 0xFF, 0, 0, 0xFF);
  put(1, 0, 0x12, 0x34, 0x56, 128);
  put(2, 0, 0xFF, 0xFF, 0xFF, 127);  // below the threshold: transparent, colour dropped
  put(15, 15, 0, 0, 0xFF, 0xFF);
  const Bytes png = testing::PngRgba(16, 16, rgba);
  Surface mask, color;
  MustImport(png, mask, color);
  ExpectedPlanes expected(16);
  expected.Opaque(0, 0, kRed);
  expected.Opaque(1, 0, kTeal);
  expected.Opaque(15, 15, kBlue);
  EXPECT_TRUE(SamePixels(expected.mask, mask));
  EXPECT_TRUE(SamePixels(expected.color, color));

  // The same stream stored as a PNG image inside an icon file opens to the same planes.
  testing::StoredImage stored;
  stored.resource = png;
  stored.bit_count = 32;
  const Bytes icon = testing::IconFile({stored});
  Surface icon_mask, icon_color;
  ASSERT_TRUE(DecodeIconEntry(icon, 0, 16, 16, icon_mask, icon_color));
  EXPECT_TRUE(SamePixels(icon_mask, mask));
  EXPECT_TRUE(SamePixels(icon_color, color));
}

TEST(PngImportTest, PaletteImagesWithTransparencyChunk) {
  // 4-bit palette, 32 x 32: entry 0 fully transparent red, 1 opaque blue, 2 half-opaque
  // (128) white, 3 with alpha 100 and 4 without an alpha entry (opaque) green.
  PngPicture picture;
  picture.width = picture.height = 32;
  picture.bit_depth = 4;
  picture.color_type = PNG_COLOR_TYPE_PALETTE;
  picture.palette = {0xFF, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 9, 9, 9, 0, 0xFF, 0};
  picture.trns = {0, 255, 128, 100};
  picture.rows.assign(picture.RowBytes() * 32, 0x00);
  picture.rows[0] = 0x12;                             // (0, 0) entry 1, (1, 0) entry 2
  picture.rows[1] = 0x34;                             // (2, 0) entry 3, (3, 0) entry 4
  picture.rows[31 * picture.RowBytes() + 15] = 0x01;  // (31, 31) entry 1
  Surface mask, color;
  MustImport(EncodePng(picture), mask, color);
  ExpectedPlanes expected(32);
  expected.Opaque(0, 0, kBlue);
  expected.Opaque(1, 0, kWhite);
  expected.Opaque(3, 0, 0x00FF00);
  expected.Opaque(31, 31, kBlue);
  EXPECT_TRUE(SamePixels(expected.mask, mask));
  EXPECT_TRUE(SamePixels(expected.color, color));
}

TEST(PngImportTest, GreyImagesAtEveryDepthAndWithAlpha) {
  // 1-bit grey, 48 x 48: the first pixel of every row white, the rest black, all opaque.
  PngPicture mono;
  mono.width = mono.height = 48;
  mono.bit_depth = 1;
  mono.color_type = PNG_COLOR_TYPE_GRAY;
  mono.rows.assign(mono.RowBytes() * 48, 0);
  for (int y = 0; y < 48; ++y) mono.rows[y * mono.RowBytes()] = 0x80;
  Surface mask, color;
  MustImport(EncodePng(mono), mask, color);
  EXPECT_TRUE(SamePixels(Surface(48, 48, kBlack), mask));
  Surface expected_color(48, 48, kBlack);
  for (int y = 0; y < 48; ++y) expected_color.SetPixel(0, y, kWhite);
  EXPECT_TRUE(SamePixels(expected_color, color));

  // 16-bit grey with a transparent sample value: 0xFFFF white, 0x8080 rounds to 0x80,
  // 0x1234 is the transparent value.
  PngPicture deep;
  deep.bit_depth = 16;
  deep.color_type = PNG_COLOR_TYPE_GRAY;
  deep.trns = {0x1234};
  deep.rows.assign(deep.RowBytes() * 16, 0x00);
  for (std::size_t i = 0; i < deep.rows.size(); i += 2)
    deep.rows[i] = 0x12, deep.rows[i + 1] = 0x34;
  deep.rows[0] = deep.rows[1] = 0xFF;
  deep.rows[2] = deep.rows[3] = 0x80;
  MustImport(EncodePng(deep), mask, color);
  ExpectedPlanes expected(16);
  expected.Opaque(0, 0, kWhite);
  expected.Opaque(1, 0, 0x808080);
  EXPECT_TRUE(SamePixels(expected.mask, mask));
  EXPECT_TRUE(SamePixels(expected.color, color));

  // 8-bit grey with alpha: grey 0x40 at alpha 200 opaque, at alpha 20 transparent.
  PngPicture grey_alpha;
  grey_alpha.color_type = PNG_COLOR_TYPE_GRAY_ALPHA;
  grey_alpha.rows.assign(grey_alpha.RowBytes() * 16, 0);
  grey_alpha.rows[0] = 0x40, grey_alpha.rows[1] = 200;
  grey_alpha.rows[2] = 0x40, grey_alpha.rows[3] = 20;
  MustImport(EncodePng(grey_alpha), mask, color);
  ExpectedPlanes expected_alpha(16);
  expected_alpha.Opaque(0, 0, 0x404040);
  EXPECT_TRUE(SamePixels(expected_alpha.mask, mask));
  EXPECT_TRUE(SamePixels(expected_alpha.color, color));
}

TEST(PngImportTest, InterlacedSixteenBitRgbMatchesTheSameImageNotInterlaced) {
  PngPicture picture;
  picture.width = picture.height = 32;
  picture.bit_depth = 16;
  picture.color_type = PNG_COLOR_TYPE_RGB;
  picture.trns = {0, 0, 0};  // black is the transparent colour
  picture.rows.resize(picture.RowBytes() * 32);
  for (std::size_t i = 0; i < picture.rows.size(); ++i)
    picture.rows[i] = static_cast<std::uint8_t>(i * 7 + (i >> 5));
  const std::size_t black_at = 5 * picture.RowBytes() + 6 * 6;  // pixel (6, 5)
  std::fill_n(picture.rows.begin() + black_at, 6, 0);
  Surface mask, color;
  MustImport(EncodePng(picture), mask, color);
  picture.interlaced = true;
  Surface interlaced_mask, interlaced_color;
  MustImport(EncodePng(picture), interlaced_mask, interlaced_color);
  EXPECT_TRUE(SamePixels(mask, interlaced_mask));
  EXPECT_TRUE(SamePixels(color, interlaced_color));
  EXPECT_EQ(mask.GetPixel(6, 5), kWhite);
  EXPECT_EQ(mask.GetPixel(7, 5), kBlack);
  // Pixel (1, 0): samples 6..11 of row 0; each 16-bit sample keeps its rounded high byte.
  const std::uint8_t* p = picture.rows.data() + 6;
  auto scaled = [](std::uint8_t hi, std::uint8_t lo) {
    return static_cast<Color>(std::lround((hi << 8 | lo) * 255.0 / 65535.0));
  };
  EXPECT_EQ(color.GetPixel(1, 0),
            scaled(p[0], p[1]) | scaled(p[2], p[3]) << 8 | scaled(p[4], p[5]) << 16);
}

// Inserts a chunk of the given type and data right after the header chunk.
Bytes WithChunkAfterHeader(const Bytes& png, const char* type, std::uint32_t declared_length,
                           const Bytes& data) {
  Bytes chunk;
  for (int i = 3; i >= 0; --i)
    chunk.push_back(static_cast<std::uint8_t>(declared_length >> (8 * i)));
  chunk.insert(chunk.end(), type, type + 4);
  chunk.insert(chunk.end(), data.begin(), data.end());
  const std::uint32_t crc =
      static_cast<std::uint32_t>(crc32(0, chunk.data() + 4, static_cast<uInt>(4 + data.size())));
  for (int i = 3; i >= 0; --i) chunk.push_back(static_cast<std::uint8_t>(crc >> (8 * i)));
  Bytes out = png;
  out.insert(out.begin() + 33, chunk.begin(), chunk.end());
  return out;
}

TEST(PngImportTest, LargeTextChunksAreSkippedUnread) {
  Bytes rgba(16 * 16 * 4, 0);
  rgba[0] = rgba[3] = 0xFF;  // (0, 0) opaque red
  const Bytes png = testing::PngRgba(16, 16, rgba);
  ExpectedPlanes expected(16);
  expected.Opaque(0, 0, kRed);
  Surface mask, color;
  // A real 600 kB text chunk: the pixels are read past it.
  Bytes text(600000, 'a');
  text[3] = 0;  // keyword "aaa"
  MustImport(WithChunkAfterHeader(png, "tEXt", static_cast<std::uint32_t>(text.size()), text), mask,
             color);
  EXPECT_TRUE(SamePixels(expected.mask, mask));
  EXPECT_TRUE(SamePixels(expected.color, color));
  // A text chunk that claims 2 GB in a file of a few hundred bytes is damage.
  const Bytes lying = WithChunkAfterHeader(png, "zTXt", 0x7FFFFFF0, Bytes{'k', 0, 0});
  EXPECT_EQ(ImportPngIcon(lying, mask, color).status, PngImportStatus::kDamaged);
}

TEST(PngImportTest, WrongSizesAreRefusedBeforeDecoding) {
  Surface mask(5, 5, 0x123456), color(5, 5, 0x654321);
  const Surface kept_mask = mask, kept_color = color;
  struct Case {
    std::uint32_t width, height;
  };
  for (const Case c : {Case{100000, 100000}, Case{64, 64}, Case{32, 16}, Case{0, 0},
                       Case{0x7FFFFFFF, 16}, Case{24, 24}}) {
    const PngImportResult result =
        ImportPngIcon(testing::PngHeaderOnly(c.width, c.height), mask, color);
    EXPECT_EQ(result.status, PngImportStatus::kUnsupportedSize) << c.width << " x " << c.height;
    EXPECT_EQ(result.width, c.width);
    EXPECT_EQ(result.height, c.height);
  }
  // A whole, valid 64 x 64 picture is refused the same way.
  const PngImportResult big =
      ImportPngIcon(testing::PngRgba(64, 64, Bytes(64 * 64 * 4, 0xFF)), mask, color);
  EXPECT_EQ(big.status, PngImportStatus::kUnsupportedSize);
  EXPECT_TRUE(SamePixels(kept_mask, mask));
  EXPECT_TRUE(SamePixels(kept_color, color));
}

TEST(PngImportTest, DamagedStreamsAreReportedAndLeaveThePlanes) {
  Bytes rgba(16 * 16 * 4);
  for (std::size_t i = 0; i < rgba.size(); ++i) rgba[i] = static_cast<std::uint8_t>(i * 13);
  const Bytes good = testing::PngRgba(16, 16, rgba);
  Surface mask(2, 2, 0x111111), color(2, 2, 0x222222);

  EXPECT_EQ(ImportPngIcon(Bytes{}, mask, color).status, PngImportStatus::kNotPng);
  EXPECT_EQ(ImportPngIcon(Bytes(good.begin(), good.begin() + 20), mask, color).status,
            PngImportStatus::kNotPng);
  Bytes not_png = good;
  not_png[1] = 'Q';
  EXPECT_EQ(ImportPngIcon(not_png, mask, color).status, PngImportStatus::kNotPng);

  // Cut anywhere after the header chunk.
  for (std::size_t cut : {std::size_t{33}, std::size_t{45}, good.size() / 2, good.size() - 13})
    EXPECT_EQ(ImportPngIcon(Bytes(good.begin(), good.begin() + cut), mask, color).status,
              PngImportStatus::kDamaged)
        << cut;
  // A wrong checksum on the header chunk, then on the image data.
  Bytes bad_header = good;
  bad_header[29] ^= 0x01;
  EXPECT_EQ(ImportPngIcon(bad_header, mask, color).status, PngImportStatus::kDamaged);
  Bytes bad_data = good;
  bad_data[good.size() - 12 - 1] ^= 0x01;  // last byte of the IDAT checksum
  EXPECT_EQ(ImportPngIcon(bad_data, mask, color).status, PngImportStatus::kDamaged);
  // A header chunk whose declared length is not 13.
  Bytes bad_length = good;
  bad_length[11] = 12;
  EXPECT_EQ(ImportPngIcon(bad_length, mask, color).status, PngImportStatus::kDamaged);
  // Only the signature and header chunk.
  EXPECT_EQ(ImportPngIcon(testing::PngHeaderOnly(16, 16), mask, color).status,
            PngImportStatus::kDamaged);

  EXPECT_TRUE(SamePixels(Surface(2, 2, 0x111111), mask));
  EXPECT_TRUE(SamePixels(Surface(2, 2, 0x222222), color));
  Surface ok_mask, ok_color;
  EXPECT_EQ(ImportPngIcon(good, ok_mask, ok_color).status, PngImportStatus::kOk);
}

}  // namespace
}  // namespace brindlex
