// The RGBA writers: the smallest lossless entry, the container of several pictures and the
// smallest PNG stream, each read back to the same pixels.
#include <gtest/gtest.h>

#include "files/color_depth.h"
#include "files/container_writer.h"
#include "files/entry_decoder.h"
#include "files/entry_encoder.h"
#include "files/icon_container.h"
#include "files/icon_png.h"
#include "files/icon_writer.h"
#include "files/picture_file.h"
#include "files/png_entry_encoder.h"
#include "files/png_import.h"
#include "png_test_files.h"

namespace brindlex {
namespace {

using testing::Bytes;

// A width x height picture whose pixel i is colors[i % colors.size()] (R, G, B, A packed as
// 0xAABBGGRR).
RgbaImage Pattern(int width, int height, const std::vector<std::uint32_t>& colors) {
  RgbaImage image(width, height);
  for (std::size_t i = 0; i < image.PixelCount(); ++i)
    for (int c = 0; c < 4; ++c)
      image.pixels[4 * i + c] = static_cast<std::uint8_t>(colors[i % colors.size()] >> (8 * c));
  return image;
}

// `count` colours drawn from `set` in a scrambled order, so that the picture has no
// repeating pattern for deflate to take whole, whatever the colour type.
std::vector<std::uint32_t> Scrambled(const std::vector<std::uint32_t>& set, int count) {
  std::vector<std::uint32_t> colors;
  std::uint32_t state = 1;
  for (int i = 0; i < count; ++i) {
    state = state * 1103515245u + 12345u;
    colors.push_back(set[(state >> 16) % set.size()]);
  }
  return colors;
}

// A width x height picture of pseudo-random bytes, as a photograph's noise is to deflate.
RgbaImage Noise(int width, int height) {
  RgbaImage image(width, height);
  std::uint32_t state = 3;
  for (std::uint8_t& byte : image.pixels) {
    state = state * 1103515245u + 12345u;
    byte = static_cast<std::uint8_t>(state >> 16);
  }
  return image;
}

RgbaImage DecodedPng(const Bytes& png, int width, int height) {
  RgbaImage image(width, height);
  EXPECT_TRUE(DecodePngRgba(png, width, height, image.pixels));
  return image;
}

// The container's entries decoded, in file order.
std::vector<RgbaImage> DecodedEntries(const Bytes& file, IconContainer& container) {
  EXPECT_TRUE(ReadIconContainer(file, container));
  std::vector<RgbaImage> images;
  for (const ContainerEntry& entry : container.entries) {
    EntryDecodeResult decoded;
    EXPECT_TRUE(DecodeEntryImage(ContainerEntryBytes(file, entry), decoded));
    images.push_back(decoded.image);
  }
  return images;
}

TEST(SmallestEntry, HardEdgedPicturesKeepTheEditorsBytesAtItsSizes) {
  // Opaque standard colours and transparent pixels: the editor's 4-bit save, byte for byte.
  const RgbaImage image = Pattern(32, 32, {0xFF0000FF, 0x00000000, 0xFF00FF00, 0xFFC0C0C0});
  Surface mask(32, 32, kBlack), color(32, 32, kBlack);
  const Color colors[] = {0x0000FF, kBlack, 0x00FF00, 0xC0C0C0};
  for (int i = 0; i < 32 * 32; ++i) {
    color.SetPixel(i % 32, i / 32, colors[i % 4]);
    if (i % 4 == 1) mask.SetPixel(i % 32, i / 32, kWhite);
  }
  Bytes editor;
  ASSERT_TRUE(BuildIconFileBytes(mask, color, k16ColorCount, editor));
  Bytes written;
  ASSERT_TRUE(BuildContainerFileBytes(kIconType, {{image}}, false, written));
  EXPECT_EQ(written, editor);
  EXPECT_EQ(EncodeSmallestEntry(image, false).bit_count, 4);
}

TEST(SmallestEntry, DepthBySizeAlphaAndColoursAtAnySize) {
  struct Case {
    RgbaImage image;
    bool png;
    bool is_png;
    int bit_count;
    std::size_t bytes;
  };
  std::vector<std::uint32_t> many;  // 300 opaque colours: 24 bits
  for (std::uint32_t i = 0; i < 300; ++i) many.push_back(0xFF000000 | (i * 0x010203));
  const std::vector<Case> cases = {
      // 5 x 3, black and white and a hole: 1 bit, rows of 4 bytes.
      {Pattern(5, 3, {0xFF000000, 0xFFFFFFFF, 0}), false, false, 1, 40 + 8 + 12 + 12},
      // 3 x 7 of 4 colours, 3 of them none of the standard ones: 4 bits, a palette of its own.
      {Pattern(3, 7, {0xFF123456, 0xFF654321, 0xFF000000, 0xFF010101}), false, false, 4,
       40 + 64 + 28 + 28},
      {Pattern(17, 20, many), false, false, 24, 40 + 52 * 20 + 4 * 20},
      // A partly transparent pixel: 32 bits.
      {Pattern(9, 1, {0xFF0000FF, 0x80FF0000}), false, false, 32, 40 + 36 + 4},
      // PNG at 256 and with the flag.
      {Pattern(256, 3, {0xFF0000FF}), false, true, 32, 0},
      {Pattern(9, 1, {0xFF0000FF}), true, true, 32, 0},
  };
  for (const Case& c : cases) {
    const EncodedEntry entry = EncodeSmallestEntry(c.image, c.png);
    EXPECT_EQ(entry.is_png, c.is_png) << c.image.width;
    EXPECT_EQ(entry.bit_count, c.bit_count) << c.image.width;
    if (c.bytes) {
      EXPECT_EQ(entry.bytes.size(), c.bytes) << c.image.width;
    }
    EntryDecodeResult decoded;
    ASSERT_TRUE(DecodeEntryImage(entry.bytes, decoded)) << c.image.width;
    EXPECT_EQ(decoded.image, c.image) << c.image.width;
  }
  EXPECT_TRUE(EncodeSmallestEntry(RgbaImage(257, 1), false).bytes.empty());
}

TEST(SmallestEntry, PicturesOfFewColoursTakeAPaletteOfTheirOwn) {
  // 2 x 2: red, transparent / transparent, red. Red and the black under the mask: 1 bit.
  const RgbaImage two = Pattern(2, 2, {0xFF0000FF, 0, 0, 0xFF0000FF});
  Bytes expected = testing::BitmapHeader(2, 4, 1);
  const Bytes rest = {0,    0, 0xFF, 0, 0,    0, 0, 0,   // palette: red, black
                      0x80, 0, 0,    0, 0x40, 0, 0, 0,   // colour rows, bottom first
                      0x80, 0, 0,    0, 0x40, 0, 0, 0};  // mask rows
  expected.insert(expected.end(), rest.begin(), rest.end());
  EncodedEntry entry = EncodeSmallestEntry(two, false);
  EXPECT_EQ(entry.bit_count, 1);
  EXPECT_EQ(entry.bytes, expected);

  // 3 colours of 4 x 1: 4 bits, the palette filled up with black to 16 entries.
  entry = EncodeSmallestEntry(Pattern(4, 1, {0xFF102030, 0xFF405060, 0xFF708090}), false);
  Bytes four = testing::BitmapHeader(4, 2, 4);
  Bytes palette = {0x10, 0x20, 0x30, 0, 0x40, 0x50, 0x60, 0, 0x70, 0x80, 0x90, 0};
  palette.resize(64, 0);
  four.insert(four.end(), palette.begin(), palette.end());
  four.insert(four.end(), {0x01, 0x20, 0, 0, /*mask*/ 0, 0, 0, 0});
  EXPECT_EQ(entry.bytes, four);

  // 17 colours fit the editor's 8-bit palette, taken as it needs no more bits; 256 colours
  // without black or white still take 8 bits, where the editor's palette, which keeps two of
  // its entries for black and white, needs 24.
  std::vector<std::uint32_t> colours;
  for (std::uint32_t i = 0; i < 256; ++i) colours.push_back(0xFF000000 | (i * 0x010203 + 0x20));
  const RgbaImage seventeen =
      Pattern(16, 16, std::vector<std::uint32_t>(colours.begin(), colours.begin() + 17));
  Surface mask, color;
  PlanesFromRgba(16, 16, seventeen.pixels, mask, color);
  Bytes editor;
  ASSERT_TRUE(AppendIconResource(mask, color, k256ColorCount, 0, editor));
  EXPECT_EQ(EncodeSmallestEntry(seventeen, false).bytes, editor);
  const RgbaImage all = Pattern(16, 16, colours);
  entry = EncodeSmallestEntry(all, false);
  EXPECT_EQ(entry.bit_count, 8);
  ASSERT_EQ(entry.bytes.size(), 40u + 1024 + 256 + 64);
  EXPECT_EQ(Bytes(entry.bytes.begin() + 40 + 4 * 255, entry.bytes.begin() + 44 + 4 * 255),
            (Bytes{0x01, 0x01, 0x1D, 0}))
      << "the last colour in the last entry";
  EntryDecodeResult decoded;
  ASSERT_TRUE(DecodeEntryImage(entry.bytes, decoded));
  EXPECT_EQ(decoded.image, all);
}

TEST(SmallestEntry, InvertingPixelsAreStoredUnderTheMaskWhereABitmapHoldsThem) {
  // 16 x 16 opaque blue with two inverting pixels, white and green, read from an entry.
  Surface mask(16, 16, kBlack), color(16, 16, 0xFF0000);
  mask.SetPixel(3, 1, kWhite), color.SetPixel(3, 1, kWhite);
  mask.SetPixel(0, 15, kWhite), color.SetPixel(0, 15, 0x00FF00);
  Bytes stored;
  ASSERT_TRUE(AppendIconResource(mask, color, kTrueColorCount, 0, stored));
  EntryDecodeResult read;
  ASSERT_TRUE(DecodeEntryImage(stored, read));
  const std::vector<InvertingPixel> inverting = {{3, 1, 255, 255, 255}, {0, 15, 0, 255, 0}};
  ASSERT_EQ(read.inverting, inverting);

  // Blue, white and green fit the 16 standard colours: the editor's 4-bit entry of the planes.
  Bytes editor;
  ASSERT_TRUE(AppendIconResource(mask, color, k16ColorCount, 0, editor));
  EXPECT_EQ(EncodeSmallestEntry(read.image, false, {}, read.inverting).bytes, editor);
  // A PNG entry cannot hold them: they stay transparent.
  EntryDecodeResult png;
  ASSERT_TRUE(DecodeEntryImage(EncodeSmallestEntry(read.image, true, {}, inverting).bytes, png));
  EXPECT_EQ(png.image, read.image);
  EXPECT_TRUE(StoresAsPng(read.image, true));
  EXPECT_FALSE(StoresAsPng(read.image, false));
}

TEST(ContainerWriter, LargestFirstWithHotSpotsAndReadBack) {
  const RgbaImage small = Pattern(16, 16, {0xFF0000FF, 0});
  const RgbaImage wide = Pattern(40, 10, {0x7F00FF00});
  const RgbaImage big = Pattern(256, 256, {0xFFFF0000, 0x10FFFFFF});
  Bytes file;
  ASSERT_TRUE(BuildContainerFileBytes(kCursorType, {{small, 1, 2}, {big, 200, 100}, {wide, 3, 4}},
                                      false, file));
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 6), (Bytes{0, 0, 2, 0, 3, 0}));
  // Directory entry 0: 256 as 0, colour count and reserved 0, hot spot 200, 100.
  EXPECT_EQ(Bytes(file.begin() + 6, file.begin() + 14), (Bytes{0, 0, 0, 0, 200, 0, 100, 0}));
  IconContainer container;
  EXPECT_EQ(DecodedEntries(file, container), (std::vector<RgbaImage>{big, wide, small}));
  EXPECT_TRUE(container.entries[0].image.is_png);
  EXPECT_EQ(container.entries[1].hot_spot_x, 3);
  EXPECT_EQ(container.entries[2].hot_spot_y, 2);
  EXPECT_EQ(container.entries[1].image.bit_count, 32);
  // The entries follow the directory without gaps.
  EXPECT_EQ(container.entries[0].image_offset, 6u + 3 * 16);
  EXPECT_EQ(container.entries[2].image_offset + container.entries[2].bytes_in_resource,
            file.size());

