// The RGBA engine: bare entries decoded at every depth, the 32-bit entry encoder, the
// container directory, content sniffing and the resampler.
#include <gtest/gtest.h>

// The resizer itself, as a reference for the picture resampled whole.
#define STB_IMAGE_RESIZE_IMPLEMENTATION
#define STB_IMAGE_RESIZE_STATIC
#include <stb/stb_image_resize.h>

#include "address_space_limit.h"
#include "files/entry_decoder.h"
#include "files/entry_encoder.h"
#include "files/icon_container.h"
#include "files/image_kind.h"
#include "files/rgba_resample.h"
#include "png_test_files.h"

namespace brindlex {
namespace {

using testing::Bytes;

// A bare bitmap entry of width x height at the bit count: header (with the colours-used
// field), palette, colour rows and mask rows as given.
Bytes BitmapEntry(int width, int height, int bit_count, const Bytes& palette, const Bytes& colors,
                  const Bytes& masks, std::uint32_t colors_used = 0) {
  Bytes entry = testing::BitmapHeader(width, 2 * height, bit_count, colors_used);
  for (const Bytes* part : {&palette, &colors, &masks})
    entry.insert(entry.end(), part->begin(), part->end());
  return entry;
}

RgbaImage Picture(int width, int height, const Bytes& rgba) {
  RgbaImage image(width, height);
  image.pixels = rgba;
  return image;
}

EntryDecodeResult Decoded(const Bytes& entry) {
  EntryDecodeResult result;
  EXPECT_TRUE(DecodeEntryImage(entry, result));
  return result;
}

TEST(RgbaEntryDecoder, PalettedEntriesHonourColorsUsedMaskAndPadding) {
  // 3 x 2 at 4 bits with two stored palette entries (red, blue): indices 0, 1 and 5 (past the
  // stored palette: black). Rows bottom line first, each padded to 4 bytes.
  const Bytes palette = {0, 0, 0xFF, 0, 0xFF, 0, 0, 0};
  const Bytes colors = {0x01, 0x50, 0, 0, /*top row*/ 0x15, 0x00, 0, 0};
  // Bottom row: pixel 0 masked (red under it: inverting); top row: pixel 1 masked (black).
  const Bytes masks = {0x80, 0, 0, 0, 0x40, 0, 0, 0};
  const EntryDecodeResult result = Decoded(BitmapEntry(3, 2, 4, palette, colors, masks, 2));
  EXPECT_EQ(result.bit_count, 4);
  EXPECT_FALSE(result.is_png);
  EXPECT_EQ(result.inverting_pixels, 1);
  EXPECT_EQ(result.inverting, (std::vector<InvertingPixel>{{0, 1, 255, 0, 0}}));
  EXPECT_EQ(result.image,
            Picture(3, 2, {0, 0, 255, 255, 0, 0, 0,   0,   255, 0, 0, 255,     // top
                           0, 0, 0,   0,   0, 0, 255, 255, 0,   0, 0, 255}));  // bottom

  // 1 and 8 bits and 24 bits with its 3-byte pixels and row padding (9 bytes + 3).
  const Bytes mono =
      BitmapEntry(2, 1, 1, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}, {0x40, 0, 0, 0}, {0, 0, 0, 0});
  EXPECT_EQ(Decoded(mono).image, Picture(2, 1, {0, 0, 0, 255, 255, 255, 255, 255}));
  Bytes palette256(1024, 0);
  palette256[4 * 200] = 7;  // entry 200: blue 7
  const Bytes eight = BitmapEntry(1, 1, 8, palette256, {200, 0, 0, 0}, {0, 0, 0, 0});
  EXPECT_EQ(Decoded(eight).image, Picture(1, 1, {0, 0, 7, 255}));
  const Bytes true_color =
      BitmapEntry(3, 1, 24, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0xEE, 0xEE, 0xEE}, {0x20, 0, 0, 0});
  EXPECT_EQ(Decoded(true_color).image, Picture(3, 1, {3, 2, 1, 255, 6, 5, 4, 255, 0, 0, 0, 0}));
  EXPECT_EQ(Decoded(true_color).inverting, (std::vector<InvertingPixel>{{2, 0, 9, 8, 7}}));
}

