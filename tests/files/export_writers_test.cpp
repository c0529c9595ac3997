// The cursor and bitmap writers: exact bytes against the layouts built by hand here.
#include <gtest/gtest.h>

#include "files/bitmap_writer.h"
#include "files/color_depth.h"
#include "files/cursor_writer.h"
#include "files/icon_reader.h"
#include "icon_test_files.h"
#include "picture.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::PutU16;
using testing::PutU32;

std::uint32_t U32At(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

// A 16 x 16 icon: white, opaque, but for a black pixel at (0, 0) and a transparent one at
// (15, 15).
void BlackAndWhite16(Surface& mask, Surface& color) {
  mask = Surface(16, 16, kBlack);
  color = Surface(16, 16, kWhite);
  color.SetPixel(0, 0, kBlack);
  mask.SetPixel(15, 15, kWhite);
  color.SetPixel(15, 15, kBlack);
}

TEST(CursorWriter, BlackAndWhiteCursorWithItsHotSpot) {
  Surface mask, color;
  BlackAndWhite16(mask, color);
  Bytes file;
  ASSERT_TRUE(BuildCursorFileBytes(mask, color, ChooseColorDepth(color, true), 5, 12, file));
  Bytes expected = {0,  0,  2, 0, 1, 0,                                     // header: a cursor
                    16, 16, 0, 0, 5, 0, 12, 0, 176, 0, 0, 0, 22, 0, 0, 0};  // entry
  const Bytes header = testing::BitmapHeader(16, 32, 1);
  expected.insert(expected.end(), header.begin(), header.end());
  expected.insert(expected.end(), {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0});
  // Colour rows, bottom line first: all white but the top line's first pixel and the
  // transparent pixel, which holds black.
  for (int r = 0; r < 16; ++r)
    expected.insert(expected.end(), {std::uint8_t(r == 15 ? 0x7F : 0xFF),
                                     std::uint8_t(r == 0 ? 0xFE : 0xFF), 0, 0});
  // Mask rows: only the bottom line's last pixel is transparent.
  for (int r = 0; r < 16; ++r) expected.insert(expected.end(), {0, std::uint8_t(r == 0), 0, 0});
  EXPECT_EQ(file, expected);
  EXPECT_EQ(file.size(), 198u);
}

TEST(CursorWriter, EightBitCursorUsesTheIconPaletteAndTrueColourTheIconSize) {
  Surface mask(32, 32, kBlack);
  Surface color(32, 32, kWhite);
  color.SetPixel(3, 0, 0x123456);
  color.SetPixel(1, 1, 0x00FFFE);
  color.SetPixel(0, 2, kBlack);
  Bytes file;
  ASSERT_EQ(ChooseColorDepth(color, true), 256);
  ASSERT_TRUE(BuildCursorFileBytes(mask, color, 256, 31, 0, file));
  ASSERT_EQ(file.size(), 22u + 2216u);
  EXPECT_EQ(file[10], 31);
  EXPECT_EQ(file[12], 0);
  const std::size_t palette = 22 + 40;
  EXPECT_EQ(Bytes(file.begin() + palette, file.begin() + palette + 12),
            (Bytes{0, 0, 0, 0, 0x12, 0x34, 0x56, 0, 0x00, 0xFF, 0xFE, 0}));
  EXPECT_EQ(Bytes(file.begin() + palette + 255 * 4, file.begin() + palette + 256 * 4),
            (Bytes{0xFF, 0xFF, 0xFF, 0}));
  const std::size_t rows = palette + 1024;
  EXPECT_EQ(file[rows + 31 * 32 + 3], 1);    // top line: first new colour
  EXPECT_EQ(file[rows + 30 * 32 + 1], 2);    // second line: the second one
  EXPECT_EQ(file[rows + 29 * 32 + 0], 0);    // black
  EXPECT_EQ(file[rows + 29 * 32 + 1], 255);  // white

  color.SetPixel(5, 5, 0x010203);  // four shades past the 16 colours, still 8 bits
  for (int i = 0; i < 260; ++i) color.SetPixel(i % 32, 8 + i / 32, 0x100000 + i);
  ASSERT_EQ(ChooseColorDepth(color, true), kTrueColorCount);
  ASSERT_TRUE(BuildCursorFileBytes(mask, color, kTrueColorCount, 0, 0, file));
  EXPECT_EQ(file.size(), 3262u);
  EXPECT_EQ(U32At(file, 14), 3240u);
  EXPECT_EQ(file[22 + 14], 24);
}

TEST(CursorWriter, WritesSafelyAndReadersSeeACursorNotAnIcon) {
  testing::TempFolder folder;
  Surface mask, color;
  BlackAndWhite16(mask, color);
  const std::string path = folder.File("punta.cur");
  ASSERT_TRUE(WriteCursorFile(mask, color, 2, 5, 12, path));
  const Bytes written = testing::ReadBytes(path);
  Bytes expected;
  ASSERT_TRUE(BuildCursorFileBytes(mask, color, 2, 5, 12, expected));
  EXPECT_EQ(written, expected);
  EXPECT_FALSE(IsValidIconFile(written));  // type 2

  // A target that may not be written stays as it was; a missing folder fails.
  testing::WriteBytes(path, {1, 2, 3});
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  EXPECT_FALSE(WriteCursorFile(mask, color, 2, 5, 12, path));
  EXPECT_EQ(testing::ReadBytes(path), (Bytes{1, 2, 3}));
  EXPECT_FALSE(WriteCursorFile(mask, color, 2, 5, 12, folder.File("no/such.cur")));
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"punta.cur"});
}