  // An icon holds planes 1 and the bit count instead; with --png every entry is PNG.
  ASSERT_TRUE(BuildContainerFileBytes(kIconType, {{small}, {wide}}, true, file));
  EXPECT_EQ(DecodedEntries(file, container), (std::vector<RgbaImage>{wide, small}));
  EXPECT_EQ(Bytes(file.begin() + 10, file.begin() + 14), (Bytes{1, 0, 32, 0}));
  EXPECT_TRUE(container.entries[1].image.is_png);
  EXPECT_FALSE(BuildContainerFileBytes(kIconType, {}, false, file));
  EXPECT_FALSE(BuildContainerFileBytes(kIconType, {{small}, {RgbaImage(300, 1)}}, false, file));
  EXPECT_TRUE(file.empty());
}

TEST(ContainerWriter, APictureWrittenBackGoesFirstAndTheOthersStayAsStored) {
  const RgbaImage big = Pattern(20, 20, {0x7F00FF00}), small = Pattern(8, 8, {0xFF0000FF, 0});
  Bytes source;
  ASSERT_TRUE(BuildContainerFileBytes(kCursorType, {{big, 3, 4}, {small, 5, 6}}, false, source));
  const RgbaImage edited = Pattern(8, 8, {0xFFFF0000});
  Bytes file;
  ASSERT_TRUE(BuildContainerWithPictureFirst(source, 1, {edited, 7, 1}, false, file));
  Bytes alone;
  ASSERT_TRUE(BuildContainerFileBytes(kCursorType, {{edited, 7, 1}}, false, alone));
  const Bytes edited_entry(alone.begin() + 22, alone.end());
  const Bytes big_entry(source.begin() + 38, source.begin() + 38 + 20 * 20 * 4 + 40 + 4 * 20);
  Bytes expected(source.begin(), source.begin() + 6);
  expected.insert(expected.end(), alone.begin() + 6, alone.begin() + 18);  // the new entry
  testing::PutU32(expected, 38);
  expected.insert(expected.end(), source.begin() + 6, source.begin() + 18);  // the big one's
  testing::PutU32(expected, static_cast<std::uint32_t>(38 + edited_entry.size()));
  expected.insert(expected.end(), edited_entry.begin(), edited_entry.end());
  expected.insert(expected.end(), big_entry.begin(), big_entry.end());
  EXPECT_EQ(file, expected);
  // An entry that runs past the end of the source, and an entry that is not there.
  EXPECT_FALSE(BuildContainerWithPictureFirst(Bytes(source.begin(), source.end() - 1), 0, {edited},
                                              false, file));
  EXPECT_TRUE(file.empty());
  EXPECT_FALSE(BuildContainerWithPictureFirst(source, 2, {edited}, false, file));
}

