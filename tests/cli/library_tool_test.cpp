// brindlex-tool count and extract over libraries, animated cursors and other files.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/icon_tool.h"
#include "cli/tool_run.h"
#include "extraction/library_test_files.h"
#include "files/color_depth.h"
#include "files/icon_writer.h"

namespace brindlex {
namespace {

using testing::Bytes;

using testing::FileLine;
using testing::Tool;
using testing::ToolRun;

class LibraryToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteBytes(dll, testing::NumberedPeLibrary(
                                 12, [](int k) { return 0x0000FFu - static_cast<Color>(k); }));
    std::vector<Bytes> frames = {testing::IconFile({testing::SolidImage(32, 0x00FF00)}, 2),
                                 testing::IconFile({testing::SolidImage(16, 0xFF0000)}, 2)};
    testing::WriteBytes(ani, testing::AniFile(frames, {1, 1, 0}, 2));
    testing::WriteBytes(ani_named_bin, testing::ReadBytes(ani));
    testing::WriteBytes(text, Bytes{'h', 'i'});
  }
  testing::TempFolder folder;
  // The same animated cursor under another name.
  const std::string dll = folder.File("lib.dll"), ani = folder.File("walk.ani"),
                    ani_named_bin = folder.File("walk.bin"), text = folder.File("text.txt");
};

TEST_F(LibraryToolTest, CountPrintsWhatTheDialogShowsAndRefusesOtherKinds) {
  EXPECT_EQ(Tool({"count", dll}).out, "12\n");
  // A library without icons counts 0; a text is no kind that holds icons. An animated cursor
  // counts its frames (not its three steps), whatever its name.
  const std::string bare = folder.File("bare.dll");
  testing::WriteBytes(bare, testing::NumberedPeLibrary(0, [](int) { return kBlack; }));
  const ToolRun several = Tool({"count", dll, ani, text, bare, folder.Path()});
  EXPECT_EQ(several.status, 1);
  EXPECT_EQ(several.out, dll + ": 12\n" + ani + ": 2\n" + bare + ": 0\n");
  EXPECT_EQ(
      several.err,
      FileLine(text, "not a program, library, icon library, animated cursor, icon or cursor file") +
          FileLine(folder.Path(), "cannot read: Is a directory"));
  EXPECT_EQ(Tool({"count", ani_named_bin}).out, "2\n");
  const ToolRun none = Tool({"count", bare});
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out + none.err, "0\n");
  EXPECT_EQ(Tool({"count"}).status, 2);
}

TEST_F(LibraryToolTest, ExtractSavesTheIconAsTheEditorWould) {
  const std::string out = folder.File("out.ico");
  ToolRun run = Tool({"extract", dll, "11", out});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  const Surface color(32, 32, 0x0000FFu - 11);
  Bytes expected;
  ASSERT_TRUE(
      BuildIconFileBytes(Surface(32, 32, kBlack), color, ChooseColorDepth(color, true), expected));
  EXPECT_EQ(testing::ReadBytes(out), expected);

  // An animated cursor's index is a frame, whatever the steps and the name: frame 1 is blue
  // and scaled from 16.
  Bytes blue;  // blue is a colour of the 16-colour palette
  ASSERT_TRUE(BuildIconFileBytes(Surface(32, 32, kBlack), Surface(32, 32, 0xFF0000), 16, blue));
  for (const std::string& input : {ani, ani_named_bin}) {
    run = Tool({"extract", input, "1", out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(testing::ReadBytes(out), blue);
  }
}

TEST_F(LibraryToolTest, ExtractKeepsInvertingPixels) {
  // A 32 x 32 icon of opaque blue with a white inverting pixel: the editor's open would make
  // it opaque black; the extracted file keeps it.
  Surface mask(32, 32, kBlack), color(32, 32, 0xFF0000);
  mask.SetPixel(4, 7, kWhite), color.SetPixel(4, 7, kWhite);
  Bytes icon;
  ASSERT_TRUE(BuildIconFileBytes(mask, color, k16ColorCount, icon));
  const std::string source = folder.File("source.ico"), out = folder.File("out.ico");
  testing::WriteBytes(source, icon);
  const ToolRun run = Tool({"extract", source, "0", out});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(testing::ReadBytes(out), icon);
}

TEST_F(LibraryToolTest, ExtractRefusesMissingIconsClearly) {
  const std::string out = folder.File("out.ico");
  ToolRun run = Tool({"extract", dll, "12", out});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, FileLine(dll, "there is no icon 12 (the file holds 12 icons)"));
  run = Tool({"extract", ani, "2", out});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, FileLine(ani, "there is no icon 2 (the file holds 2 icons)"));
  run = Tool({"extract", text, "0", out});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, FileLine(text,
                              "not a program, library, icon library, animated cursor, icon or "
                              "cursor file"));
  run = Tool({"extract", folder.File("none.dll"), "0", out});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, FileLine(folder.File("none.dll"), "cannot read: No such file or directory"));
  run = Tool({"extract", dll, "123456789012", out});
  EXPECT_EQ(run.err, FileLine(dll, "there is no icon 123456789012 (the file holds 12 icons)"));
  EXPECT_EQ(Tool({"extract", dll, "-1", out}).status, 2);
  EXPECT_EQ(Tool({"extract", dll, "x", out}).status, 2);
  EXPECT_EQ(Tool({"extract", dll, "0", folder.File("out.png")}).status, 2);
  EXPECT_EQ(Tool({"extract", dll, "0"}).status, 2);
  // Nothing was written by any failure.
  EXPECT_EQ(folder.Entries(),
            (std::vector<std::string>{"lib.dll", "text.txt", "walk.ani", "walk.bin"}));
  const std::string help = Tool({"--help"}).out;
  EXPECT_NE(help.find("  count FILE..."), std::string::npos);
  EXPECT_NE(help.find("  extract FILE INDEX OUT.ico"), std::string::npos);
}

TEST_F(LibraryToolTest, ExtractNeverWritesOverTheFileItTakesFrom) {
  const std::string icons = folder.File("two.ico"), link = folder.File("link.ico");
  const Bytes two =
      testing::IconFile({testing::SolidImage(32, 0x00FF00), testing::SolidImage(16, 0xFF0000)}, 1);
  testing::WriteBytes(icons, two);
  std::filesystem::create_symlink(icons, link);
  const ToolRun run = Tool({"extract", icons, "0", link});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(
      run.err,
      FileLine(link, "is the file the icon is taken from; extract writes a new one-image file"));
  EXPECT_EQ(testing::ReadBytes(icons), two);
}

}  // namespace
}  // namespace brindlex