TEST(RgbaEntryDecoder, ThirtyTwoBitAlphaAsStoredOrMaskWhenAllZero) {
  const Bytes bgra = {10, 20, 30, 0x80, 40, 50, 60, 0};
  const Bytes mask_first = {0x80, 0, 0, 0};
  // Alpha present: kept as stored, colour of the alpha-0 pixel too, mask ignored.
  EXPECT_EQ(Decoded(BitmapEntry(2, 1, 32, {}, bgra, mask_first)).image,
            Picture(2, 1, {30, 20, 10, 0x80, 60, 50, 40, 0}));
  // All alpha 0: the mask decides; without mask rows every pixel is opaque.
  const Bytes no_alpha = {10, 20, 30, 0, 40, 50, 60, 0};
  const EntryDecodeResult masked = Decoded(BitmapEntry(2, 1, 32, {}, no_alpha, mask_first));
  EXPECT_EQ(masked.image, Picture(2, 1, {0, 0, 0, 0, 60, 50, 40, 255}));
  EXPECT_EQ(masked.inverting, (std::vector<InvertingPixel>{{0, 0, 30, 20, 10}}));
  EXPECT_EQ(Decoded(BitmapEntry(2, 1, 32, {}, no_alpha, {})).image,
            Picture(2, 1, {30, 20, 10, 255, 60, 50, 40, 255}));
}

TEST(RgbaEntryDecoder, PngEntriesAndDamagedEntries) {
  const Bytes rgba = {1, 2, 3, 4, 5, 6, 7, 8};
  const EntryDecodeResult png = Decoded(testing::PngRgba(1, 2, rgba));
  EXPECT_TRUE(png.is_png);
  EXPECT_EQ(png.image, Picture(1, 2, rgba));

  EntryDecodeResult result;
  const Bytes good = BitmapEntry(3, 1, 24, {}, Bytes(12, 9), Bytes(4, 0));
  ASSERT_TRUE(DecodeEntryImage(good, result));
  // Colour rows cut short: refused before any pixel is allocated.
  EXPECT_FALSE(DecodeEntryImage(Bytes(good.begin(), good.begin() + 50), result));
  Bytes compressed = good;
  compressed[16] = 1;
  EXPECT_FALSE(DecodeEntryImage(compressed, result));
  // Sides outside 1..256 (257 wide; 0 high), an unknown depth, a header alone.
  EXPECT_FALSE(DecodeEntryImage(BitmapEntry(257, 1, 1, Bytes(8), Bytes(36), Bytes(36)), result));
  EXPECT_FALSE(DecodeEntryImage(BitmapEntry(1, 0, 1, Bytes(8), {}, {}), result));
  EXPECT_FALSE(DecodeEntryImage(BitmapEntry(1, 1, 16, {}, Bytes(4), Bytes(4)), result));
  EXPECT_FALSE(DecodeEntryImage(testing::BitmapHeader(1, 2, 1), result));
  EXPECT_FALSE(DecodeEntryImage(testing::PngHeaderOnly(300, 1), result));
  EXPECT_EQ(result.image, Picture(3, 1, {9, 9, 9, 255, 9, 9, 9, 255, 9, 9, 9, 255}));
}