TEST(SmallestPng, ColourTypesDepthsAndRoundTrips) {
  struct Case {
    RgbaImage image;
    std::uint8_t bit_depth, color_type;  // IHDR bytes 24 and 25
  };
  std::vector<std::uint32_t> greys, colours, palette;
  for (std::uint32_t i = 0; i < 300; ++i) {
    if (i < 200) palette.push_back(0xFF000000 | (i * 0x030507));
    greys.push_back(0xFF000000 | (i % 256) * 0x010101);
    colours.push_back(0xFF000000 | (i * 0x030507));
  }
  std::vector<std::uint32_t> soft = colours;
  soft[7] = 0x40102030;
  const std::vector<Case> cases = {
      {Pattern(64, 64, Scrambled({0xFF0000FF, 0}, 4096)), 1, 3},  // 2 colours: 1 bit
      {Pattern(64, 64, Scrambled({0xFF0000FF, 0, 0xFF00FF00}, 4096)), 2, 3},
      {Pattern(64, 64, Scrambled({1, 2, 3, 0xFF000000, 0x80FFFFFF}, 4096)), 4, 3},
      {Pattern(64, 64, Scrambled(palette, 4096)), 8, 3},  // up to 256 colours: 8 bits
      {Pattern(30, 30, greys), 8, 0},                     // grey
      {Pattern(30, 30,
               [&] {
                 auto g = greys;
                 g[3] = 0x10FFFFFF;
                 return g;
               }()),
       8, 4},
      {Pattern(30, 30, colours), 8, 2},    // RGB
      {Pattern(30, 30, soft), 8, 6},       // RGBA
      {Pattern(256, 256, colours), 8, 2},  // large: ranked, compressed in two halves
      {Noise(256, 256), 8, 6},             // large and photograph-like: run lengths only
  };
  for (const Case& c : cases) {
    const Bytes png = EncodeSmallestPng(c.image);
    ASSERT_GT(png.size(), 26u);
    EXPECT_EQ(png[24], c.bit_depth) << c.image.width;
    EXPECT_EQ(png[25], c.color_type) << c.image.width;
    EXPECT_EQ(DecodedPng(png, c.image.width, c.image.height), c.image) << c.image.width;
    EXPECT_EQ(EncodeSmallestPng(c.image), png) << "the same bytes every time";
  }
  // Smaller than the plain RGBA stream of the same picture.
  const RgbaImage large = Pattern(256, 256, colours);
  EXPECT_LT(EncodeSmallestPng(large).size(), testing::PngRgba(256, 256, large.pixels).size());
  EXPECT_TRUE(EncodeSmallestPng(RgbaImage()).empty());
}

