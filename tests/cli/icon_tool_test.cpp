#include "cli/icon_tool.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

#include "cli/tool_run.h"
#include "cli/tool_support.h"
#include "files/color_depth.h"
#include "files/icon_messages.h"
#include "files/icon_test_files.h"
#include "files/icon_writer.h"
#include "picture.h"

namespace brindlex {
namespace {

using testing::Bytes;

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
  EXPECT_EQ(run.out, "16 x 16 ... Monochrome\n32 x 32 ... 16 Color\n64 x 64 ... True Color\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(IconToolTest, ListOfSeveralFilesNamesEachAndFailsForNonIcons) {
  const ToolRun run = Tool({"list", folder_.File("multi.ico"), folder_.File("text.txt")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
            folder_.File("multi.ico") + ": 16 x 16 ... Monochrome");
  EXPECT_EQ(run.err, "brindlex-tool: " + folder_.File("text.txt") + ": not an icon file\n");
  const ToolRun missing = Tool({"list", folder_.File("none.ico")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "brindlex-tool: " + folder_.File("none.ico") +
                             ": cannot read: No such file or directory\n");
}

TEST_F(IconToolTest, ConvertOpensLikeTheEditorAndSavesAtTheSmallestDepth) {
  const std::string out = folder_.File("out.ico");
  const ToolRun run = Tool({"convert", folder_.File("multi.ico") + ":1", out});
  ASSERT_EQ(run.status, 0) << run.err;
  // White on white became opaque black; red stays; everything else is opaque black.
  Surface color(32, 32, kBlack);
  color.SetPixel(1, 0, 0x0000FF);
  Bytes expected;
  ASSERT_TRUE(BuildIconFileBytes(Surface(32, 32, kBlack), color, 16, expected));
  EXPECT_EQ(testing::ReadBytes(out), expected);

  ASSERT_EQ(Tool({"convert", folder_.File("multi.ico"), out}).status, 0);
  EXPECT_EQ(testing::ReadBytes(out).size(), 198u) << "image 0 by default, one bit";
}

TEST_F(IconToolTest, ConvertReportsImagesItCannotOpen) {
  const std::string out = folder_.File("out.ico");
  ToolRun run = Tool({"convert", folder_.File("multi.ico") + ":2", out});
  EXPECT_EQ(run.status, 1);
  // One line: the program, the file, the reason; no window title, no line breaks.
  EXPECT_EQ(run.err, "brindlex-tool: " + folder_.File("multi.ico") +
                         ": Quorvane 2001 no kompatibilidad de ikonos 64 x 64 pixels.\n");
  run = Tool({"convert", folder_.File("multi.ico") + ":3", out});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "brindlex-tool: " + folder_.File("multi.ico") +
                         ": there is no image 3 (the file holds 3 images)\n");
  run = Tool({"convert", folder_.File("text.txt"), out});
  EXPECT_EQ(run.status, 1);
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

TEST_F(IconToolTest, A256PixelImageIsListedAndRefusedWithTheSizeReason) {
  testing::StoredImage png;
  png.resource = testing::PngRgba(256, 256, Bytes(256 * 256 * 4, 0xFF));
  png.width = png.height = 0;  // 0 stands for 256
  const std::string big = folder_.File("big.ico");
  testing::WriteBytes(big, testing::IconFile({png}));
  const ToolRun list = Tool({"list", big});
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.out, "256 x 256 ... True Color\n");
  EXPECT_EQ(list.err, "");
  const ToolRun convert = Tool({"convert", big, folder_.File("out.ico")});
  EXPECT_EQ(convert.status, 1);
  EXPECT_EQ(convert.err, "brindlex-tool: " + big +
                             ": las dimenciones de este ikono no son iguales ke el Quorvane 256 "
                             "x 256 pixels.\n");
  EXPECT_FALSE(FileExists(folder_.File("out.ico")));

  // An image whose header gives no size is read at its directory size, as the editor does.
  const std::string mixed = folder_.File("mixto.ico");
  testing::WriteBytes(mixed, testing::IconFile({testing::UniformImage(16, 4),
                                                testing::SizeOnlyInDirectoryImage()}));
  EXPECT_EQ(Tool({"list", mixed}).out, "16 x 16 ... 16 Color\n256 x 256 ... Monochrome\n");
  const ToolRun pick = Tool({"convert", mixed + ":1", folder_.File("out.ico")});
  EXPECT_EQ(pick.status, 1);
  EXPECT_EQ(pick.err, "brindlex-tool: " + mixed +
                          ": Quorvane 2001 no kompatibilidad de ikonos 256 x 256 pixels.\n");
}

TEST_F(IconToolTest, ConvertWarnsAboutSoftTransparencyAndStillConverts) {
  Bytes rgba;
  for (int i = 0; i < 16 * 16; ++i)
    rgba.insert(rgba.end(), {0xFF, 0x00, 0x00, static_cast<std::uint8_t>(i < 16 ? 100 : 255)});
  testing::StoredImage png;
  png.resource = testing::PngRgba(16, 16, rgba);
  const std::string fading = folder_.File("fading.ico");
  testing::WriteBytes(fading, testing::IconFile({png}));
  const ToolRun run = Tool({"convert", fading, folder_.File("out.ico")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "brindlex-tool: " + fading + ": " + std::string(kSoftAlphaText) + "\n");
  // The top line (alpha 100) became transparent, the rest opaque red.
  Surface mask, color;
  ASSERT_TRUE(OpenIconImage(folder_.File("out.ico"), 0, mask, color, std::cerr));
  EXPECT_EQ(mask.GetPixel(5, 0), kWhite);
  EXPECT_EQ(color.GetPixel(5, 1), 0x0000FFu);
  // A hard-edged image converts silently.
  EXPECT_EQ(Tool({"convert", folder_.File("multi.ico") + ":1", folder_.File("o2.ico")}).err, "");
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
