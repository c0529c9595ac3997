// brindlex-tool's inputs it cannot read and output it cannot write: every command gives the
// same one line for the same cause.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>

#include "cli/tool_arguments.h"
#include "cli/tool_output.h"
#include "cli/tool_run.h"
#include "files/file_bytes.h"
#include "files/icon_test_files.h"
#include "files/picture_file.h"

namespace brindlex {
namespace {

using testing::FileLine;
using testing::Tool;
using testing::ToolRun;

class ToolInputsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteBytes(icon, testing::IconFile({testing::UniformImage(16, 1)}));
  }
  // Every command with `input` as what it reads; the output, when there is one, is out.ico.
  std::vector<std::vector<std::string>> EveryCommandReading(const std::string& input) const {
    const std::string out = folder.File("out.ico");
    return {{"list", input},
            {"count", input},
            {"convert", input, out},
            {"convert", input + ":0", folder.File("out.png")},
            {"build", out, icon, input},
            {"create", out, input},
            {"extract", input, "0", out}};
  }
  testing::TempFolder folder;
  const std::string icon = folder.File("icon.ico");
};

// Runs the tool; when it has not ended after two seconds it is waiting on the named pipe
// `fifo`: a writer that comes and goes there releases it, and the test fails.
ToolRun ToolBesideFifo(const std::vector<std::string>& args, const std::string& fifo) {
  auto run = std::async(std::launch::async, [&args] { return Tool(args); });
  if (run.wait_for(std::chrono::seconds(2)) == std::future_status::timeout) {
    ADD_FAILURE() << args[0] << " waits on the named pipe";
    while (run.wait_for(std::chrono::milliseconds(50)) == std::future_status::timeout) {
      const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
      if (writer >= 0) ::close(writer);
    }
  }
  return run.get();
}

TEST_F(ToolInputsTest, ANamedPipeIsRefusedAtOnceByEveryCommand) {
  const std::string fifo = folder.File("pipe.ico");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const auto& args : EveryCommandReading(fifo)) {
    const ToolRun run = ToolBesideFifo(args, fifo);
    EXPECT_EQ(run.status, 1) << args[0];
    EXPECT_EQ(run.err, FileLine(fifo, "cannot read: Not a regular file")) << args[0];
  }
  EXPECT_FALSE(std::filesystem::exists(folder.File("out.ico")));
}

TEST_F(ToolInputsTest, AFileOverTheReadLimitIsTooLargeForEveryCommand) {
  // Sparse files: their length is all that counts.
  const std::string big = folder.File("big.ico");
  testing::WriteBytes(big, {});
  std::filesystem::resize_file(big, kMaxIconFileBytes + 1);
  for (const auto& args : EveryCommandReading(big)) {
    const ToolRun run = Tool(args);
    EXPECT_EQ(run.status, 1) << args[0];
    EXPECT_EQ(run.out, "") << args[0];
    EXPECT_EQ(run.err, FileLine(big, "the file is too large (more than 64 MiB)")) << args[0];
  }
  const std::string png = folder.File("big.png");
  testing::WriteBytes(png, {});
  std::filesystem::resize_file(png, kMaxPictureFileBytes + 1);
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"convert", png, folder.File("out.ico")}, {"create", folder.File("out.ico"), png}})
    EXPECT_EQ(Tool(args).err,
              FileLine(png,
                       "the file is too large for a picture of at most 4096 x 4096 pixels (more "
                       "than 130 MiB)"));
  EXPECT_FALSE(std::filesystem::exists(folder.File("out.ico")));
}

TEST_F(ToolInputsTest, AMissingInputIsCalledMissingByEveryCommand) {
  const std::string none = folder.File("none.ico");
  for (const auto& args : EveryCommandReading(none)) {
    const ToolRun run = Tool(args);
    EXPECT_EQ(run.status, 1) << args[0];
    EXPECT_EQ(run.err, FileLine(none, "cannot read: No such file or directory")) << args[0];
  }
}

TEST(ToolOutputTest, OutputThatCannotBeWrittenIsReported) {
  const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
  ASSERT_GE(full, 0);
  std::ostringstream err;
  testing::TempFolder folder;
  const std::string icon = folder.File("icon.ico");
  testing::WriteBytes(icon, testing::IconFile({testing::UniformImage(16, 1)}));
  EXPECT_EQ(RunIconToolWritingTo(full, {"list", icon}, err), 1);
  ::close(full);
  EXPECT_EQ(err.str(), FileLine("standard output", "cannot write: No space left on device"));

  // Written output stays silent and whole; a command that failed keeps its own status.
  const std::string listed = folder.File("listed.txt");
  const int file = ::open(listed.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
  err.str("");
  EXPECT_EQ(RunIconToolWritingTo(file, {"list", icon}, err), 0);
  ::close(file);
  EXPECT_EQ(err.str(), "");
  const testing::Bytes written = testing::ReadBytes(listed);
  EXPECT_EQ(std::string(written.begin(), written.end()),
            "16 x 16 ... Monochrome, 1-bit, colour count 0, 176 bytes\n");
  err.str("");
  EXPECT_EQ(RunIconToolWritingTo(-1, {"frobnicate"}, err), 2);
}

TEST(ToolArgumentsTest, WordsOptionsAndTheEndOfOptions) {
  ToolArguments parsed;
  std::ostringstream err;
  ASSERT_TRUE(SplitArguments({"extract", "-", "-1", "-:2", "--", "--help", "-h"}, parsed, err));
  EXPECT_EQ(parsed.words, (std::vector<std::string>{"extract", "-", "-1", "-:2", "--help", "-h"}));
  EXPECT_FALSE(parsed.help);
  EXPECT_FALSE(parsed.group);
  ASSERT_TRUE(SplitArguments({"--group", "extract", "--all=a", "x"}, parsed, err));
  EXPECT_TRUE(parsed.group);
  EXPECT_EQ(parsed.all_folder, "a");
  ASSERT_TRUE(SplitArguments({"extract", "x", "--all", "b"}, parsed, err));
  EXPECT_EQ(parsed.all_folder, "b");
  EXPECT_EQ(parsed.words, (std::vector<std::string>{"extract", "x"}));
  EXPECT_FALSE(SplitArguments({"extract", "x", "--all"}, parsed, err));
  EXPECT_FALSE(SplitArguments({"extract", "--all=a", "--all", "b"}, parsed, err));
  const std::string help_pointer = "\nTry 'brindlex-tool --help' for more information.\n";
  EXPECT_EQ(err.str(), "brindlex-tool: --all needs its value DIR" + help_pointer +
                           "brindlex-tool: --all is given twice" + help_pointer);
  err.str("");
  ASSERT_TRUE(SplitArguments({"-h", "x", "--hotspot", "--version"}, parsed, err));
  EXPECT_TRUE(parsed.help);
  EXPECT_EQ(parsed.hot_spot, "--version");  // the value after --hotspot is taken as it is
  EXPECT_FALSE(parsed.version);
  EXPECT_FALSE(SplitArguments({"list", "-x"}, parsed, err));
  EXPECT_EQ(err.str(),
            "brindlex-tool: unknown option '-x'\nTry 'brindlex-tool --help' for more "
            "information.\n");
}

}  // namespace
}  // namespace brindlex
