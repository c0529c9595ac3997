#include "cli/icon_tool.h"

#include <gtest/gtest.h>

#include <sstream>

#include "files/color_depth.h"
#include "files/icon_test_files.h"
#include "files/icon_writer.h"
#include "picture.h"

namespace brindlex {
namespace {

using testing::Bytes;

struct ToolRun {
  int status;
  std::string out, err;
};

ToolRun Tool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunIconTool(args, out, err);
  return {status, out.str(), err.str()};
}

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
  EXPECT_EQ(
      run.err,
      "Quorvane 2001 - Error: Quorvane 2001 no kompatibilidad de ikonos\n\n64 x 64 pixels.\n");
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

}  // namespace
}  // namespace brindlex
