#include "cli/icon_tool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <regex>
#include <sstream>

#include "cli/tool_run.h"
#include "cli/tool_support.h"
#include "files/color_depth.h"
#include "files/icon_container.h"
#include "files/icon_test_files.h"
#include "files/icon_writer.h"
#include "files/picture_file.h"
#include "picture.h"

namespace brindlex {
namespace {

using testing::Bytes;

using testing::FileLine;
using testing::Tool;
using testing::ToolRun;

class IconToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Image 0: 16 x 16 at 1 bit; image 1: 32 x 32 at 4 bits whose pixel (0, 0) is white on
    // white (inverting white) and pixel (1, 0) opaque red; image 2: 64 x 64 at 32 bits.
    testing::StoredImage second = testing::UniformImage(32, 4, 0x00, 0x00);
    Bytes& r = second.resource;
    r[40 + 15 * 4] = r[40 + 15 * 4 + 1] = r[40 + 15 * 4 + 2] = 0xFF;  // entry 15 white
    r[40 + 9 * 4] = r[40 + 9 * 4 + 1] = 0, r[40 + 9 * 4 + 2] = 0xFF;  // entry 9 red
    r[40 + 64 + 31 * 16] = 0xF9;                                      // top line: white, red
    r[40 + 64 + 16 * 32 + 31 * 4] = 0x80;  // top line mask: first pixel set
    testing::WriteBytes(
        folder_.File("multi.ico"),
        testing::IconFile({testing::UniformImage(16, 1), second, testing::UniformImage(64, 32)}));
    testing::WriteBytes(folder_.File("text.txt"), Bytes{'h', 'e', 'l', 'l', 'o'});
  }
  testing::TempFolder folder_;
};

