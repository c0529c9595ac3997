#include "files/icon_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "files/color_depth.h"
#include "files/cursor_writer.h"
#include "files/icon_decoder.h"
#include "files/icon_reader.h"
#include "icon_test_files.h"
#include "picture.h"
#include "pixels/pixel_alpha.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::SamePixels;

// A plane of the edge whose pixel n (row by row) takes colour colors[n % size].
Surface Pattern(int edge, const std::vector<Color>& colors) {
  Surface plane(edge, edge);
  for (int n = 0; n < edge * edge; ++n)
    plane.SetPixel(n % edge, n / edge, colors[n % colors.size()]);
  return plane;
}

TEST(PalettesTest, StandardPalettesInFileOrder) {
  EXPECT_EQ(Palette2, (ColorTable2{kBlack, kWhite}));
  const ColorTable16 expected = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                 0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  EXPECT_EQ(Palette16, expected);
  EXPECT_EQ(FillStandardPalettes().palette16, expected);
}

TEST(ChooseColorDepthTest, SmallestDepthHoldingTheColors) {
  EXPECT_EQ(ChooseColorDepth(Pattern(16, {kBlack, kWhite}), true), 2);
  EXPECT_EQ(ChooseColorDepth(Surface(32, 32, kBlack), true), 2) << "transparent counts as black";
  EXPECT_EQ(ChooseColorDepth(Pattern(16, {kBlack, 0x0000FF, 0x808000}), true), 16);
  EXPECT_EQ(ChooseColorDepth(Pattern(16, {kWhite, 0x0000FE}), true), 256);
  EXPECT_EQ(ChooseColorDepth(Pattern(16, {kWhite, 0x0000FE}), false), 256);
}

// Black, white and `others` further colours none of which is standard.
Surface ManyColors(int others) {
  std::vector<Color> colors = {kBlack, kWhite};
  for (int i = 0; i < others; ++i) colors.push_back(0x010000 * (i + 1) + 0x33);
  return Pattern(48, colors);
}

TEST(ChooseColorDepthTest, LimitsOfTheEightBitDepth) {
  EXPECT_EQ(ChooseColorDepth(ManyColors(254), true), 256);
  EXPECT_EQ(ChooseColorDepth(ManyColors(255), true), -1);
  // Without black and white fixed, all 256 colours count.
  EXPECT_EQ(ChooseColorDepth(ManyColors(254), false), 256);
  EXPECT_EQ(ChooseColorDepth(ManyColors(255), false), -1);
  EXPECT_EQ(ChooseColorDepth(ManyColors(1000), true), -1);
}

TEST(BuildIconPaletteTest, BlackFirstWhiteLastOthersInOrderOfFirstUse) {
  Surface plane = testing::Picture({"#.o", "gob", "..g"});
  const ColorTable256 palette = BuildIconPalette(plane);
  EXPECT_EQ(palette[0], kBlack);
  EXPECT_EQ(palette[1], 0x0000FFu);
  EXPECT_EQ(palette[2], 0x00FF00u);
  EXPECT_EQ(palette[3], 0xFF0000u);
  EXPECT_EQ(palette[4], 0u);
  EXPECT_EQ(palette[255], kWhite);
  const ColorTable256 full = BuildIconPalette(ManyColors(300));
  EXPECT_EQ(full[254], 0x010000u * 254 + 0x33) << "entries stop at 254";
}

TEST(BytesInResourceTest, SizesOfEveryDepthAndEdge) {
  const int counts[] = {2, 16, 256, -1};
  const std::uint32_t expected[3][4] = {
      {176, 296, 1384, 872}, {304, 744, 2216, 3240}, {816, 1640, 3752, 7336}};
  const int edges[] = {16, 32, 48};
  for (int e = 0; e < 3; ++e)
    for (int c = 0; c < 4; ++c)
      EXPECT_EQ(BytesInResource(counts[c], edges[e], edges[e]), expected[e][c]) << edges[e];
}

