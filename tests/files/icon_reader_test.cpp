#include "files/icon_reader.h"

#include <gtest/gtest.h>

#include "address_space_limit.h"
#include "files/icon_decoder.h"
#include "icon_test_files.h"
#include "picture.h"
#include "png_test_files.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::IconFile;
using testing::Picture;
using testing::SamePixels;
using testing::UniformImage;

// A valid one-image file: 16 x 16, 1 bit.
Bytes SmallIcon() { return IconFile({UniformImage(16, 1)}); }

// Expects a load refused for its size, with the size the file gives.
void ExpectWrongSize(const IconLoadResult& result, long long width, long long height) {
  EXPECT_EQ(result.status, IconLoadStatus::kWrongSize);
  EXPECT_EQ(result.width, width);
  EXPECT_EQ(result.height, height);
}

TEST(IsValidIconFileTest, AcceptsAnIconAndRejectsEachBrokenField) {
  EXPECT_TRUE(IsValidIconFile(IconFileBytes(SmallIcon())));
  struct Case {
    const char* what;
    std::size_t at;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"count 0", 4, {0, 0}},
      {"count negative", 4, {0x00, 0x80}},
      {"reserved word", 0, {1, 0}},
      {"cursor type", 2, {2, 0}},
      {"entry reserved", 9, {1}},
      {"bytes in resource 0", 14, {0, 0, 0, 0}},
      {"bytes in resource negative", 14, {0, 0, 0, 0x80}},
      {"image offset 0", 18, {0, 0, 0, 0}},
      {"image offset negative", 18, {0, 0, 0, 0xFF}},
  };
  for (const Case& c : cases) {
    Bytes file = SmallIcon();
    std::copy(c.bytes.begin(), c.bytes.end(), file.begin() + c.at);
    EXPECT_FALSE(IsValidIconFile(IconFileBytes(file))) << c.what;
  }
  Bytes truncated = SmallIcon();
  truncated.resize(21);
  EXPECT_FALSE(IsValidIconFile(IconFileBytes(truncated)));
}

// A file whose only image is 256 x 256: width and height bytes 0 in the directory, the image
// stored as PNG.
Bytes HugePngIcon() {
  testing::StoredImage png;
  png.resource = testing::PngRgba(256, 256, Bytes(256 * 256 * 4, 0xFF));
  png.width = png.height = 0;
  return IconFile({png});
}

TEST(IsValidIconFileTest, AZeroSizeByteMeans256PixelsAndOpensWithTheSizeMessage) {
  const Bytes file = HugePngIcon();
  ASSERT_EQ(file[6], 0);
  ASSERT_EQ(file[7], 0);
  EXPECT_TRUE(IsValidIconFile(IconFileBytes(file)));
  Surface mask(16, 16, kWhite), color(16, 16, kBlack);
  ExpectWrongSize(LoadSingleIcon(IconFileBytes(file), mask, color), 256, 256);
  EXPECT_EQ(mask.Width(), 16);
  IconImageList list;
  ASSERT_TRUE(ListIconImages(IconFileBytes(file), 1, list));
  EXPECT_EQ(list.rows[0].text, "256 x 256 ... True Color");
  // A bitmap image of 256 pixels with only its height byte 0 is read the same way.
  testing::StoredImage bitmap = UniformImage(16, 1);
  bitmap.height = 0;
  EXPECT_TRUE(IsValidIconFile(IconFileBytes(IconFile({bitmap}))));
}

TEST(GetIconImageCountTest, HeaderCountWhenPositiveElseZero) {
  Bytes file = IconFile({UniformImage(16, 1), UniformImage(32, 4), UniformImage(48, 8)});
  EXPECT_EQ(GetIconImageCount(IconFileBytes(file)), 3);
  file[4] = 0x00;
  file[5] = 0x80;  // -32768 as a signed count
  EXPECT_EQ(GetIconImageCount(IconFileBytes(file)), 0);
  EXPECT_EQ(GetIconImageCount(IconFileBytes(Bytes{0, 0, 1, 0, 3})), 0);
}

