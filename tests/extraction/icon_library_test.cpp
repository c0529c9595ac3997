// The icons of programs, libraries, icon libraries and animated cursors: recognition by
// content, the order of the group icons, the large-icon choice, the 32 x 32 result and
// damaged files.
#include "extraction/icon_library.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>

#include "extraction/icon_group_file.h"
#include "extraction/icon_library_group.h"
#include "extraction/library_test_files.h"
#include "files/icon_test_files.h"
#include "picture.h"
#include "pixels/pixel_alpha.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::LibraryGroup;
using testing::SolidImage;
using testing::StoredImage;

constexpr Color kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

Surface Solid(Color c) { return Surface(32, 32, c); }

// Loads icon `icon` of the bytes; fails the test when it cannot.
void ExpectIcon(const Bytes& bytes, int icon, const Surface& mask, const Surface& color) {
  IconLibrary library;
  library.Open(bytes);
  Surface m, c;
  ASSERT_TRUE(library.LoadIcon(icon, m, c)) << "icon " << icon;
  EXPECT_TRUE(testing::SamePixels(mask, m));
  EXPECT_TRUE(testing::SamePixels(color, c));
}

int Count(const Bytes& bytes) {
  IconLibrary library;
  library.Open(bytes);
  return library.IconCount();
}

TEST(LargeIconChoice, ExactSizeDeepestThenNearestLargerDeeperEarlier) {
  using C = IconCandidate;
  // 32 x 32 wins over everything, the deepest of them first.
  EXPECT_EQ(ChooseLargeIcon({{16, 16, 32}, {32, 32, 4}, {32, 32, 24}, {32, 32, 8}, {48, 48, 32}}),
            2);
  EXPECT_EQ(ChooseLargeIcon({{32, 32, 1}, {32, 32, 32}, {32, 32, 24}}), 1);
  // No 32 x 32: the nearest; 16 and 48 are both 32 away, the larger wins.
  EXPECT_EQ(ChooseLargeIcon({{16, 16, 32}, {48, 48, 4}}), 1);
  EXPECT_EQ(ChooseLargeIcon({{16, 16, 8}, {24, 24, 1}, {64, 64, 32}}), 1);
  // Equal distance and area: the deeper, then the earlier.
  EXPECT_EQ(ChooseLargeIcon({C{48, 48, 4}, C{48, 48, 8}, C{16, 16, 32}}), 1);
  EXPECT_EQ(ChooseLargeIcon({C{48, 48, 8}, C{48, 48, 8}}), 0);
  // A stored 0 means 256: far from 32.
  EXPECT_EQ(ChooseLargeIcon({C{256, 256, 32}, C{16, 16, 1}}), 1);
  EXPECT_EQ(ChooseLargeIcon({}), -1);
}

TEST(IconLibrary, PeGroupsCountNamedFirstThenNumberedAsStoredInBothWidths) {
  for (const bool wide : {false, true}) {
    SCOPED_TRACE(wide ? "PE32+" : "PE32");
    const Bytes pe = testing::PeLibrary({{"ZETA", 0, {SolidImage(32, kRed)}},
                                         {"", 2, {SolidImage(32, kGreen)}},
                                         {"", 9, {SolidImage(32, kBlue)}}},
                                        wide)
                         .bytes;
    IconLibrary library;
    library.Open(pe);
    EXPECT_EQ(library.Kind(), IconLibraryKind::kPe);
    EXPECT_EQ(library.IconCount(), 3);
    ExpectIcon(pe, 0, Solid(kBlack), Solid(kRed));
    ExpectIcon(pe, 1, Solid(kBlack), Solid(kGreen));
    ExpectIcon(pe, 2, Solid(kBlack), Solid(kBlue));
    Surface m, c;
    EXPECT_FALSE(library.LoadIcon(3, m, c));
    EXPECT_FALSE(library.LoadIcon(-1, m, c));
  }
}