TEST(BuildIconFileBytesTest, BlackAndWhiteSixteenByteForByte) {
  // Colour: top line white except its first pixel; mask: the last pixel of the bottom line
  // transparent.
  Surface color(16, 16, kBlack);
  for (int x = 1; x < 16; ++x) color.SetPixel(x, 0, kWhite);
  Surface mask(16, 16, kBlack);
  mask.SetPixel(15, 15, kWhite);
  Bytes expected = {0,  0,  1, 0, 1,  0,                                    // header
                    16, 16, 0, 0, 1,  0, 1, 0, 176, 0, 0, 0, 22, 0, 0, 0,   // entry
                    40, 0,  0, 0, 16, 0, 0, 0, 32,  0, 0, 0, 1,  0, 1, 0};  // header
  expected.resize(22 + 40, 0);
  expected.insert(expected.end(), {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0});  // palette
  for (int r = 0; r < 15; ++r) expected.insert(expected.end(), {0, 0, 0, 0});
  expected.insert(expected.end(), {0x7F, 0xFF, 0, 0});  // colour row of the top line
  expected.insert(expected.end(), {0x00, 0x01, 0, 0});  // mask row of the bottom line
  for (int r = 1; r < 16; ++r) expected.insert(expected.end(), {0, 0, 0, 0});
  ASSERT_EQ(expected.size(), 198u);
  Bytes written;
  ASSERT_TRUE(BuildIconFileBytes(mask, color, ChooseColorDepth(color, true), written));
  EXPECT_EQ(written, expected);
}

TEST(BuildIconFileBytesTest, PartlyTransparentPixelsAreWrittenAtThirtyTwoBitsWithTheirAlpha) {
  // 16 x 16: the bottom line holds a half-transparent red, an opaque green, a transparent and
  // an inverting pixel; every other pixel is transparent.
  Surface mask(16, 16, kWhite), color(16, 16, kBlack);
  mask.SetPixel(0, 15, kBlack);
  color.Row(15)[0] = WithAlpha(0x0000FF, 128);
  mask.SetPixel(1, 15, kBlack);
  color.SetPixel(1, 15, 0x00FF00);
  color.SetPixel(3, 15, 0x112233);
  ASSERT_EQ(ChooseColorDepth(color, true), kAlphaColorCount);
  Bytes expected = {0,  0,  1, 0, 1, 0,                                      // header
                    16, 16, 0, 0, 1, 0, 32, 0, 0x68, 4, 0, 0, 22, 0, 0, 0};  // entry: 1128 bytes
  const Bytes info = testing::BitmapHeader(16, 32, 32);
  expected.insert(expected.end(), info.begin(), info.end());
  expected.insert(expected.end(),
                  {0, 0, 0xFF, 128, 0, 0xFF, 0, 255, 0, 0, 0, 0, 0x11, 0x22, 0x33, 0});
  expected.resize(expected.size() + 12 * 4 + 15 * 16 * 4, 0);  // the rest: 0, 0, 0, 0
  expected.insert(expected.end(), {0x3F, 0xFF, 0, 0});         // bottom mask row: alpha 0 set
  for (int r = 1; r < 16; ++r) expected.insert(expected.end(), {0xFF, 0xFF, 0, 0});
  Bytes written;
  ASSERT_TRUE(BuildIconFileBytes(mask, color, kAlphaColorCount, written));
  EXPECT_EQ(written, expected);

  // A cursor of the same planes: the same image, type 2 and the hot spot in the entry.
  ASSERT_TRUE(BuildCursorFileBytes(mask, color, kAlphaColorCount, 3, 4, written));
  expected[2] = 2;
  expected[10] = 3;
  expected[12] = 4;
  EXPECT_EQ(written, expected);
}

TEST(BuildIconFileBytesTest, TrueColorThirtyTwo) {
  Surface color = ManyColors(400);
  color.Resize(32, 32);
  color.SetPixel(0, 31, 0x112233);
  color.SetPixel(1, 31, 0x445566);
  Bytes written;
  ASSERT_TRUE(BuildIconFileBytes(Surface(32, 32, kBlack), color, -1, written));
  ASSERT_EQ(written.size(), 3262u);
  EXPECT_EQ(Bytes(written.begin() + 6, written.begin() + 22),
            (Bytes{32, 32, 0, 0, 1, 0, 24, 0, 0xA8, 0x0C, 0, 0, 22, 0, 0, 0}));
  EXPECT_EQ(written[22 + 14], 24);
  // The bottom line comes first: blue, green, red.
  EXPECT_EQ(Bytes(written.begin() + 62, written.begin() + 68),
            (Bytes{0x11, 0x22, 0x33, 0x44, 0x55, 0x66}));
}