// The image of a 16 x 16 1-bit file whose last file row (image line 0) starts with mask byte
// 0x80 and colour byte 0x40, and whose padding bytes are all set.
Bytes MaskEdgeCaseFile() {
  Bytes colors(64, 0), masks(64, 0);
  for (int r = 0; r < 16; ++r)
    colors[r * 4 + 2] = colors[r * 4 + 3] = masks[r * 4 + 2] = masks[r * 4 + 3] = 0xFF;
  masks[15 * 4] = 0x80;
  colors[15 * 4] = 0x40;
  return IconFile({testing::BitmapImage(16, 1, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}, colors, masks)});
}

TEST(LoadSingleIconTest, DecodesBottomUpRowsAndIgnoresPadding) {
  Surface mask, color;
  const IconLoadResult loaded = LoadSingleIcon(IconFileBytes(MaskEdgeCaseFile()), mask, color);
  ASSERT_TRUE(loaded.Loaded());
  EXPECT_FALSE(loaded.soft_alpha);
  ASSERT_EQ(mask.Width(), 16);
  EXPECT_EQ(mask.GetPixel(0, 0), kWhite);
  for (int x = 1; x < 16; ++x) EXPECT_EQ(mask.GetPixel(x, 0), kBlack) << x;
  EXPECT_EQ(color.GetPixel(1, 0), kWhite);
  EXPECT_EQ(color.GetPixel(0, 0), kBlack);
  for (int y = 1; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      ASSERT_EQ(mask.GetPixel(x, y) | color.GetPixel(x, y), kBlack) << x << "," << y;
}

TEST(LoadSingleIconTest, HeightIsHalfTheHeaderHeightTruncated) {
  for (int header_height : {64, 65}) {
    testing::StoredImage image = UniformImage(32, 1);
    image.resource[8] = static_cast<std::uint8_t>(header_height);
    Surface mask, color;
    EXPECT_TRUE(LoadSingleIcon(IconFileBytes(IconFile({image})), mask, color).Loaded());
    EXPECT_EQ(color.Height(), 32);
  }
}

TEST(LoadSingleIconTest, WrongSizeIsReportedWithTheSizeAndLeavesPlanes) {
  testing::StoredImage image = UniformImage(32, 1);
  image.resource[8] = 63;
  Surface mask(16, 16, 0x123456), color(16, 16, 0x654321);
  ExpectWrongSize(LoadSingleIcon(IconFileBytes(IconFile({image})), mask, color), 32, 31);
  EXPECT_EQ(mask.GetPixel(0, 0), 0x123456u);
  EXPECT_EQ(color.Width(), 16);
}

TEST(LoadSingleIconTest, DamagedFilesAreReportedDamaged) {
  const Bytes good = IconFile({UniformImage(32, 8)});
  Bytes offset_past_end = good;
  offset_past_end[21] = 0x01;
  Bytes truncated = good;
  truncated.resize(good.size() - 1);  // the last mask byte is missing
  Bytes unknown_depth = good;
  unknown_depth[22 + 14] = 2;
  Bytes short_header = good;
  short_header[22] = 12;  // a 12-byte core header is not an icon header
  for (const Bytes& file : {offset_past_end, truncated, unknown_depth, short_header}) {
    Surface mask, color;
    EXPECT_EQ(LoadSingleIcon(IconFileBytes(file), mask, color).status, IconLoadStatus::kDamaged);
    EXPECT_EQ(mask.Width(), 0);
  }
}

// Loads a one-image file that must open; `soft_alpha`: whether it must report partly
// transparent pixels.
void Decode(const Bytes& file, Surface& mask, Surface& color, bool soft_alpha = false) {
  const IconLoadResult loaded = LoadSingleIcon(IconFileBytes(file), mask, color);
  ASSERT_TRUE(loaded.Loaded());
  EXPECT_EQ(loaded.soft_alpha, soft_alpha);
}

TEST(DecodeTest, FourBitNibblesIndexThePaletteHighNibbleLeft) {
  testing::StoredImage image = UniformImage(16, 4);
  Bytes& r = image.resource;
  // Palette entries 9 and 12 get real colours; the fourth byte of entry 9 must be ignored.
  const std::size_t palette = 40;
  r[palette + 9 * 4 + 0] = 0x00, r[palette + 9 * 4 + 1] = 0x00, r[palette + 9 * 4 + 2] = 0xFF;
  r[palette + 9 * 4 + 3] = 0x77;
  r[palette + 12 * 4 + 0] = 0xFF, r[palette + 12 * 4 + 1] = 0x00, r[palette + 12 * 4 + 2] = 0x00;
  const std::size_t last_row = palette + 64 + 15 * 8;
  r[last_row] = 0x9C;
  Surface mask, color;
  Decode(IconFile({image}), mask, color);
  EXPECT_EQ(color.GetPixel(0, 0), 0x0000FFu);
  EXPECT_EQ(color.GetPixel(1, 0), 0xFF0000u);
  EXPECT_EQ(color.GetPixel(2, 0), 0u);
}

TEST(DecodeTest, EightAndTwentyFourBitPixels) {
  testing::StoredImage eight = UniformImage(32, 8, 7);  // every pixel palette entry 7
  Surface mask, color;
  Decode(IconFile({eight}), mask, color);
  EXPECT_EQ(color.GetPixel(31, 31), 0x070707u);

  testing::StoredImage true_color = UniformImage(48, 24);
  const std::size_t last_row = 40 + 144 * 47;
  true_color.resource[last_row + 0] = 0x11;       // blue
  true_color.resource[last_row + 1] = 0x22;       // green
  true_color.resource[last_row + 2] = 0x33;       // red
  true_color.resource[40 + 144 * 48 + 0] = 0x40;  // mask of the bottom line: pixel 1
  Decode(IconFile({true_color}), mask, color);
  EXPECT_EQ(color.GetPixel(0, 0), 0x112233u);
  EXPECT_EQ(mask.GetPixel(1, 47), kWhite);
  EXPECT_EQ(mask.GetPixel(0, 47), kBlack);
}

TEST(DecodeTest, InvertingPixelsStayInverting) {
  Surface mask, color;
  Decode(IconFile({UniformImage(16, 8, 0x80, 0xFF)}), mask, color);
  EXPECT_EQ(mask.GetPixel(5, 5), kWhite);
  EXPECT_EQ(color.GetPixel(5, 5), 0x808080u);
}

TEST(DecodeTest, ShortPaletteNamedByColorsUsed) {
  // 8 bits with two stored palette entries (as some writers store them).
  Bytes palette = {0x00, 0x00, 0xFF, 0, 0x00, 0xFF, 0x00, 0};
  Bytes colors(32 * 32, 1);
  colors[0] = 0;
  colors[1] = 9;  // past the stored palette: black
  testing::StoredImage image = testing::BitmapImage(32, 8, palette, colors, Bytes(4 * 32, 0));
  image.resource[32] = 2;  // colours used
  Surface mask, color;
  Decode(IconFile({image}), mask, color);
  EXPECT_EQ(color.GetPixel(0, 31), 0x0000FFu);
  EXPECT_EQ(color.GetPixel(1, 31), kBlack);
  EXPECT_EQ(color.GetPixel(2, 31), 0x00FF00u);
}

TEST(DecodeTest, BitmapHeaderLongerThanFortyBytesIsSkippedByItsSize) {
  testing::StoredImage image = UniformImage(16, 24, 0x20);
  image.resource[0] = 124;
  image.resource.insert(image.resource.begin() + 40, 84, 0xEE);
  Surface mask, color;
  Decode(IconFile({image}), mask, color);
  EXPECT_EQ(color.GetPixel(3, 3), 0x202020u);
}

TEST(DecodeTest, ThirtyTwoBitsTakeTheirAlphaAndIgnoreTheMask) {
  struct Case {
    std::uint8_t alpha, mask;
    bool opaque;
  } cases[] = {{255, 0, true}, {128, 0, true}, {127, 0, false}, {255, 0xFF, true}};
  for (const Case& c : cases) {
    Surface mask, color;
    Decode(IconFile({testing::ThirtyTwoBit(c.alpha, c.mask)}), mask, color, c.alpha != 255);
    EXPECT_EQ(mask.GetPixel(4, 4), c.opaque ? kBlack : kWhite) << int(c.alpha);
    EXPECT_EQ(color.GetPixel(4, 4), c.opaque ? 0x302010u : kBlack) << int(c.alpha);
  }
  // No alpha at all: the mask decides.
  Surface mask, color;
  Decode(IconFile({testing::ThirtyTwoBit(0, 0)}), mask, color);
  EXPECT_EQ(color.GetPixel(0, 0), 0x302010u);
  Decode(IconFile({testing::ThirtyTwoBit(0, 0xFF)}), mask, color);
  EXPECT_TRUE(SamePixels(Surface(16, 16, kWhite), mask));
  // No mask rows: the alpha decides.
  Decode(IconFile({testing::ThirtyTwoBit(200, 0, false)}), mask, color, true);
  EXPECT_EQ(mask.GetPixel(0, 0), kBlack);
  Decode(IconFile({testing::ThirtyTwoBit(255, 0, false)}), mask, color);
  EXPECT_EQ(mask.GetPixel(0, 0), kBlack);
}

// A favicon whose 32 x 32 image is stored without mask rows (its entry's length ends with
// the colour rows) and is followed by another image: those bytes are not its mask.
TEST(DecodeTest, ThirtyTwoBitImageWithoutMaskRowsLeavesTheNextImageAlone) {
  for (const std::uint8_t alpha : {std::uint8_t{0xFF}, std::uint8_t{0x00}}) {
    const Bytes file =
        IconFile({testing::ThirtyTwoBit(alpha, 0, false, 32), UniformImage(16, 1, 0xFF, 0xFF)});
    ASSERT_EQ(file[6 + 8] | file[6 + 9] << 8, 40 + 4096);
    Surface mask, color;
    ASSERT_TRUE(DecodeIconEntry(IconFileBytes(file), 0, 32, 32, mask, color));
    EXPECT_TRUE(SamePixels(Surface(32, 32, kBlack), mask)) << int(alpha);
    EXPECT_TRUE(SamePixels(Surface(32, 32, 0x302010), color)) << int(alpha);
  }
}

TEST(DecodeTest, PngImagesUseTheAlphaRule) {
  Bytes rgba;
  for (int i = 0; i < 16 * 16; ++i)
    rgba.insert(rgba.end(), {0x10, 0x20, 0x30,
                             static_cast<std::uint8_t>(i == 0   ? 0
                                                       : i == 1 ? 127
                                                                : 128)});
  testing::StoredImage image;
  image.resource = testing::PngRgba(16, 16, rgba);
  Surface mask, color;
  Decode(IconFile({image}), mask, color, true);
  EXPECT_EQ(mask.GetPixel(0, 0), kWhite);
  EXPECT_EQ(color.GetPixel(0, 0), kBlack);
  EXPECT_EQ(mask.GetPixel(1, 0), kWhite);
  EXPECT_EQ(mask.GetPixel(2, 0), kBlack);
  EXPECT_EQ(color.GetPixel(2, 0), 0x302010u);

  Bytes damaged = IconFile({image});
  damaged[damaged.size() - 20] ^= 0xFF;  // inside the image data or its checksum
  EXPECT_EQ(LoadSingleIcon(IconFileBytes(damaged), mask, color).status, IconLoadStatus::kDamaged);
}

TEST(DecodeTest, APngEntryTooShortForItsSizeIsRefusedBeforeItsPixelsAreAllocated) {
  if (!testing::kAddressSpaceCanBeCapped) GTEST_SKIP() << "the sanitizer needs the address space";
  // 55 bytes claiming 2048 x 2048 pixels: 16 MiB of pixels, and as much again for each plane.
  testing::StoredImage image;
  image.resource = testing::PngHeaderOnly(2048, 2048);
  const Bytes file = IconFile({image});
  ASSERT_EQ(file.size(), 55u);
  const int refused = testing::RunWithSpareMemory(8 << 20, [&file] {
    Surface mask, color;
    return DecodeIconEntry(IconFileBytes(file), 0, 2048, 2048, mask, color) ? 1 : 0;
  });
  EXPECT_EQ(refused, 0);
}

TEST(ListIconImagesTest, SixRowsInDirectoryOrder) {
  Bytes file = IconFile({UniformImage(16, 4), UniformImage(16, 8), UniformImage(32, 4),
                         UniformImage(32, 8), UniformImage(48, 4), UniformImage(48, 8)});
  IconImageList list;
  ASSERT_TRUE(ListIconImages(IconFileBytes(file), 6, list));
  const std::vector<std::string> expected = {"16 x 16 ... 16 Color", "16 x 16 ... 256 Color",
                                             "32 x 32 ... 16 Color", "32 x 32 ... 256 Color",
                                             "48 x 48 ... 16 Color", "48 x 48 ... 256 Color"};
  ASSERT_EQ(list.rows.size(), 6u);
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(list.rows[k].text, expected[k]);
    EXPECT_EQ(list.rows[k].bit_count, k % 2 ? 8 : 4);
    EXPECT_EQ(list.rows[k].width, 16 * (k / 2 + 1));
    EXPECT_EQ(list.rows[k].height, 16 * (k / 2 + 1));
  }
  EXPECT_EQ(list.selected, 0);
}