TEST(IconLibrary, TheLargeImageIsChosenAndScaledByNearestNeighbour) {
  // A group of 16 x 16 (red) and 48 x 48 (black, 8 bits): the 48 wins and is scaled down.
  // Target column x samples source column x * 48 / 32: 0, 1, 3, 4, 6, ...
  StoredImage big = testing::UniformImage(48, 8, 0, 0);
  const std::size_t top_colors = 40 + 1024 + 47 * 48;  // file row 47 is the top line
  const std::size_t top_mask = 40 + 1024 + 48 * 48 + 47 * 8;
  big.resource[top_colors + 1] = 200;  // source (1, 0): palette entry 200, grey 200
  big.resource[top_mask] = 0x20;       // source (2, 0) transparent: never sampled
  const Bytes pe = testing::PeLibrary({{"", 1, {SolidImage(16, kRed), big}}}, true).bytes;
  Surface mask = Solid(kBlack), color = Solid(kBlack);
  color.SetPixel(1, 0, 0xC8C8C8);
  ExpectIcon(pe, 0, mask, color);
  big.resource[top_mask] = 0x10;  // source (3, 0) transparent: target (2, 0) shows it
  const Bytes pe2 = testing::PeLibrary({{"", 1, {SolidImage(16, kRed), big}}}, false).bytes;
  mask.SetPixel(2, 0, kWhite);
  ExpectIcon(pe2, 0, mask, color);

  // A 16 x 16 icon alone is doubled: each pixel becomes a 2 x 2 block.
  StoredImage small = SolidImage(16, kGreen);
  small.resource[40 + 15 * 48] = 0xFF;  // top-left pixel: blue 255, green 255, red 0
  const Bytes pe3 = testing::PeLibrary({{"", 1, {small}}}, true).bytes;
  Surface doubled = Solid(kGreen);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) doubled.SetPixel(x, y, 0xFFFF00);
  ExpectIcon(pe3, 0, Solid(kBlack), doubled);
}

TEST(IconLibrary, AnImageOfAnySizeOrShapeIsScaledTo32) {
  // The only image of the group is 194 x 313, though its group entry claims 256 x 256 (size
  // bytes 0); source pixel (x, y) is red x, green and blue the line number.
  auto source = [](int x, int y) { return Color(x) | Color(y & 0xFF) << 8 | Color(y >> 8) << 16; };
  Bytes rgba;
  for (int y = 0; y < 313; ++y)
    for (int x = 0; x < 194; ++x)
      rgba.insert(rgba.end(), {std::uint8_t(x), std::uint8_t(y), std::uint8_t(y >> 8), 255});
  StoredImage png;
  png.resource = testing::PngRgba(194, 313, rgba);
  png.width = png.height = 0;
  png.bit_count = 32;
  const Bytes pe = testing::PeLibrary({{"", 1, {png}}}, true).bytes;
  Surface color(32, 32, kBlack);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) color.SetPixel(x, y, source(x * 194 / 32, y * 313 / 32));
  EXPECT_EQ(Count(pe), 1);
  ExpectIcon(pe, 0, Solid(kBlack), color);
}

TEST(IconLibrary, PngAnd32BitImagesKeepTheirPartlyTransparentPixels) {
  Bytes rgba;
  for (int i = 0; i < 32 * 32; ++i) {
    // Left half opaque red, then partly transparent red, then wholly transparent columns.
    const int x = i % 32;
    rgba.insert(rgba.end(), {0xFF, 0x00, 0x00, std::uint8_t(x < 16 ? 255 : x < 24 ? 100 : 0)});
  }
  StoredImage png;
  png.resource = testing::PngRgba(32, 32, rgba);
  png.width = png.height = 32;
  png.bit_count = 32;
  const Bytes pe = testing::PeLibrary({{"", 1, {SolidImage(32, kBlue), png}}}, true).bytes;
  Surface mask = Solid(kWhite), color = Solid(kBlack);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 24; ++x)
      mask.SetPixel(x, y, kBlack), color.Row(y)[x] = x < 16 ? kRed : WithAlpha(kRed, 100);
  ExpectIcon(pe, 0, mask, color);  // the 32-bit PNG is deeper than the 24-bit image
}