TEST(RgbaEntryEncoder, ThirtyTwoBitEntryBytesAndRoundTrip) {
  // 9 x 2: the mask row needs 2 data bytes padded to 4.
  RgbaImage image(9, 2);
  for (std::size_t i = 0; i < image.pixels.size(); ++i)
    image.pixels[i] = static_cast<std::uint8_t>(i * 7);
  image.At(8, 0)[3] = 0;
  image.At(0, 1)[3] = 0;
  const Bytes entry = EncodeBgra32Entry(image);
  ASSERT_EQ(entry.size(), 40u + 9 * 4 * 2 + 4 * 2);
  EXPECT_EQ(Bytes(entry.begin(), entry.begin() + 16),
            (Bytes{40, 0, 0, 0, 9, 0, 0, 0, 4, 0, 0, 0, 1, 0, 32, 0}));
  EXPECT_EQ(Bytes(entry.begin() + 20, entry.begin() + 24), (Bytes{80, 0, 0, 0}));
  // Bottom row (y = 1) first: blue, green, red, alpha of pixel (0, 1).
  const std::uint8_t* first = image.At(0, 1);
  EXPECT_EQ(Bytes(entry.begin() + 40, entry.begin() + 44),
            (Bytes{first[2], first[1], first[0], 0}));
  EXPECT_EQ(Bytes(entry.end() - 8, entry.end()), (Bytes{0x80, 0, 0, 0, 0, 0x80, 0, 0}));
  EXPECT_EQ(Decoded(entry).image, image);

  EXPECT_TRUE(EncodeBgra32Entry(RgbaImage(257, 1)).empty());
  EXPECT_TRUE(EncodeBgra32Entry(RgbaImage()).empty());
}

TEST(RgbaContainer, ReadsIconsAndCursorsOfAnySize) {
  testing::StoredImage big = testing::StoredImage{testing::PngRgba(256, 1, Bytes(1024, 3)), 0, 1};
  testing::StoredImage small = testing::UniformImage(16, 4);
  Bytes file = testing::IconFile({big, small}, kCursorType);
  // Hot spot of the second entry: 5, 9.
  file[EntryOffset(1) + kEntryPlanes] = 5;
  file[EntryOffset(1) + kEntryBitCount] = 9;
  file[EntryOffset(1) + kEntryColorCount] = 16;
  IconContainer container;
  ASSERT_TRUE(ReadIconContainer(file, container));
  EXPECT_TRUE(container.IsCursor());
  ASSERT_EQ(container.entries.size(), 2u);
  const ContainerEntry& first = container.entries[0];
  EXPECT_EQ(first.width, 256);
  EXPECT_EQ(first.height, 1);
  EXPECT_TRUE(first.image.is_png);
  EXPECT_EQ(first.image.width, 256);
  const ContainerEntry& second = container.entries[1];
  EXPECT_EQ(second.hot_spot_x, 5);
  EXPECT_EQ(second.hot_spot_y, 9);
  EXPECT_EQ(second.color_count, 16);
  EXPECT_EQ(second.image.bit_count, 4);
  EXPECT_EQ(second.image.height, 16);
  EXPECT_EQ(ContainerEntryBytes(file, second).size(), small.resource.size());

  EXPECT_EQ(SniffImageKind(file), ImageKind::kCursor);
  EXPECT_EQ(SniffImageKind(testing::IconFile({small})), ImageKind::kIcon);
  EXPECT_EQ(SniffImageKind(big.resource), ImageKind::kPng);
  EXPECT_EQ(SniffImageKind(Bytes{'B', 'M', 0, 0}), ImageKind::kBitmap);
  EXPECT_EQ(SniffImageKind(Bytes{0, 0, 3, 0, 1, 0}), ImageKind::kUnknown);

  // An entry reaching past the end of the file keeps what the file holds of it; its picture
  // no longer decodes. An entry starting past the end, a directory cut short, a header type
  // 3 are refused.
  Bytes cut = file;
  cut.pop_back();
  ASSERT_TRUE(ReadIconContainer(cut, container));
  EXPECT_EQ(container.entries[1].bytes_in_resource, small.resource.size());
  EXPECT_EQ(ContainerEntryBytes(cut, container.entries[1]).size(), small.resource.size() - 1);
  EntryDecodeResult decoded;
  EXPECT_FALSE(DecodeEntryImage(ContainerEntryBytes(cut, container.entries[1]), decoded));
  const IconContainer before = container;
  Bytes moved = file;
  moved[EntryOffset(1) + kEntryImageOffset + 1] = 0x7F;
  EXPECT_FALSE(ReadIconContainer(moved, container));
  EXPECT_FALSE(ReadIconContainer(Bytes(file.begin(), file.begin() + 30), container));
  Bytes typed = file;
  typed[kHeaderType] = 3;
  EXPECT_FALSE(ReadIconContainer(typed, container));
  EXPECT_EQ(container.entries.size(), before.entries.size());
}