TEST(ListIconImagesTest, OtherDepthsAndPngAreTrueColor) {
  testing::StoredImage big = UniformImage(64, 32);
  testing::StoredImage sixteen = UniformImage(16, 16);
  testing::StoredImage png;
  png.resource = testing::PngRgba(256, 256, Bytes(256 * 256 * 4, 0));
  Bytes file = IconFile({UniformImage(16, 1), big, sixteen, UniformImage(32, 24), png});
  IconImageList list;
  ASSERT_TRUE(ListIconImages(IconFileBytes(file), 5, list));
  EXPECT_EQ(list.rows[0].text, "16 x 16 ... Monochrome");
  EXPECT_EQ(list.rows[0].bit_count, 1);
  EXPECT_EQ(list.rows[1].text, "64 x 64 ... True Color");
  EXPECT_EQ(list.rows[2].text, "16 x 16 ... True Color");
  EXPECT_EQ(list.rows[3].text, "32 x 32 ... True Color");
  EXPECT_EQ(list.rows[4].text, "256 x 256 ... True Color");
  for (int k = 1; k < 5; ++k) EXPECT_EQ(list.rows[k].bit_count, 24);
}

TEST(ListIconImagesTest, DamagedDirectoryFailsWithAnEmptyList) {
  Bytes file = IconFile({UniformImage(16, 1), UniformImage(32, 1)});
  IconImageList list;
  list.rows.push_back({"stale", 1});
  EXPECT_FALSE(ListIconImages(IconFileBytes(file), 3, list)) << "more rows than the header";
  EXPECT_TRUE(list.rows.empty());
  EXPECT_EQ(list.selected, -1);

  Bytes offset_past_end = file;
  offset_past_end[6 + 16 + 12 + 1] = 0x40;
  EXPECT_FALSE(ListIconImages(IconFileBytes(offset_past_end), 2, list));
  EXPECT_TRUE(list.rows.empty());

  Bytes absurd_count = file;
  absurd_count[4] = 0xFF, absurd_count[5] = 0x7F;  // 32767 entries in a small file
  EXPECT_FALSE(ListIconImages(IconFileBytes(absurd_count), 32767, list));
  EXPECT_TRUE(list.rows.empty());
}