TEST(IconLibrary, ACursorGivesTheHotSpotOfItsLargeImageOnThe32PixelPicture) {
  // A cursor container: the entry's planes and bit count fields hold the hot spot.
  auto cursor = [](std::vector<StoredImage> images, std::vector<std::pair<int, int>> spots) {
    Bytes file = testing::IconFile(images, 2);
    for (std::size_t i = 0; i < spots.size(); ++i) {
      testing::PutAt(file, 6 + 16 * i + 4, spots[i].first, 2);
      testing::PutAt(file, 6 + 16 * i + 6, spots[i].second, 2);
    }
    return file;
  };
  auto hot_spot = [](const Bytes& bytes, int index) {
    IconLibrary library;
    library.Open(bytes);
    CursorHotSpot spot{-1, -1};
    return library.LoadHotSpot(index, spot) ? spot : CursorHotSpot{-1, -1};
  };
  // The 32-pixel image is the one drawn; its hot spot stands as stored.
  const Bytes two = cursor({SolidImage(16, kRed), SolidImage(32, kGreen)}, {{3, 4}, {5, 9}});
  EXPECT_EQ(hot_spot(two, 0), (CursorHotSpot{5, 9}));
  // A 48-pixel image is drawn smaller: the first picture pixel showing the stored one.
  const Bytes large = cursor({SolidImage(48, kRed)}, {{47, 24}});
  EXPECT_EQ(hot_spot(large, 0), (CursorHotSpot{31, 16}));
  // An animated cursor's frames (in the file's order, whatever the steps) each take their own.
  const Bytes ani = testing::AniFile(
      {cursor({SolidImage(32, kRed)}, {{1, 2}}), cursor({SolidImage(32, kBlue)}, {{30, 31}})},
      {1, 0}, 2);
  EXPECT_EQ(hot_spot(ani, 0), (CursorHotSpot{1, 2}));
  EXPECT_EQ(hot_spot(ani, 1), (CursorHotSpot{30, 31}));
  EXPECT_EQ(hot_spot(ani, 2), (CursorHotSpot{-1, -1}));
  // Icons have none.
  EXPECT_EQ(hot_spot(testing::IconFile({SolidImage(32, kRed)}), 0), (CursorHotSpot{-1, -1}));
  const Bytes pe = testing::PeLibrary({{"", 1, {SolidImage(32, kBlue)}}}, true).bytes;
  EXPECT_EQ(hot_spot(pe, 0), (CursorHotSpot{-1, -1}));
}

TEST(IconLibrary, NeGroupsInTableOrderWithTheAlignmentShift) {
  for (const int shift : {0, 4, 9}) {
    SCOPED_TRACE(shift);
    const testing::NeBuild ne = testing::NeLibrary(
        {{"", 0, {SolidImage(16, kRed), SolidImage(32, kGreen)}}, {"", 0, {SolidImage(48, kBlue)}}},
        shift);
    IconLibrary library;
    library.Open(ne.bytes);
    EXPECT_EQ(library.Kind(), IconLibraryKind::kNe);
    EXPECT_EQ(library.IconCount(), 2);
    ExpectIcon(ne.bytes, 0, Solid(kBlack), Solid(kGreen));
    ExpectIcon(ne.bytes, 1, Solid(kBlack), Solid(kBlue));
  }
}

// Bytes in memory that remember the furthest byte any read reached, and count the reads.
class RecordingBytes : public MemoryLibraryBytes {
 public:
  using MemoryLibraryBytes::MemoryLibraryBytes;
  bool Read(std::uint64_t offset, std::size_t length, std::uint8_t* out) override {
    if (length > 0) read_end = std::max(read_end, offset + length);
    ++reads;
    return MemoryLibraryBytes::Read(offset, length, out);
  }
  std::uint64_t read_end = 0;
  int reads = 0;
};

