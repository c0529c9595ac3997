// brindlex-tool and brindlex-thumbnailer on a machine short of memory: the programs
// themselves, run under caps on their address space from the least they start with upwards.
// At every cap a run either does all its work or ends with the one line of its input and
// exit status 1, leaving no file behind; never a crash.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

#include "address_space_limit.h"
#include "files/icon_test_files.h"
#include "files/png_export.h"

#ifndef BRINDLEX_TOOL_PROGRAM
#error "BRINDLEX_TOOL_PROGRAM and BRINDLEX_THUMBNAILER_PROGRAM are given by the build"
#endif

namespace brindlex {
namespace {

using testing::Bytes;
constexpr std::size_t kMiB = std::size_t{1} << 20;

struct ProgramRun {
  bool exited = false;  // false when ended by a signal (a crash, an abort)
  int status = -1;
  std::string err;
};

// Runs the program with its address space capped at `cap` bytes; standard error is kept.
ProgramRun RunCapped(const std::string& program, const std::vector<std::string>& args,
                     std::size_t cap, const std::string& err_file) {
  const pid_t child = ::fork();
  if (child == 0) {
    const int err = ::open(err_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const int null = ::open("/dev/null", O_WRONLY);
    if (err < 0 || null < 0 || ::dup2(err, STDERR_FILENO) < 0 || ::dup2(null, STDOUT_FILENO) < 0 ||
        !testing::CapAddressSpace(cap))
      ::_exit(120);
    ::execv(program.c_str(), argv.data());
    ::_exit(121);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  const Bytes err = testing::ReadBytes(err_file);
  return {WIFEXITED(status), WIFEXITED(status) ? WEXITSTATUS(status) : -1,
          std::string(err.begin(), err.end())};
}

bool Succeeded(const ProgramRun& run) { return run.exited && run.status == 0 && run.err.empty(); }

// A program's run on files in a folder, under caps on its address space.
struct CappedRuns {
  const testing::TempFolder& folder;
  std::string program;
  std::vector<std::string> args;
  std::string output;

  ProgramRun Run(std::size_t cap) const {
    const std::string err_file = folder.File("err.txt");
    ProgramRun run = RunCapped(program, args, cap, err_file);
    ::unlink(err_file.c_str());
    return run;
  }

  // The least cap under which the program starts and prints its help, within 64 KiB.
  std::size_t LeastCapToStart() const {
    return CappedRuns{folder, program, {"--help"}, output}.LeastCapToSucceed(64 * 1024);
  }

  // The least cap under which the run succeeds, within `precision`: found by halving the
  // range from 64 KiB (too little for anything) to 256 MiB.
  std::size_t LeastCapToSucceed(std::size_t precision) const {
    std::size_t fails = 64 * 1024, succeeds = 256 * kMiB;
    if (!Succeeded(Run(succeeds))) ADD_FAILURE() << program << " fails under 256 MiB";
    while (succeeds - fails > precision) {
      const std::size_t middle = fails + (succeeds - fails) / 2;
      (Succeeded(Run(middle)) ? succeeds : fails) = middle;
      ::unlink(output.c_str());
    }
    return succeeds;
  }

  // Expects the run under each cap to do all its work, or to fail with exactly `failure`,
  // exit status 1 and no file left beside the inputs. Returns how many failed so.
  int ExpectEachSucceedsOrFails(const std::vector<std::size_t>& caps,
                                const std::string& failure) const {
    const std::vector<std::string> inputs_only = folder.Entries();
    int failures = 0;
    for (const std::size_t cap : caps) {
      const ProgramRun run = Run(cap);
      const std::string under = "under " + std::to_string(cap >> 10) + " KiB";
      if (Succeeded(run)) {
        EXPECT_GT(testing::ReadBytes(output).size(), 0u) << under;
        ::unlink(output.c_str());
        continue;
      }
      ++failures;
      EXPECT_TRUE(run.exited) << "ended by a signal " << under;
      EXPECT_EQ(run.status, 1) << under;
      EXPECT_EQ(run.err, failure) << under;
      EXPECT_EQ(folder.Entries(), inputs_only) << under;
    }
    return failures;
  }

  // Caps below the least under which the run succeeds: 7 spread evenly from the least the
  // program starts with, and 12 just below the least, `precision` apart, where the last
  // allocations and the helper threads are refused.
  std::vector<std::size_t> CapsBelowTheLeast(std::size_t precision) const {
    const std::size_t start = LeastCapToStart(), least = LeastCapToSucceed(precision);
    std::vector<std::size_t> caps;
    for (std::size_t k = 1; k < 8; ++k) caps.push_back(start + (least - start) * k / 8);
    for (std::size_t k = 12; k >= 1; --k) caps.push_back(least - k * precision);
    return caps;
  }
};

// A width x height picture of soft colours and every alpha, as a PNG stream.
Bytes PicturePng(int width, int height) {
  Bytes rgba(static_cast<std::size_t>(width) * height * 4);
  for (std::size_t i = 0; i < rgba.size(); ++i)
    rgba[i] = static_cast<std::uint8_t>((i / 4 % width) * (1 + i % 4) + i / 4 / width);
  Bytes png;
  EXPECT_TRUE(EncodePngRgba(width, height, rgba, png, PngCompression::kFast));
  return png;
}

TEST(OutOfMemory, CreateFromALargePictureSucceedsOrSaysSo) {
  if (!testing::kAddressSpaceCanBeCapped) GTEST_SKIP() << "the sanitizer needs the address space";
  testing::TempFolder folder;
  const std::string picture = folder.File("big.png"), output = folder.File("out.ico");
  testing::WriteBytes(picture, PicturePng(2048, 2048));
  const CappedRuns create{folder,
                          BRINDLEX_TOOL_PROGRAM,
                          {"create", output, picture, "--sizes", "16,32,48,256"},
                          output};
  EXPECT_EQ(create.ExpectEachSucceedsOrFails(create.CapsBelowTheLeast(64 * 1024),
                                             "brindlex-tool: " + picture + ": not enough memory\n"),
            19);
}

TEST(OutOfMemory, TheThumbnailOfALargeIconSucceedsOrSaysSo) {
  if (!testing::kAddressSpaceCanBeCapped) GTEST_SKIP() << "the sanitizer needs the address space";
  testing::TempFolder folder;
  const std::string icon = folder.File("big.ico"), output = folder.File("thumbnail.png");
  testing::StoredImage image;
  image.resource = PicturePng(256, 256);
  image.width = image.height = 0;
  image.bit_count = 32;
  testing::WriteBytes(icon, testing::IconFile(std::vector<testing::StoredImage>(16, image)));
  const CappedRuns thumbnail{
      folder, BRINDLEX_THUMBNAILER_PROGRAM, {"-s", "256", icon, output}, output};
  EXPECT_EQ(thumbnail.ExpectEachSucceedsOrFails(
                thumbnail.CapsBelowTheLeast(16 * 1024),
                "brindlex-thumbnailer: " + icon + ": not enough memory\n"),
            19);
}

}  // namespace
}  // namespace brindlex