TEST(DecodeIconImageTest, DecodesThePickedImage) {
  Bytes file = IconFile({UniformImage(16, 1), UniformImage(48, 8, 3)});
  DecodeSurfaces surfaces;
  const IconLoadResult decoded = DecodeIconImage(IconFileBytes(file), 1, surfaces);
  ASSERT_TRUE(decoded.Loaded());
  EXPECT_FALSE(decoded.soft_alpha);
  EXPECT_TRUE(SamePixels(Surface(48, 48, 0x030303), surfaces.ColorSurface));
  EXPECT_TRUE(SamePixels(Surface(48, 48, kBlack), surfaces.MaskSurface));
  ReleaseDecodeSurfaces(surfaces);
  ReleaseDecodeSurfaces(surfaces);
  EXPECT_EQ(surfaces.ColorSurface.Width(), 0);
}

TEST(DecodeIconImageTest, WrongSizeAndDamageAreReportedAndReleaseTheSurfaces) {
  const Bytes file = IconFile({UniformImage(16, 1), UniformImage(64, 32), UniformImage(32, 4)});
  Bytes truncated = file;
  truncated.resize(truncated.size() - 10);
  DecodeSurfaces surfaces;
  surfaces.MaskSurface = Surface(8, 8);
  ExpectWrongSize(DecodeIconImage(IconFileBytes(file), 1, surfaces), 64, 64);
  EXPECT_EQ(surfaces.MaskSurface.Width(), 0) << "released";
  struct Case {
    const char* what;
    int index;
    const Bytes& bytes;
  };
  const Case damaged[] = {{"index past the directory", 3, file},
                          {"negative index", -1, file},
                          {"truncated data", 2, truncated}};
  for (const Case& c : damaged) {
    surfaces.MaskSurface = Surface(8, 8);
    EXPECT_EQ(DecodeIconImage(IconFileBytes(c.bytes), c.index, surfaces).status,
              IconLoadStatus::kDamaged)
        << c.what;
    EXPECT_EQ(surfaces.MaskSurface.Width(), 0) << c.what;
  }
}