TEST(IconLibrary, ImagesAreFoundByNumberWhateverTheirOrderAndLookedUpOnce) {
  const std::vector<LibraryGroup> groups = {{"", 1, {SolidImage(32, kRed)}},
                                            {"", 2, {SolidImage(32, kGreen)}},
                                            {"", 3, {SolidImage(32, kBlue)}}};
  // The image directory stored in reverse: images 3, 2, 1.
  const testing::PeBuild pe = testing::PeLibrary(groups, false);
  Bytes reversed = pe.bytes;
  for (int i = 0; i < 3; ++i)
    std::copy_n(pe.bytes.begin() + pe.icon_type + 16 + 8 * (2 - i), 8,
                reversed.begin() + pe.icon_type + 16 + 8 * i);
  ExpectIcon(reversed, 0, Solid(kBlack), Solid(kRed));
  ExpectIcon(reversed, 2, Solid(kBlack), Solid(kBlue));
  // Two entries numbered 1: the first stored is taken, and image 2 is gone.
  Bytes twice = pe.bytes;
  testing::PutAt(twice, pe.icon_type + 16 + 8, 1, 4);
  ExpectIcon(twice, 0, Solid(kBlack), Solid(kRed));
  Surface m, c;
  IconLibrary library;
  library.Open(twice);
  EXPECT_FALSE(library.LoadIcon(1, m, c));
  // A 16-bit table numbering its images 3, 2, 1 in table order.
  const testing::NeBuild ne = testing::NeLibrary(groups);
  Bytes renumbered = ne.bytes;
  for (int i = 0; i < 3; ++i)
    testing::PutAt(renumbered, ne.table + 2 + 8 + 12 * i + 6, 0x8003 - i, 2);
  ExpectIcon(renumbered, 0, Solid(kBlack), Solid(kBlue));
  ExpectIcon(renumbered, 2, Solid(kBlack), Solid(kRed));

  // A group of 50 images made into an icon file twice (as by groups sharing one directory):
  // the second time, each image costs the one read of its bytes, and no directory is read
  // again but the group's own.
  const std::vector<StoredImage> images(50, SolidImage(16, kGreen));
  const Bytes library_bytes = testing::PeLibrary({{"", 1, images}}, true).bytes;
  RecordingBytes bytes(library_bytes);
  PeResources resources;
  ASSERT_TRUE(resources.Read(bytes));
  IconGroupFile first, second;
  ASSERT_TRUE(BuildIconGroupFile(bytes, resources, 0, first));
  bytes.reads = 0;
  ASSERT_TRUE(BuildIconGroupFile(bytes, resources, 0, second));
  EXPECT_EQ(second.bytes, first.bytes);
  EXPECT_EQ(bytes.reads, 1 + 50);
}

TEST(IconLibrary, TheNeResourceTableEndsWhereTheResidentNameTableBegins) {
  // One group; the data is aligned to 512 bytes, so the table is followed by free space.
  const testing::NeBuild ne = testing::NeLibrary({{"", 0, {SolidImage(32, kRed)}}}, 9);
  // Table: shift, the image type with its one entry, the group type with its one entry,
  // then the terminating 0, which this file lacks: its resident-name table starts there.
  const std::size_t group_entry = ne.table + 2 + 8 + 12 + 8;
  const std::size_t table_end = group_entry + 12;
  Bytes b = ne.bytes;
  testing::PutAt(b, 0x40 + 0x26, table_end - 0x40, 2);
  // Past the end lie bytes that read as one more group type naming the same group.
  testing::PutAt(b, table_end, 0x800E, 2);
  testing::PutAt(b, table_end + 2, 1, 2);
  std::copy_n(b.begin() + group_entry, 12, b.begin() + table_end + 8);
  RecordingBytes bytes(b);
  NeResources resources;
  ASSERT_TRUE(resources.Read(bytes));
  EXPECT_EQ(resources.Groups().size(), 1u);
  EXPECT_LE(bytes.read_end, table_end);
  // A resident-name table that does not follow the resource table leaves no resources.
  testing::PutAt(b, 0x40 + 0x26, ne.table - 0x40, 2);
  EXPECT_EQ(Count(b), 0);
}

Bytes OneImageIcon(const StoredImage& image, std::uint16_t type = 1) {
  return testing::IconFile({image}, type);
}