// The stream with a chunk of `type` and `data` put after its header chunk.
Bytes WithChunk(Bytes png, const std::string& type, const Bytes& data) {
  Bytes chunk(12 + data.size(), 0);
  auto put_be = [&chunk](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) chunk[at + i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
  };
  put_be(0, static_cast<std::uint32_t>(data.size()));
  std::copy_n(type.begin(), 4, chunk.begin() + 4);
  std::copy(data.begin(), data.end(), chunk.begin() + 8);
  put_be(8 + data.size(), static_cast<std::uint32_t>(
                              crc32(0, chunk.data() + 4, static_cast<uInt>(4 + data.size()))));
  png.insert(png.begin() + 33, chunk.begin(), chunk.end());
  return png;
}

TEST(SmallestPng, PixelChunksOfASourceStream) {
  const RgbaImage image = Pattern(40, 30, Scrambled({0xFF0000FF, 0x80FFFFFF, 0}, 1200));
  const Bytes ours = EncodeSmallestPng(image);
  // Ancillary chunks (text, gamma) are dropped; the pixel chunks stay byte for byte.
  const Bytes source =
      WithChunk(WithChunk(ours, "tEXt", Bytes(500, 'a')), "gAMA", {0, 0, 0xB1, 0x8F});
  EXPECT_EQ(PixelChunksOf(source), ours);
  EXPECT_EQ(EncodeSmallestPng(image, source), ours);
  // Streams it cannot stand for: an unknown critical chunk, 16-bit samples, interlacing, a
  // cut stream, no stream.
  EXPECT_TRUE(PixelChunksOf(WithChunk(ours, "ABCD", {})).empty());
  EXPECT_EQ(PixelChunksOf(WithChunk(ours, "aBCD", {})), ours);
  testing::PngPicture deep;
  deep.bit_depth = 16;
  deep.rows.assign(deep.RowBytes() * deep.height, 7);
  EXPECT_TRUE(PixelChunksOf(testing::EncodePng(deep)).empty());
  testing::PngPicture interlaced;
  interlaced.interlaced = true;
  interlaced.rows.assign(interlaced.RowBytes() * interlaced.height, 7);
  EXPECT_TRUE(PixelChunksOf(testing::EncodePng(interlaced)).empty());
  interlaced.interlaced = false;
  EXPECT_FALSE(PixelChunksOf(testing::EncodePng(interlaced)).empty());
  EXPECT_TRUE(PixelChunksOf(Bytes(ours.begin(), ours.end() - 1)).empty());
  EXPECT_TRUE(PixelChunksOf({}).empty());
}