// The bitmap file and info headers of a width x height picture at a bit count.
Bytes BitmapHeaders(int width, int height, int bit_count, std::uint32_t file_size,
                    std::uint32_t offset, std::uint32_t image_size) {
  Bytes b = {'B', 'M'};
  PutU32(b, file_size);
  PutU32(b, 0);
  PutU32(b, offset);
  PutU32(b, 40);
  PutU32(b, width);
  PutU32(b, height);
  PutU16(b, 1);
  PutU16(b, bit_count);
  for (int i = 0; i < 6; ++i) PutU32(b, 0);
  b[34] = static_cast<std::uint8_t>(image_size);
  b[35] = static_cast<std::uint8_t>(image_size >> 8);
  return b;
}

TEST(BitmapWriter, BlackAndWhiteAndTrueColourLayouts) {
  Surface mask, color;
  BlackAndWhite16(mask, color);
  const Surface picture = ComposeOverWhite(mask, color);
  EXPECT_EQ(picture.GetPixel(15, 15), kWhite);  // transparent comes out white
  ASSERT_EQ(ChooseColorDepth(picture, false), 2);
  Bytes file;
  ASSERT_TRUE(BuildBitmapFileBytes(picture, 2, file));
  Bytes expected = BitmapHeaders(16, 16, 1, 126, 62, 64);
  expected.insert(expected.end(), {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0});
  for (int r = 0; r < 16; ++r)
    expected.insert(expected.end(), {std::uint8_t(r == 15 ? 0x7F : 0xFF), 0xFF, 0, 0});
  EXPECT_EQ(file, expected);

  Surface true_color(32, 32, kWhite);
  for (int i = 0; i < 300; ++i) true_color.SetPixel(i % 32, i / 32, 0x010000 * (i % 200) + i);
  ASSERT_EQ(ChooseColorDepth(true_color, false), kTrueColorCount);
  ASSERT_TRUE(BuildBitmapFileBytes(true_color, kTrueColorCount, file));
  ASSERT_EQ(file.size(), 3126u);
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 54), BitmapHeaders(32, 32, 24, 3126, 54, 3072));
  const std::size_t top_line = 54 + 31 * 96;
  const Color c = true_color.GetPixel(5, 0);
  EXPECT_EQ(Bytes(file.begin() + top_line + 15, file.begin() + top_line + 18),
            (Bytes{std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)}));
}

TEST(BitmapWriter, EveryPictureSizeAndDepthHasTheTabledFileSize) {
  const int sizes[] = {16, 32, 48};
  const int counts[] = {2, 16, 256, kTrueColorCount};
  const std::uint32_t table[3][4] = {
      {126, 246, 1334, 822}, {190, 630, 2102, 3126}, {446, 1270, 3382, 6966}};
  const std::uint32_t offsets[4] = {62, 118, 1078, 54};
  for (int s = 0; s < 3; ++s) {
    for (int d = 0; d < 4; ++d) {
      Surface picture(sizes[s], sizes[s], kBlack);
      Bytes file;
      ASSERT_TRUE(BuildBitmapFileBytes(picture, counts[d], file));
      EXPECT_EQ(file.size(), table[s][d]) << sizes[s] << " at count " << counts[d];
      EXPECT_EQ(U32At(file, 2), table[s][d]);
      EXPECT_EQ(U32At(file, 10), offsets[d]);
      EXPECT_EQ(BitmapFileSize(counts[d], sizes[s], sizes[s]), table[s][d]);
    }
  }
}