TEST(IconLibrary, AnimatedCursorsHoldTheirFramesWhateverTheSequence) {
  const std::vector<Bytes> frames = {OneImageIcon(SolidImage(32, kRed), 2),
                                     OneImageIcon(SolidImage(32, kGreen), 1),
                                     OneImageIcon(SolidImage(16, kBlue), 2)};
  // The sequence (steps 0..4 showing frames 2, 0, 0, 1, 2, or naming a missing frame) and
  // the header's claim of 40 frames change nothing: icon n is frame n.
  for (const Bytes& ani :
       {testing::AniFile(frames, {2, 0, 0, 1, 2}, 3), testing::AniFile(frames, {}, 40),
        testing::AniFile(frames, {0, 1, 7, 2}, 3)}) {
    IconLibrary library;
    library.Open(ani);
    EXPECT_EQ(library.Kind(), IconLibraryKind::kAnimatedCursor);
    EXPECT_EQ(library.IconCount(), 3);
    ExpectIcon(ani, 0, Solid(kBlack), Solid(kRed));
    ExpectIcon(ani, 1, Solid(kBlack), Solid(kGreen));
    ExpectIcon(ani, 2, Solid(kBlack), Solid(kBlue));
  }
  // Counting reads no frame: a damaged frame still counts, and fails only when loaded.
  std::vector<Bytes> damaged = frames;
  damaged[1].resize(60);  // the image is cut short
  const Bytes broken = testing::AniFile(damaged, {}, 3);
  IconLibrary library;
  library.Open(broken);
  EXPECT_EQ(library.IconCount(), 3);
  Surface m, c;
  EXPECT_FALSE(library.LoadIcon(1, m, c));
  ExpectIcon(broken, 2, Solid(kBlack), Solid(kBlue));
  // No frame at all: no icon.
  library.Open(testing::AniFile({}, {0}, 3));
  EXPECT_EQ(library.Kind(), IconLibraryKind::kAnimatedCursor);
  EXPECT_EQ(library.IconCount(), 0);
}

TEST(IconLibrary, IconFilesCountAsOneIconAndOtherBytesAsNone) {
  const Bytes ico = testing::IconFile({SolidImage(16, kRed), SolidImage(32, kGreen)});
  IconLibrary library;
  library.Open(ico);
  EXPECT_EQ(library.Kind(), IconLibraryKind::kIconFile);
  EXPECT_EQ(library.IconCount(), 1);
  ExpectIcon(ico, 0, Solid(kBlack), Solid(kGreen));
  // A cursor file: its entries hold the hot spot, the depth comes from the image.
  const Bytes cur = testing::IconFile({SolidImage(48, kBlue)}, 2);
  ExpectIcon(cur, 0, Solid(kBlack), Solid(kBlue));
  for (const Bytes& other : {Bytes{}, Bytes{'M', 'Z'}, Bytes(200, 0x41), Bytes{0, 0, 3, 0, 1, 0}}) {
    library.Open(other);
    EXPECT_EQ(library.Kind(), IconLibraryKind::kNone);
    EXPECT_EQ(library.IconCount(), 0);
  }
}

TEST(IconLibrary, FilesOnDiskReadThroughPagesAndFoldersHoldNone) {
  testing::TempFolder folder;
  // Big enough that its directory and data span many 4 KiB pages.
  const Bytes pe = testing::NumberedPeLibrary(70, [](int k) { return 0x010203u * k; });
  testing::WriteBytes(folder.File("lib.dll"), pe);
  IconLibrary library;
  ASSERT_TRUE(library.Open(folder.File("lib.dll")));
  EXPECT_EQ(library.IconCount(), 70);
  Surface m, c;
  ASSERT_TRUE(library.LoadIcon(69, m, c));
  EXPECT_TRUE(testing::SamePixels(Solid(0x010203u * 69), c));
  std::string error;
  EXPECT_FALSE(library.Open(folder.Path(), &error));
  EXPECT_EQ(error, "Is a directory");
  EXPECT_EQ(library.IconCount(), 0);
  EXPECT_FALSE(library.Open(folder.File("none.dll")));
  // A named pipe is refused at once rather than waited on.
  ASSERT_EQ(::mkfifo(folder.File("pipe.dll").c_str(), 0600), 0);
  EXPECT_FALSE(library.Open(folder.File("pipe.dll"), &error));
  EXPECT_EQ(error, "Not a regular file");
  testing::WriteBytes(folder.File("empty.dll"), {});
  EXPECT_TRUE(library.Open(folder.File("empty.dll")));
  EXPECT_EQ(library.IconCount(), 0);
}