TEST(PictureFile, ReadsByContentWithHotSpotsAndRefusesWhatItCannot) {
  const RgbaImage image = Pattern(3, 2, {0xFF0000FF, 0x80FFFFFF});
  Bytes cursor;
  ASSERT_TRUE(BuildContainerFileBytes(kCursorType, {{image, 2, 1}}, false, cursor));
  FilePicture picture;
  PictureReadResult result = ReadFilePicture(cursor, 0, picture);
  EXPECT_EQ(result.status, PictureReadStatus::kOk);
  EXPECT_EQ(result.kind, ImageKind::kCursor);
  EXPECT_EQ(picture.image, image);
  EXPECT_EQ(picture.hot_spot_x, 2);
  EXPECT_EQ(picture.hot_spot_y, 1);
  EXPECT_EQ(ReadFilePicture(cursor, 1, picture).status, PictureReadStatus::kNoSuchImage);

  const Bytes png = EncodeSmallestPng(image);
  result = ReadFilePicture(png, 0, picture);
  EXPECT_EQ(result.status, PictureReadStatus::kOk);
  EXPECT_TRUE(picture.is_png);
  EXPECT_EQ(picture.hot_spot_x, 0);
  result = ReadFilePicture(testing::PngHeaderOnly(5000, 2), 0, picture);
  EXPECT_EQ(result.status, PictureReadStatus::kWrongSize);
  EXPECT_EQ(result.width, 5000);
  EXPECT_EQ(ReadFilePicture(Bytes(png.begin(), png.end() - 20), 0, picture).status,
            PictureReadStatus::kDamaged);
  EXPECT_EQ(ReadFilePicture(Bytes{'B', 'M'}, 0, picture).status, PictureReadStatus::kUnknownKind);
  EXPECT_EQ(picture.image, image);
}

}  // namespace
}  // namespace brindlex