TEST(BitmapWriter, FullyTransparentInvertingAndPartlyTransparentPixels) {
  const Surface all_transparent =
      ComposeOverWhite(Surface(16, 16, kWhite), Surface(16, 16, kBlack));
  ASSERT_EQ(ChooseColorDepth(all_transparent, false), 2);
  Bytes file;
  ASSERT_TRUE(BuildBitmapFileBytes(all_transparent, 2, file));
  ASSERT_EQ(file.size(), 126u);
  for (std::size_t r = 0; r < 16; ++r)
    EXPECT_EQ(Bytes(file.begin() + 62 + 4 * r, file.begin() + 66 + 4 * r),
              (Bytes{0xFF, 0xFF, 0, 0}));

  Surface mask(16, 16, kBlack), color(16, 16, 0x0000FF);
  mask.SetPixel(2, 3, kWhite);  // inverting red: the inverse of red over white
  const Surface picture = ComposeOverWhite(mask, color);
  EXPECT_EQ(picture.GetPixel(2, 3), 0xFFFF00u);
  EXPECT_EQ(picture.GetPixel(0, 0), 0x0000FFu);
  ASSERT_EQ(ChooseColorDepth(picture, false), 16);
  ASSERT_TRUE(BuildBitmapFileBytes(picture, 16, file));
  EXPECT_EQ(file.size(), 246u);
  // Line 3 is file row 12; pixel 2 is the high nibble of byte 1: cyan, entry 14. Red is 9.
  EXPECT_EQ(file[118 + 12 * 8 + 1], 0xE9);
  EXPECT_EQ(file[118], 0x99);

  // A partly transparent red of alpha 128 comes out blended over white, an opaque colour.
  color.Row(5)[5] = 0x7F0000FF;
  EXPECT_EQ(ComposeOverWhite(mask, color).GetPixel(5, 5), 0x7F7FFFu);
}

TEST(BitmapWriter, TwoHundredFiftySixColoursInOrderOfAppearanceAndOneMoreIsTrueColour) {
  Surface picture(16, 16, kWhite);
  // 256 distinct colours, white and black among them, in a known order.
  for (int i = 0; i < 256; ++i) {
    const Color c = i == 0 ? 0x000000u : i == 1 ? 0xFFFFFFu : 0x010101u * (i - 1) + 0x10000u;
    picture.SetPixel(i % 16, i / 16, c);
  }
  ASSERT_EQ(ChooseColorDepth(picture, false), 256);
  const ColorTable256 palette = BuildBitmapPalette(picture);
  for (int i = 0; i < 256; ++i) ASSERT_EQ(palette[i], picture.GetPixel(i % 16, i / 16)) << i;
  Bytes file;
  ASSERT_TRUE(BuildBitmapFileBytes(picture, 256, file));
  ASSERT_EQ(file.size(), 1334u);
  EXPECT_EQ(Bytes(file.begin() + 54, file.begin() + 62), (Bytes{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}));
  // The top line is the last file row; the bottom line's pixels carry indices 240 to 255.
  for (int x = 0; x < 16; ++x) {
    EXPECT_EQ(file[1078 + 15 * 16 + x], x);
    EXPECT_EQ(file[1078 + x], 240 + x);
  }

  Surface more(32, 32, kWhite);
  for (int i = 0; i < 257; ++i) more.SetPixel(i % 32, i / 32, 0x000100u * i + 7);
  EXPECT_EQ(ChooseColorDepth(more, false), kTrueColorCount);
  const ColorTable256 first = BuildBitmapPalette(more);
  EXPECT_EQ(first[0], 7u);
  EXPECT_EQ(first[255], 0x000100u * 255 + 7);  // the 257th colour has no entry
  // A colour count that cannot hold the picture is refused rather than written wrongly.
  EXPECT_FALSE(BuildBitmapFileBytes(more, 256, file));
  EXPECT_FALSE(BuildBitmapFileBytes(picture, 2, file));
  EXPECT_FALSE(BuildBitmapFileBytes(Surface(), 2, file));
}

TEST(BitmapWriter, WritesSafely) {
  testing::TempFolder folder;
  const std::string path = folder.File("dibujo.bmp");
  testing::WriteBytes(path, {9, 9});
  const Surface picture(16, 16, kBlack);
  ASSERT_TRUE(WriteBitmapFile(picture, 2, path));
  Bytes expected;
  ASSERT_TRUE(BuildBitmapFileBytes(picture, 2, expected));
  EXPECT_EQ(testing::ReadBytes(path), expected);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  EXPECT_FALSE(WriteBitmapFile(Surface(16, 16, kWhite), 2, path));
  EXPECT_EQ(testing::ReadBytes(path), expected);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"dibujo.bmp"});
}

}  // namespace
}  // namespace brindlex
