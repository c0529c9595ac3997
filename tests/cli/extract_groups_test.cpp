// brindlex-tool extract --group and --all: icons written out as the files store them, and
// "-" for standard input and output.
#include "cli/extract_groups.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "cli/tool_run.h"
#include "extraction/library_test_files.h"
#include "files/file_bytes.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::FileLine;
using testing::Tool;
using testing::ToolRun;

const testing::StoredImage kSmall = testing::UniformImage(16, 4, 0x12),
                           kMiddle = testing::SolidImage(32, 0x00FF00),
                           kLarge = testing::SolidImage(48, 0x0000FF);

std::string Text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

// Runs the tool with standard input taken from the file.
ToolRun ToolReading(const std::string& input, const std::vector<std::string>& args) {
  const int saved = ::dup(STDIN_FILENO), fd = ::open(input.c_str(), O_RDONLY | O_CLOEXEC);
  EXPECT_GE(fd, 0) << input;
  ::dup2(fd, STDIN_FILENO);
  ::close(fd);
  const ToolRun run = Tool(args);
  ::dup2(saved, STDIN_FILENO);
  ::close(saved);
  return run;
}

class ExtractGroupsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteBytes(
        dll, testing::PeLibrary({{"LOGO", 0, {kSmall, kMiddle}}, {"", 5, {kLarge}}}, true).bytes);
    testing::WriteBytes(ani, testing::AniFile({cursor, testing::IconFile({kSmall})}, {1, 0}, 2));
    testing::WriteBytes(icon, testing::IconFile({kSmall, kLarge}));
    testing::WriteBytes(text, Bytes{'h', 'i'});
    std::filesystem::create_directory(folder.File("other"));
    testing::WriteBytes(other_dll, testing::PeLibrary({{"", 1, {kMiddle}}}, false).bytes);
    std::filesystem::create_directory(out);
  }
  testing::TempFolder folder;
  const Bytes cursor = testing::IconFile({kMiddle}, 2);
  const std::string dll = folder.File("lib.dll"), ani = folder.File("walk.ani"),
                    icon = folder.File("app.ico"), text = folder.File("text.txt"),
                    other_dll = folder.File("other/lib.dll"), out = folder.File("out");
};