TEST(RgbaResample, KeepsFlatColoursAndDoesNotBleedTransparentColour) {
  // Left half opaque red, right half transparent green.
  RgbaImage image(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      std::uint8_t* p = image.At(x, y);
      if (x < 4)
        p[0] = p[3] = 255;
      else
        p[1] = 255;
    }
  const RgbaImage small = ResampleRgba(image, 3, 5);
  ASSERT_EQ(small.width, 3);
  ASSERT_EQ(small.height, 5);
  for (int y = 0; y < 5; ++y) {
    EXPECT_EQ(small.At(0, y)[0], 255);
    EXPECT_EQ(small.At(0, y)[3], 255);
    for (int x = 0; x < 3; ++x)
      if (small.At(x, y)[3] > 0) {
        EXPECT_EQ(small.At(x, y)[1], 0) << x << "," << y;
      }
    EXPECT_EQ(small.At(2, y)[3], 0);
  }
  EXPECT_EQ(ResampleRgba(image, 8, 8), image);
  EXPECT_EQ(ResampleRgba(image, 0, 4), RgbaImage());
  EXPECT_EQ(ResampleRgba(RgbaImage(), 4, 4), RgbaImage());
}

TEST(RgbaResample, WithoutMemoryForTheWorkItThrowsInsteadOfReturningNothing) {
  if (!testing::kAddressSpaceCanBeCapped) GTEST_SKIP() << "the sanitizer needs the address space";
  RgbaImage picture(2048, 2048);
  for (std::size_t i = 3; i < picture.pixels.size(); i += 4) picture.pixels[i] = 0xFF;
  // 64 KiB to spare: room for the 16 x 16 result, not for the resizer's tables and buffers.
  const int outcome = testing::RunWithSpareMemory(64 * 1024, [&picture] {
    try {
      return ResampleRgba(picture, 16, 16).width == 16 ? 0 : 1;
    } catch (const std::bad_alloc&) {
      return 2;
    }
  });
  EXPECT_EQ(outcome, 2);
}

TEST(RgbaResample, TransparentMarginsAreLeftOutWithoutChangingAVisiblePixel) {
  // A large picture (made in two bands) with a drawing in the middle of a transparent margin,
  // against the resizer run over the whole of it, shrunk and enlarged.
  RgbaImage framed(512, 512);
  for (int y = 150; y < 330; ++y)
    for (int x = 120; x < 400; ++x) {
      std::uint8_t* p = framed.At(x, y);
      p[0] = static_cast<std::uint8_t>(x);
      p[1] = static_cast<std::uint8_t>(y);
      p[2] = static_cast<std::uint8_t>(x ^ y);
      p[3] = static_cast<std::uint8_t>(128 + (x + y) % 128);
    }
  for (const int edge : {256, 48, 700}) {
    RgbaImage whole(edge, edge);
    ASSERT_TRUE(stbir_resize_uint8_generic(framed.pixels.data(), 512, 512, 0, whole.pixels.data(),
                                           edge, edge, 0, 4, 3, 0, STBIR_EDGE_CLAMP,
                                           STBIR_FILTER_DEFAULT, STBIR_COLORSPACE_SRGB, nullptr));
    const RgbaImage cropped = ResampleRgba(framed, edge, edge);
    int visible = 0;
    for (int y = 0; y < edge; ++y)
      for (int x = 0; x < edge; ++x) {
        const std::uint8_t* p = cropped.At(x, y);
        if (whole.At(x, y)[3] == 0) {
          EXPECT_EQ(p[3], 0) << edge << ": " << x << "," << y;
          continue;
        }
        ++visible;
        // Enlarged, the offsets that place the work round differently, by a level at most.
        for (int c = 0; c < 4; ++c)
          EXPECT_LE(std::abs(p[c] - whole.At(x, y)[c]), edge > 512 ? 1 : 0)
              << edge << ": " << x << "," << y;
      }
    EXPECT_GT(visible, edge * edge / 8) << edge;
  }
}

}  // namespace
}  // namespace brindlex