TEST(BuildIconFileBytesTest, FortyEightMaskRowsArePaddedThirtyTwoAreNot) {
  Surface mask48(48, 48, kWhite);
  Bytes written;
  ASSERT_TRUE(BuildIconFileBytes(mask48, Surface(48, 48, kBlack), 2, written));
  const std::size_t mask_at = 22 + 40 + 8 + 8 * 48;
  EXPECT_EQ(Bytes(written.begin() + mask_at, written.begin() + mask_at + 8),
            (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}));
  ASSERT_TRUE(BuildIconFileBytes(Surface(32, 32, kWhite), Surface(32, 32, kBlack), 2, written));
  const std::size_t mask32 = 22 + 40 + 8 + 4 * 32;
  EXPECT_EQ(Bytes(written.begin() + mask32, written.end()), Bytes(128, 0xFF));
}

TEST(BuildIconFileBytesTest, SixteenColorsUseTheStandardPalette) {
  Surface color = Pattern(16, {0x0000FF, 0xFF0000});  // red then blue, repeating
  Bytes written;
  ASSERT_TRUE(BuildIconFileBytes(Surface(16, 16, kBlack), color, 16, written));
  ASSERT_EQ(written.size(), 22u + 296);
  EXPECT_EQ(written[22 + 40 + 9 * 4 + 2], 0xFF) << "palette entry 9 is red";
  EXPECT_EQ(written[22 + 40 + 64], 0x9C) << "red in the high nibble, blue in the low";
  EXPECT_FALSE(BuildIconFileBytes(Surface(16, 16, kBlack), ManyColors(3), 16, written))
      << "colours that are not standard do not fit 4 bits";
}

TEST(BuildIconFileBytesTest, EightBitIndicesFollowTheIconPalette) {
  const char* rows[] = {"#.o", "gob", "..g"};
  const std::map<char, Color> legend = {
      {'.', kWhite}, {'#', kBlack}, {'o', 0x0000FF}, {'g', 0x00FF00}, {'b', 0xFF0000}};
  Surface color(16, 16, kBlack);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) color.SetPixel(x, y, legend.at(rows[y][x]));
  Bytes written;
  ASSERT_TRUE(BuildIconFileBytes(Surface(16, 16, kBlack), color, 256, written));
  ASSERT_EQ(written.size(), 22u + 1384);
  const std::size_t colors_at = 22 + 40 + 1024;
  auto index = [&](int x, int y) { return written[colors_at + (15 - y) * 16 + x]; };
  EXPECT_EQ(index(0, 0), 0);
  EXPECT_EQ(index(1, 0), 255);
  EXPECT_EQ(index(2, 0), 1);
  EXPECT_EQ(index(0, 1), 2);
  EXPECT_EQ(index(1, 1), 1);
  EXPECT_EQ(index(2, 1), 3);
  EXPECT_EQ(index(2, 2), 2);
}

// A plane of the edge needing the colour count: black and white, standard colours, 200
// other colours, or a different colour in every pixel.
Surface PlaneNeeding(int edge, int count) {
  if (count == 2) return Pattern(edge, {kBlack, kWhite, kWhite});
  if (count == 16) return Pattern(edge, {0x808000, kWhite, 0xC0C0C0, kBlack, 0xFF00FF});
  Surface plane(edge, edge);
  for (int n = 0; n < edge * edge; ++n)
    plane.SetPixel(n % edge, n / edge,
                   0x100001 + 7 * static_cast<Color>(count == 256 ? n % 200 : n));
  return plane;
}

TEST(BuildIconFileBytesTest, EveryDepthAndSizeReadsBackTheSamePlanes) {
  for (int edge : {16, 32, 48})
    for (int count : {2, 16, 256, -1}) {
      const Surface color = PlaneNeeding(edge, count);
      // Opaque, transparent and (where the colour is not black) inverting pixels.
      const Surface mask = Pattern(edge, {kBlack, kBlack, kWhite, kBlack, kWhite, kWhite, kBlack});
      ASSERT_EQ(ChooseColorDepth(color, true), count) << edge;
      Bytes written;
      ASSERT_TRUE(BuildIconFileBytes(mask, color, count, written));
      EXPECT_EQ(written.size(), 22u + BytesInResource(count, edge, edge));
      Surface mask2, color2;
      ASSERT_TRUE(DecodeIconEntry(written, 0, edge, edge, mask2, color2));
      EXPECT_TRUE(SamePixels(mask, mask2)) << edge << " " << count;
      EXPECT_TRUE(SamePixels(color, color2)) << edge << " " << count;
    }
}

TEST(BuildIconFileBytesTest, RefusesPlanesThatCannotBeWritten) {
  Bytes written = {1, 2, 3};
  EXPECT_FALSE(BuildIconFileBytes(Surface(16, 16), Surface(32, 32), 2, written));
  EXPECT_TRUE(written.empty());
  EXPECT_FALSE(BuildIconFileBytes(Surface(), Surface(), 2, written));
  EXPECT_FALSE(BuildIconFileBytes(Surface(300, 300), Surface(300, 300), 2, written));
}