TEST(IconLibrary, DamagedPeFilesHaveFewerIconsNeverACrash) {
  const testing::PeBuild build = testing::PeLibrary(
      {{"", 1, {SolidImage(32, kRed)}}, {"", 2, {SolidImage(16, kGreen)}}}, false);
  auto damaged = [&](auto change) {
    Bytes b = build.bytes;
    change(b);
    return b;
  };
  using testing::PutAt;
  // No resources at all.
  EXPECT_EQ(Count(damaged([&](Bytes& b) { PutAt(b, build.resource_directory, 0, 8); })), 0);
  // The root outside the file, or outside every section.
  EXPECT_EQ(Count(damaged([&](Bytes& b) { PutAt(b, build.resource_directory, 0x7FFFFFF0, 4); })),
            0);
  // A group whose language points back to the root: the walk never loops, the group is
  // dropped; the other one stays.
  const Bytes loop =
      damaged([&](Bytes& b) { PutAt(b, build.group_type + 16 + 4, 0x80000000u, 4); });
  EXPECT_EQ(Count(loop), 1);
  ExpectIcon(loop, 0, Solid(kBlack), ScaleNearest(Surface(16, 16, kGreen), 32));
  // The group directory claims 65535 + 65535 entries: they do not fit, no groups.
  EXPECT_EQ(Count(damaged([&](Bytes& b) { PutAt(b, build.group_type + 12, 0xFFFFFFFFu, 4); })), 0);
  // A group naming a missing image: counted, but it cannot be drawn.
  const Bytes missing = damaged([&](Bytes& b) { PutAt(b, build.icon_type + 16, 77, 4); });
  EXPECT_EQ(Count(missing), 2);
  IconLibrary library;
  library.Open(missing);
  Surface m, c;
  EXPECT_FALSE(library.LoadIcon(0, m, c));
  EXPECT_TRUE(library.LoadIcon(1, m, c));
  // The section claims more raw data than the file has: reads past the end are refused.
  EXPECT_EQ(Count(damaged([&](Bytes& b) { PutAt(b, build.section_table + 20, 0x7FFF0000, 4); })),
            0);
  // Every truncation of the file: no crash, never more icons than the whole file.
  const auto start = std::chrono::steady_clock::now();
  for (std::size_t n = 0; n <= build.bytes.size(); n += 3) {
    const Bytes cut(build.bytes.begin(), build.bytes.begin() + n);
    IconLibrary cut_library;
    cut_library.Open(cut);
    EXPECT_LE(cut_library.IconCount(), 2);
    for (int i = 0; i < cut_library.IconCount(); ++i) cut_library.LoadIcon(i, m, c);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST(IconLibrary, DamagedNeAndAnimatedCursorsEndTheirListsWhereTheyBreak) {
  const testing::NeBuild ne =
      testing::NeLibrary({{"", 0, {SolidImage(32, kRed)}}, {"", 0, {SolidImage(32, kGreen)}}});
  Bytes b = ne.bytes;
  testing::PutAt(b, ne.table, 40, 2);  // an alignment shift no file can use
  EXPECT_EQ(Count(b), 0);
  b = ne.bytes;
  // The image type claims 65535 entries: the table ends there, before the groups.
  testing::PutAt(b, ne.table + 4, 0xFFFF, 2);
  EXPECT_EQ(Count(b), 0);
  for (std::size_t n = 0; n <= ne.bytes.size(); ++n) {
    const Bytes cut(ne.bytes.begin(), ne.bytes.begin() + n);
    EXPECT_LE(Count(cut), 2);
  }
  const Bytes ani = testing::AniFile({OneImageIcon(SolidImage(32, kRed))}, {0, 0}, 1);
  for (std::size_t n = 0; n <= ani.size(); ++n)
    EXPECT_LE(Count(Bytes(ani.begin(), ani.begin() + n)), 1);
  // A chunk size that lies (far past the end) ends the walk without reading it.
  Bytes lying = ani;
  testing::PutAt(lying, 16, 0xFFFFFFF0u, 4);
  EXPECT_EQ(Count(lying), 0);
}

// A 32-bit image stored without mask rows, followed by another image: the extraction takes
// its transparency from alpha and never reads the next image's bytes as a mask.
TEST(IconLibrary, AThirtyTwoBitImageWithoutMaskRowsIsWhollyOpaque) {
  const Bytes file = testing::IconFile(
      {testing::ThirtyTwoBit(0xFF, 0, false, 32), testing::UniformImage(16, 1, 0xFF, 0xFF)});
  IconLibrary library;
  library.Open(file);
  Surface mask, color;
  ASSERT_TRUE(library.LoadIcon(0, mask, color));
  EXPECT_TRUE(testing::SamePixels(Surface(32, 32, kBlack), mask));
  EXPECT_TRUE(testing::SamePixels(Surface(32, 32, 0x302010), color));
}

}  // namespace
}  // namespace brindlex