TEST_F(ExtractGroupsTest, GroupWritesOneIconAsTheFileStoresIt) {
  const std::string written = folder.File("group.ico");
  ToolRun run = Tool({"extract", dll, "0", written, "--group"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out + run.err, "");
  EXPECT_EQ(testing::ReadBytes(written), testing::IconFile({kSmall, kMiddle}));
  // To standard output; an animated cursor's frames and an icon file, whatever the name.
  EXPECT_EQ(Tool({"--group", "extract", dll, "1", "-"}).out, Text(testing::IconFile({kLarge})));
  EXPECT_EQ(Tool({"extract", ani, "0", "-", "--group"}).out, Text(cursor));
  ASSERT_EQ(Tool({"extract", icon, "0", written, "--group"}).status, 0);
  EXPECT_EQ(testing::ReadBytes(written), testing::IconFile({kSmall, kLarge}));

  run = Tool({"extract", dll, "2", written, "--group"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, FileLine(dll, "there is no icon 2 (the file holds 2 icons)"));
  EXPECT_EQ(
      Tool({"extract", text, "0", written, "--group"}).err,
      FileLine(text, "not a program, library, icon library, animated cursor, icon or cursor file"));
  EXPECT_EQ(Tool({"list", icon, "--group"}).status, 2);
  EXPECT_EQ(Tool({"count", icon, "--all", out}).status, 2);
  const ToolRun both = Tool({"extract", dll, "--all", out, "--group"});
  EXPECT_EQ(both.status, 2);
  EXPECT_EQ(both.err,
            "brindlex-tool: --all writes every icon as the file stores it, as --group does; leave "
            "out --group\nTry 'brindlex-tool --help' for more information.\n");
  EXPECT_EQ(Tool({"extract", dll, "0", "--group"}).status, 2);
  const std::string help = Tool({"--help"}).out;
  EXPECT_NE(help.find("  extract FILE INDEX OUT --group\n"), std::string::npos);
  EXPECT_NE(help.find("  extract FILE... --all DIR  write every icon"), std::string::npos);
}

TEST_F(ExtractGroupsTest, AGroupLackingAnImageIsWrittenWithoutItAndAWarning) {
  Bytes damaged = testing::PeLibrary({{"", 1, {kSmall, kMiddle}}}, true).bytes;
  const Bytes directory = testing::GroupDirectory({kSmall, kMiddle}, 1);
  const auto at = std::search(damaged.begin(), damaged.end(), directory.begin(), directory.end());
  ASSERT_NE(at, damaged.end());
  at[6 + 14 + 12] = 77;  // the second image's number
  testing::WriteBytes(dll, damaged);
  const ToolRun run = Tool({"extract", dll, "0", "-", "--group"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, Text(testing::IconFile({kSmall})));
  EXPECT_EQ(run.err, "brindlex-tool: warning: " + dll +
                         ": icon 0: the file lacks image resource 77; written without it\n");
}

TEST_F(ExtractGroupsTest, AllWritesEveryIconOfEveryFileAndGoesOnPastFailures) {
  // A library without icons and a text are passed over without a word; a file that cannot be
  // read is reported.
  const std::string bare = folder.File("bare.dll");
  testing::WriteBytes(bare, testing::PeLibrary({}, true).bytes);
  const ToolRun run =
      Tool({"extract", "--all", out, dll, ani, text, bare, other_dll, icon, folder.File("none")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, FileLine(folder.File("none"), "cannot read: No such file or directory"));
  EXPECT_EQ(testing::TempFolder::EntriesOf(out),
            (std::vector<std::string>{"app.ico-0.ico", "lib.dll-0.ico", "lib.dll-1.ico",
                                      "lib.dll_2-0.ico", "walk.ani-0.cur", "walk.ani-1.ico"}));
  EXPECT_EQ(testing::ReadBytes(out + "/lib.dll-1.ico"), testing::IconFile({kLarge}));
  EXPECT_EQ(testing::ReadBytes(out + "/lib.dll_2-0.ico"), testing::IconFile({kMiddle}));
  EXPECT_EQ(testing::ReadBytes(out + "/walk.ani-0.cur"), cursor);

  // Options after the files; a good run ends with 0, files without icons or all.
  std::filesystem::remove_all(out);
  std::filesystem::create_directory(out);
  const ToolRun good = Tool({"extract", dll, text, bare, "--all=" + out});
  EXPECT_EQ(good.status, 0);
  EXPECT_EQ(good.out + good.err, "");
  EXPECT_EQ(testing::TempFolder::EntriesOf(out),
            (std::vector<std::string>{"lib.dll-0.ico", "lib.dll-1.ico"}));
  // A second run over the folder's own files never replaces one of them.
  const Bytes first = testing::ReadBytes(out + "/lib.dll-0.ico");
  testing::WriteBytes(out + "/lib.dll", testing::PeLibrary({{"", 1, {kLarge}}}, true).bytes);
  const ToolRun again = Tool({"extract", "--all", out, out + "/lib.dll", out + "/lib.dll-0.ico"});
  EXPECT_EQ(again.status, 1);
  EXPECT_EQ(again.err, FileLine(out + "/lib.dll-0.ico", "is one of the files given; not replaced"));
  EXPECT_EQ(testing::ReadBytes(out + "/lib.dll-0.ico"), first);
  EXPECT_EQ(testing::ReadBytes(out + "/lib.dll-0.ico-0.ico"), first);
  EXPECT_EQ(Tool({"extract", dll, "--all", text}).err, FileLine(text, "is not a folder"));
  EXPECT_EQ(Tool({"extract", dll, "--all", folder.File("none")}).err,
            FileLine(folder.File("none"), "no such folder"));
  EXPECT_EQ(Tool({"extract", dll, "--all", "-"}).status, 2);
}

TEST(ExtractGroupsNames, InputsOfOneBaseNameWriteUnderNamesOfTheirOwn) {
  EXPECT_EQ(
      OutputStems({"a/x.dll", "b/x.dll", "x.dll_2", "-", "c/x.dll", "stdin"}),
      (std::vector<std::string>{"x.dll", "x.dll_3", "x.dll_2", "stdin", "x.dll_4", "stdin_2"}));
}

TEST_F(ExtractGroupsTest, DashReadsStandardInputAndWritesStandardOutput) {
  // Read once and kept for the run: a second "-" reads the same bytes.
  const std::string listed =
      "-: 16 x 16 ... 16 Color, 4-bit, colour count 0, 296 bytes\n"
      "-: 48 x 48 ... True Color, 24-bit, colour count 0, 7336 bytes\n";
  EXPECT_EQ(ToolReading(icon, {"list", "-", "-"}).out, listed + listed);
  const std::string saved = folder.File("saved.ico");
  ASSERT_EQ(Tool({"convert", icon + ":1", saved}).status, 0);
  EXPECT_EQ(Tool({"convert", icon + ":1", "-"}).out, Text(testing::ReadBytes(saved)));
  EXPECT_EQ(ToolReading(icon, {"convert", "-:1", "-"}).out, Text(testing::ReadBytes(saved)));
  ASSERT_EQ(Tool({"extract", dll, "1", saved}).status, 0);
  EXPECT_EQ(Tool({"extract", dll, "1", "-"}).out, Text(testing::ReadBytes(saved)));
  EXPECT_EQ(ToolReading(dll, {"count", "-"}).out, "2\n");
  EXPECT_EQ(ToolReading(dll, {"extract", "-", "1", "-", "--group"}).out,
            Text(testing::IconFile({kLarge})));
  ASSERT_EQ(ToolReading(ani, {"extract", "--all", out, "-"}).status, 0);
  EXPECT_EQ(testing::ReadBytes(out + "/stdin-0.cur"), cursor);

  // Standard input is read no further than the reader's limit.
  const std::string big = folder.File("big");
  testing::WriteBytes(big, {});
  std::filesystem::resize_file(big, kMaxIconFileBytes + 1);
  const ToolRun run = ToolReading(big, {"list", "-"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, FileLine("-", "the file is too large (more than 64 MiB)"));
}

}  // namespace
}  // namespace brindlex