TEST(WriteIconFileTest, WritesTheFileAndLeavesNothingElse) {
  testing::TempFolder folder;
  const Surface color = Pattern(16, {kBlack, kWhite});
  ASSERT_TRUE(WriteIconFile(Surface(16, 16, kBlack), color, 2, folder.File("a.ico")));
  Bytes expected;
  ASSERT_TRUE(BuildIconFileBytes(Surface(16, 16, kBlack), color, 2, expected));
  EXPECT_EQ(testing::ReadBytes(folder.File("a.ico")), expected);
  // Over an existing, longer file: exactly the new bytes.
  testing::WriteBytes(folder.File("b.ico"), Bytes(5000, 0xAB));
  ASSERT_TRUE(WriteIconFile(Surface(16, 16, kBlack), color, 2, folder.File("b.ico")));
  EXPECT_EQ(testing::ReadBytes(folder.File("b.ico")), expected);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"a.ico", "b.ico"}));
}

TEST(WriteIconFileTest, ReadOnlyTargetOrMissingFolderFailsAndKeepsTheFile) {
  testing::TempFolder folder;
  const std::string path = folder.File("ro.ico");
  testing::WriteBytes(path, Bytes{1, 2, 3});
  ::chmod(path.c_str(), 0444);
  EXPECT_FALSE(WriteIconFile(Surface(16, 16, kBlack), Surface(16, 16, kBlack), 2, path));
  EXPECT_EQ(testing::ReadBytes(path), (Bytes{1, 2, 3}));
  EXPECT_FALSE(WriteIconFile(Surface(16, 16, kBlack), Surface(16, 16, kBlack), 2,
                             folder.File("no/such/folder.ico")));
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"ro.ico"});
}

// A three-image source: 16 x 16 at 1 bit, 32 x 32 at 4 bits, 48 x 48 at 8 bits.
Bytes ThreeImageSource() {
  return testing::IconFile({testing::UniformImage(16, 1, 0x11), testing::UniformImage(32, 4, 0x22),
                            testing::UniformImage(48, 8, 0x33)});
}

MultiImageState EditedSecond() {
  MultiImageState state;
  state.SourceIndex = 1;
  state.SourceBitCount = 4;
  state.SourceWidth = state.SourceHeight = 32;
  state.FromMultiIconFile = true;
  return state;
}

TEST(ReplaceIconTest, EditedImageFirstThenTheOthersWithoutGaps) {
  const Bytes source = ThreeImageSource();
  const Surface color = Pattern(32, {0x0000FF, kWhite});
  const Surface mask(32, 32, kBlack);
  Bytes out;
  ASSERT_EQ(BuildReplacedIconFileBytes(source, mask, color, 16, EditedSecond(), out),
            ReplaceError::kNone);

  Bytes edited;
  ASSERT_TRUE(AppendIconResource(mask, color, 16, 744, edited));
  const Bytes first(source.begin() + 54, source.begin() + 54 + 176);
  const Bytes third(source.end() - 3752, source.end());
  Bytes expected = {0,  0,  1, 0, 3, 0,                                        // header
                    32, 32, 0, 0, 1, 0, 4, 0, 0xE8, 0x02, 0, 0, 54, 0, 0, 0};  // edited
  expected.insert(expected.end(), {16, 16, 0, 0, 1, 0, 1, 0, 176, 0, 0, 0});
  testing::PutU32(expected, 54 + 744);
  expected.insert(expected.end(), {48, 48, 0, 0, 1, 0, 8, 0, 0xA8, 0x0E, 0, 0});
  testing::PutU32(expected, 54 + 744 + 176);
  expected.insert(expected.end(), edited.begin(), edited.end());
  expected.insert(expected.end(), first.begin(), first.end());
  expected.insert(expected.end(), third.begin(), third.end());
  EXPECT_EQ(out, expected);
  EXPECT_EQ(ReadU32(edited.data() + 20), 744u) << "image size field holds the resource size";
}