TEST_F(IconToolTest, ListPrintsTheRowsOfTheImageList) {
  const ToolRun run = Tool({"list", folder_.File("multi.ico")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "16 x 16 ... Monochrome, 1-bit, colour count 0, 176 bytes\n"
            "32 x 32 ... 16 Color, 4-bit, colour count 0, 744 bytes\n"
            "64 x 64 ... True Color, 32-bit, colour count 0, 16936 bytes\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(IconToolTest, ListOfSeveralFilesNamesEachAndFailsForNonIcons) {
  const ToolRun run = Tool({"list", folder_.File("multi.ico"), folder_.File("text.txt")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(
      run.out.substr(0, run.out.find('\n')),
      folder_.File("multi.ico") + ": 16 x 16 ... Monochrome, 1-bit, colour count 0, 176 bytes");
  EXPECT_EQ(run.err, FileLine(folder_.File("text.txt"), "not an icon, cursor or PNG file"));
  const ToolRun missing = Tool({"list", folder_.File("none.ico")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err,
            FileLine(folder_.File("none.ico"), "cannot read: No such file or directory"));
}

// The planes of image 1 of multi.ico: opaque black, red at (1, 0) and white on white, an
// inverting pixel, at (0, 0).
void SecondImagePlanes(Surface& mask, Surface& color) {
  mask = Surface(32, 32, kBlack);
  color = Surface(32, 32, kBlack);
  mask.SetPixel(0, 0, kWhite);
  color.SetPixel(0, 0, kWhite);
  color.SetPixel(1, 0, 0x0000FF);
}

TEST_F(IconToolTest, ConvertKeepsEveryPixelAsStoredAtTheSmallestDepth) {
  const std::string out = folder_.File("out.ico");
  const ToolRun run = Tool({"convert", folder_.File("multi.ico") + ":1", out});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  // The inverting white pixel stays inverting (the editor's open makes it opaque black).
  Surface mask, color;
  SecondImagePlanes(mask, color);
  Bytes expected;
  ASSERT_TRUE(BuildIconFileBytes(mask, color, 16, expected));
  EXPECT_EQ(testing::ReadBytes(out), expected);

  ASSERT_EQ(Tool({"convert", folder_.File("multi.ico"), out}).status, 0);
  EXPECT_EQ(testing::ReadBytes(out).size(), 198u) << "image 0 by default, one bit";
}

TEST_F(IconToolTest, ConvertIntoTheFileItCameFromKeepsEveryImage) {
  // What the editor's Save writes after opening image 1: the image first, then the others;
  // its inverting pixel kept.
  const Bytes source = testing::ReadBytes(folder_.File("multi.ico"));
  Surface mask, color;
  SecondImagePlanes(mask, color);
  MultiImageState state;
  state.SourceIndex = 1;
  state.SourceWidth = state.SourceHeight = 32;
  Bytes expected;
  ASSERT_EQ(BuildReplacedIconFileBytes(source, mask, color, 16, state, expected),
            ReplaceError::kNone);

  // The same file under its own name, through a symbolic link and through another hard link.
  const std::string copy = folder_.File("copy.ico"), link = folder_.File("link.ico"),
                    other = folder_.File("other.ico");
  const std::vector<std::pair<std::string, std::string>> same_file = {
      {copy, copy}, {link, copy}, {copy, other}};
  for (const auto& [input, output] : same_file) {
    std::filesystem::remove(copy), std::filesystem::remove(link), std::filesystem::remove(other);
    testing::WriteBytes(copy, source);
    std::filesystem::create_symlink(copy, link);
    std::filesystem::create_hard_link(copy, other);
    const ToolRun run = Tool({"convert", input + ":1", output});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(testing::ReadBytes(output), expected) << input << " into " << output;
    EXPECT_TRUE(std::filesystem::is_symlink(link));
  }
  EXPECT_EQ(Tool({"list", other}).out,
            "32 x 32 ... 16 Color, 4-bit, colour count 0, 744 bytes\n"
            "16 x 16 ... Monochrome, 1-bit, colour count 0, 176 bytes\n"
            "64 x 64 ... True Color, 32-bit, colour count 0, 16936 bytes\n");

  // A source whose third image runs past its end opens at image 0 but is not saved back
  // into: the editor's text, on one line, and the file as it was.
  Bytes damaged = source;
  damaged[6 + 32 + 8 + 3] = 0x7F;
  testing::WriteBytes(copy, damaged);
  const ToolRun refused = Tool({"convert", copy, copy});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, FileLine(copy,
                                  "The icon file to save into is damaged: its directory or an "
                                  "image lies outside the file."));
  EXPECT_EQ(testing::ReadBytes(copy), damaged);
}

TEST_F(IconToolTest, ConvertTakesImagesOfEverySizeAndReportsThoseThatAreNotThere) {
  const std::string multi = folder_.File("multi.ico"), out = folder_.File("out.ico");
  // A 64 x 64 image the editor does not open converts whole, at its smallest entry.
  ToolRun run = Tool({"convert", multi + ":2", out});
  ASSERT_EQ(run.status, 0) << run.err;
  FilePicture source, written;
  ASSERT_EQ(ReadFilePicture(testing::ReadBytes(multi), 2, source).status, PictureReadStatus::kOk);
  ASSERT_EQ(ReadFilePicture(testing::ReadBytes(out), 0, written).status, PictureReadStatus::kOk);
  EXPECT_EQ(written.image, source.image);
  EXPECT_EQ(Tool({"list", out}).out, "64 x 64 ... Monochrome, 1-bit, colour count 0, 1072 bytes\n");
  // Back into the file it comes from: the image first at its smallest entry, the others
  // behind it byte for byte. A PNG picture over that file is refused.
  const Bytes before = testing::ReadBytes(multi);
  run = Tool({"convert", multi + ":2", multi + ".png"});
  ASSERT_EQ(run.status, 0) << run.err;
  std::filesystem::rename(multi + ".png", folder_.File("picture.ico"));
  run = Tool({"convert", folder_.File("picture.ico"), folder_.File("picture.ico")});
  EXPECT_EQ(run.status, 0) << "one image over itself";
  run = Tool({"convert", multi + ":2", multi});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Tool({"list", multi}).out,
            "64 x 64 ... Monochrome, 1-bit, colour count 0, 1072 bytes\n"
            "16 x 16 ... Monochrome, 1-bit, colour count 0, 176 bytes\n"
            "32 x 32 ... 16 Color, 4-bit, colour count 0, 744 bytes\n");
  const Bytes after = testing::ReadBytes(multi);
  IconContainer old_images, new_images;
  ASSERT_TRUE(ReadIconContainer(before, old_images));
  ASSERT_TRUE(ReadIconContainer(after, new_images));
  for (int i = 0; i < 2; ++i) {
    const auto kept = ContainerEntryBytes(before, old_images.entries[i]);
    const auto moved = ContainerEntryBytes(after, new_images.entries[i + 1]);
    EXPECT_TRUE(std::equal(kept.begin(), kept.end(), moved.begin(), moved.end())) << i;
  }
  ASSERT_EQ(ReadFilePicture(after, 0, written).status, PictureReadStatus::kOk);
  EXPECT_EQ(written.image, source.image);
  testing::WriteBytes(multi, before);
  run = Tool({"convert", multi + ":2", multi, "--png"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string copy = folder_.File("copy.png");
  std::filesystem::copy_file(multi, copy);
  EXPECT_EQ(Tool({"convert", copy + ":1", copy}).err,
            FileLine(copy,
                     "is the file the image comes from, which holds 3 images; name another "
                     "output file"));
  testing::WriteBytes(multi, before);
  std::filesystem::remove(copy);
  std::filesystem::remove(folder_.File("picture.ico"));

  // One line: the program, the file, the reason; no window title, no line breaks.
  run = Tool({"convert", folder_.File("multi.ico") + ":3", out});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            FileLine(folder_.File("multi.ico"), "there is no image 3 (the file holds 3 images)"));
  // However long the number, and the whole argument is not taken for a missing file name.
  run = Tool({"convert", folder_.File("multi.ico") + ":123456789012345678901", out});
  EXPECT_EQ(run.err, FileLine(folder_.File("multi.ico"),
                              "there is no image 123456789012345678901 (the file holds 3 images)"));
  std::filesystem::remove(out);
  run = Tool({"convert", folder_.File("text.txt"), out});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, FileLine(folder_.File("text.txt"), "not an icon, cursor or PNG file"));
  EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"multi.ico", "text.txt"}));
}