TEST(SoftAlphaTest, OnlyAlphaOtherThanZeroAndFullWarnsOnceAndTheImageStillOpens) {
  // PNG: a hard edge (0 and 255 only) is silent; one fading pixel warns once.
  Bytes hard;
  for (int i = 0; i < 16 * 16; ++i)
    hard.insert(hard.end(), {0x10, 0x20, 0x30, static_cast<std::uint8_t>(i % 2 ? 255 : 0)});
  Bytes fading = hard;
  fading[4 * 17 + 3] = 254;
  fading[4 * 18 + 3] = 1;
  testing::StoredImage image;
  image.resource = testing::PngRgba(16, 16, hard);
  Surface mask, color;
  Decode(IconFile({image}), mask, color);
  image.resource = testing::PngRgba(16, 16, fading);
  Decode(IconFile({image}), mask, color, true);
  EXPECT_EQ(mask.GetPixel(1, 1), kBlack);  // 254: opaque
  EXPECT_EQ(mask.GetPixel(2, 1), kWhite);  // 1: transparent

  // The picked image of a multi-image file reports it the same way; other depths never do.
  Bytes file = IconFile({UniformImage(16, 8), testing::ThirtyTwoBit(64, 0)});
  DecodeSurfaces surfaces;
  EXPECT_TRUE(DecodeIconImage(IconFileBytes(file), 1, surfaces).soft_alpha);
  EXPECT_EQ(surfaces.MaskSurface.GetPixel(0, 0), kWhite);
  const IconLoadResult eight_bits = DecodeIconImage(IconFileBytes(file), 0, surfaces);
  ASSERT_TRUE(eight_bits.Loaded());
  EXPECT_FALSE(eight_bits.soft_alpha);
}

}  // namespace
}  // namespace brindlex