TEST(ReplaceIconTest, SavesInPlaceWhenTheDestinationIsEmptyOrTheSource) {
  for (bool name_the_source : {false, true}) {
    testing::TempFolder folder;
    const std::string path = folder.File("multi.ico");
    testing::WriteBytes(path, ThreeImageSource());
    const Surface color = Pattern(32, {0x0000FF, kWhite});
    ASSERT_TRUE(ReplaceIconInFile(Surface(32, 32, kBlack), color, 16, path,
                                  name_the_source ? path : "", EditedSecond())
                    .Saved());
    Bytes expected;
    ASSERT_EQ(BuildReplacedIconFileBytes(ThreeImageSource(), Surface(32, 32, kBlack), color, 16,
                                         EditedSecond(), expected),
              ReplaceError::kNone);
    EXPECT_EQ(testing::ReadBytes(path), expected);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"multi.ico"});
  }
}

TEST(ReplaceIconTest, WritesADestinationAndLeavesTheSource) {
  testing::TempFolder folder;
  testing::WriteBytes(folder.File("src.ico"), ThreeImageSource());
  ASSERT_TRUE(ReplaceIconInFile(Surface(32, 32, kBlack), Surface(32, 32, kWhite), 2,
                                folder.File("src.ico"), folder.File("dst.ico"), EditedSecond())
                  .Saved());
  EXPECT_EQ(testing::ReadBytes(folder.File("src.ico")), ThreeImageSource());
  IconImageList list;
  ASSERT_TRUE(ListIconImages(testing::ReadBytes(folder.File("dst.ico")), 3, list));
  EXPECT_EQ(list.rows[0].text, "32 x 32 ... Monochrome");
  EXPECT_EQ(list.rows[1].text, "16 x 16 ... Monochrome");
  EXPECT_EQ(list.rows[2].text, "48 x 48 ... 256 Color");
}

TEST(ReplaceIconTest, DamagedSourceIsAnErrorAndNothingIsWritten) {
  const Bytes good = ThreeImageSource();
  Bytes image_past_end = good;
  image_past_end[6 + 32 + 8] = 0xFF;  // third image's size runs past the end
  Bytes directory_past_end = good;
  directory_past_end.resize(40);
  Bytes zero_count = good;
  zero_count[4] = 0;
  MultiImageState stale = EditedSecond();
  stale.SourceIndex = 3;
  MultiImageState other_size = EditedSecond();
  other_size.SourceWidth = other_size.SourceHeight = 48;
  struct Case {
    const char* what;
    Bytes source;
    MultiImageState state;
    ReplaceError error;
  } cases[] = {
      {"image past the end", image_past_end, EditedSecond(), ReplaceError::kSourceDamaged},
      {"directory past the end", directory_past_end, EditedSecond(), ReplaceError::kSourceDamaged},
      {"no images", zero_count, EditedSecond(), ReplaceError::kSourceDamaged},
      {"index past the directory", good, stale, ReplaceError::kSourceImageMissing},
      {"planes of another size", good, other_size, ReplaceError::kPlaneSizeMismatch}};
  for (const Case& c : cases) {
    testing::TempFolder folder;
    testing::WriteBytes(folder.File("src.ico"), c.source);
    EXPECT_EQ(ReplaceIconInFile(Surface(32, 32, kBlack), Surface(32, 32, kBlack), 2,
                                folder.File("src.ico"), "", c.state)
                  .error,
              c.error)
        << c.what;
    EXPECT_EQ(testing::ReadBytes(folder.File("src.ico")), c.source) << c.what;
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"src.ico"}) << c.what;
  }
}

TEST(ReplaceIconTest, FileErrorsCarryTheSystemDescription) {
  testing::TempFolder folder;
  const ReplaceResult missing =
      ReplaceIconInFile(Surface(32, 32, kBlack), Surface(32, 32, kBlack), 2,
                        folder.File("missing.ico"), "", EditedSecond());
  EXPECT_EQ(missing.error, ReplaceError::kCannotRead);
  EXPECT_EQ(missing.system_error, "No such file or directory");

  testing::WriteBytes(folder.File("src.ico"), ThreeImageSource());
  testing::WriteBytes(folder.File("ro.ico"), Bytes{9});
  ::chmod(folder.File("ro.ico").c_str(), 0444);
  const ReplaceResult locked =
      ReplaceIconInFile(Surface(32, 32, kBlack), Surface(32, 32, kBlack), 2, folder.File("src.ico"),
                        folder.File("ro.ico"), EditedSecond());
  EXPECT_EQ(locked.error, ReplaceError::kCannotWrite);
  EXPECT_EQ(locked.system_error, "Permission denied");
  EXPECT_EQ(testing::ReadBytes(folder.File("ro.ico")), Bytes{9});
}

}  // namespace
}  // namespace brindlex