TEST_F(IconToolTest, UsageErrorsAndHelp) {
  EXPECT_EQ(Tool({}).status, 2);
  EXPECT_EQ(Tool({"frobnicate"}).status, 2);
  EXPECT_EQ(Tool({"list"}).status, 2);
  EXPECT_EQ(Tool({"convert", "a.ico"}).status, 2);
  const ToolRun gif = Tool({"convert", folder_.File("multi.ico"), folder_.File("x.gif")});
  EXPECT_EQ(gif.status, 2);
  EXPECT_NE(gif.err.find("Try 'brindlex-tool --help'"), std::string::npos);
  const ToolRun help = Tool({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: brindlex-tool", 0), 0u);
}

TEST_F(IconToolTest, A256PixelImageIsListedAndConvertedAndOneWithoutASizeIsRefused) {
  testing::StoredImage png;
  png.resource = testing::PngRgba(256, 256, Bytes(256 * 256 * 4, 0xFF));
  png.width = png.height = 0;  // 0 stands for 256
  const std::string big = folder_.File("big.ico");
  testing::WriteBytes(big, testing::IconFile({png}));
  const ToolRun list = Tool({"list", big});
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.out, "256 x 256 ... True Color, PNG, colour count 0, " +
                          std::to_string(png.resource.size()) + " bytes\n");
  EXPECT_EQ(list.err, "");
  const ToolRun convert = Tool({"convert", big, folder_.File("out.ico")});
  EXPECT_EQ(convert.status, 0);
  FilePicture written;
  ASSERT_EQ(ReadFilePicture(testing::ReadBytes(folder_.File("out.ico")), 0, written).status,
            PictureReadStatus::kOk);
  EXPECT_TRUE(written.is_png);
  EXPECT_EQ(written.image.pixels, Bytes(256 * 256 * 4, 0xFF));

  // An image whose header gives no size is read at its directory size, as the editor does.
  const std::string mixed = folder_.File("mixto.ico");
  testing::WriteBytes(mixed, testing::IconFile({testing::UniformImage(16, 4),
                                                testing::SizeOnlyInDirectoryImage()}));
  EXPECT_EQ(Tool({"list", mixed}).out,
            "16 x 16 ... 16 Color, 4-bit, colour count 0, 296 bytes\n"
            "256 x 256 ... Monochrome, 1-bit, colour count 0, 176 bytes\n");
  const ToolRun pick = Tool({"convert", mixed + ":1", folder_.File("out.ico")});
  EXPECT_EQ(pick.status, 1);
  EXPECT_EQ(pick.err, FileLine(mixed,
                               "the image is 256 x 256 pixels; only 16 x 16, 32 x 32 and 48 x "
                               "48 images can be opened"));
}

TEST_F(IconToolTest, ConvertKeepsSoftTransparencyAsTheEditorNowDoes) {
  Bytes rgba;
  for (int i = 0; i < 16 * 16; ++i)
    rgba.insert(rgba.end(), {0xFF, 0x00, 0x00, static_cast<std::uint8_t>(i < 16 ? 100 : 255)});
  testing::StoredImage png;
  png.resource = testing::PngRgba(16, 16, rgba);
  const std::string fading = folder_.File("fading.ico");
  testing::WriteBytes(fading, testing::IconFile({png}));
  const ToolRun run = Tool({"convert", fading, folder_.File("out.ico")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out + run.err, "");
  // Opened as the editor opens it and saved as it saves: a 32-bit image, every alpha kept.
  FilePicture picture;
  ASSERT_EQ(ReadFilePicture(testing::ReadBytes(folder_.File("out.ico")), 0, picture).status,
            PictureReadStatus::kOk);
  EXPECT_EQ(picture.bit_count, 32);
  EXPECT_EQ(picture.image.pixels, rgba);
}

TEST_F(IconToolTest, OptionsStandAnywhereAndOnlyKnownOnesAreTaken) {
  const std::string in = folder_.File("multi.ico"), out = folder_.File("out.cur");
  const std::vector<std::vector<std::string>> placings = {
      {"convert", in, out, "--hotspot", "3,4"},
      {"convert", in, out, "--hotspot=3,4"},
      {"convert", "--hotspot", "3,4", in, out},
      {"--hotspot=3,4", "convert", in, "--", out}};
  for (const auto& args : placings) {
    std::filesystem::remove(out);
    const ToolRun run = Tool(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const Bytes cursor = testing::ReadBytes(out);
    ASSERT_GE(cursor.size(), 14u);
    EXPECT_EQ(Bytes(cursor.begin() + 10, cursor.begin() + 14), (Bytes{3, 0, 4, 0}));
  }

  const ToolRun unknown = Tool({"list", in, "--verbose"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.err,
            "brindlex-tool: unknown option '--verbose'\nTry 'brindlex-tool --help' for more "
            "information.\n");
  EXPECT_EQ(Tool({"list", in, "--hotspot", "1,1"}).status, 2);
  EXPECT_EQ(Tool({"convert", in, out, "--hotspot=1,1", "--hotspot=2,2"}).status, 2);
  // After "--" an option's name is a file name.
  EXPECT_EQ(Tool({"list", "--", "--help"}).err,
            FileLine("--help", "cannot read: No such file or directory"));

  const ToolRun version = Tool({"list", "--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "brindlex-tool " BRINDLEX_VERSION "\n");
  EXPECT_TRUE(
      std::regex_match(version.out, std::regex("brindlex-tool [0-9]+\\.[0-9]+\\.[0-9]+\n")));
  EXPECT_EQ(Tool({"convert", "--help"}).out.rfind("Usage: brindlex-tool", 0), 0u);
}

TEST(ToolLinesTest, LoadResultsBecomeTheToolsEnglishLines) {
  std::ostringstream err;
  EXPECT_EQ(LoadFailure(err, "a.ico", {IconLoadStatus::kWrongSize, 24, 24, false}), kToolFailure);
  EXPECT_EQ(LoadFailure(err, "b.ico", {IconLoadStatus::kDamaged, 0, 0, false}), kToolFailure);
  SoftAlphaWarning(err, "c.ico", {IconLoadStatus::kLoaded, 32, 32, true});
  SoftAlphaWarning(err, "d.ico", {IconLoadStatus::kLoaded, 32, 32, false});
  EXPECT_EQ(err.str(),
            "brindlex-tool: a.ico: the image is 24 x 24 pixels; only 16 x 16, 32 x 32 and 48 x 48 "
            "images can be opened\n"
            "brindlex-tool: b.ico: the image is damaged and cannot be decoded\n"
            "brindlex-tool: warning: c.ico: the image has partly transparent pixels; those of "
            "alpha 128 or more became opaque, the others transparent\n");
}

TEST(OneLineTest, LineBreaksAndTheBlanksAroundThemBecomeOneBlank) {
  EXPECT_EQ(OneLine("a \r\n\r\n16 x 24 pixels."), "a 16 x 24 pixels.");
  EXPECT_EQ(OneLine("uno\ndos\r\n\ttres"), "uno dos tres");
  EXPECT_EQ(OneLine("\r\n  solo  \r\n"), "solo");
  EXPECT_EQ(OneLine(""), "");
  EXPECT_EQ(OneLine("\r\n"), "");
}

}  // namespace
}  // namespace brindlex
