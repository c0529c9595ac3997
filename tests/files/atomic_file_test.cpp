#include "files/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "icon_test_files.h"
#include "run_unprivileged.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::RunUnprivileged;

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

TEST(WriteFileAtomicallyTest, CreatesAndReplacesWithExactBytesKeepingTheMode) {
  // Waited for or left to the system: the same files either way.
  for (const DiskFlush flush : {DiskFlush::kWaitForDisk, DiskFlush::kLeaveToSystem}) {
    testing::TempFolder folder;
    const std::string path = folder.File("f.ico");
    ASSERT_TRUE(WriteFileAtomically(path, Bytes{1, 2, 3}, nullptr, flush));
    EXPECT_EQ(testing::ReadBytes(path), (Bytes{1, 2, 3}));
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(path, Bytes{4}, nullptr, flush));
    EXPECT_EQ(testing::ReadBytes(path), Bytes{4});
    EXPECT_EQ(ModeOf(path), 0640u);
    ASSERT_TRUE(WriteFileAtomically(path, Bytes{}, nullptr, flush));
    EXPECT_TRUE(testing::ReadBytes(path).empty());
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"f.ico"});
  }
}

TEST(WriteFileAtomicallyTest, FollowsASymbolicLink) {
  testing::TempFolder folder;
  testing::WriteBytes(folder.File("real.ico"), Bytes{1});
  ASSERT_EQ(::symlink("real.ico", folder.File("link.ico").c_str()), 0);
  ASSERT_TRUE(WriteFileAtomically(folder.File("link.ico"), Bytes{7, 7}));
  EXPECT_EQ(testing::ReadBytes(folder.File("real.ico")), (Bytes{7, 7}));
  struct stat info {};
  ASSERT_EQ(::lstat(folder.File("link.ico").c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
}

TEST(WriteFileAtomicallyTest, AFolderThatCannotBeReadStillTakesTheSave) {
  // Such a folder cannot be opened to flush its entries after the rename; the save is done
  // all the same.
  testing::TempFolder folder;
  ::chmod(folder.Path().c_str(), 0755);
  const std::string unreadable = folder.File("sin_lectura");
  ::mkdir(unreadable.c_str(), 0755);
  ::chmod(unreadable.c_str(), 0733);
  const std::string path = unreadable + "/a.ico";
  EXPECT_EQ(RunUnprivileged([&] {
              if (!WriteFileAtomically(path, Bytes{1, 2, 3})) return 1;
              return WriteFileAtomically(path, Bytes{4}) ? 0 : 2;
            }),
            0);
  EXPECT_EQ(testing::ReadBytes(path), Bytes{4});
}

TEST(WriteFileAtomicallyTest, FailuresLeaveTheTargetAndNoTemporaryFile) {
  testing::TempFolder folder;
  const std::string read_only = folder.File("ro.ico");
  testing::WriteBytes(read_only, Bytes{5});
  ::chmod(read_only.c_str(), 0444);
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(read_only, Bytes{6}, &error));
  EXPECT_EQ(error, "Permission denied");
  EXPECT_EQ(testing::ReadBytes(read_only), Bytes{5});

  ::mkdir(folder.File("dir").c_str(), 0755);
  EXPECT_FALSE(WriteFileAtomically(folder.File("dir"), Bytes{6}, &error));
  EXPECT_EQ(error, "Is a directory");
  EXPECT_FALSE(WriteFileAtomically(folder.File("none/x.ico"), Bytes{6}, &error));
  EXPECT_EQ(error, "No such file or directory");
  EXPECT_FALSE(WriteFileAtomically("", Bytes{6}, &error));
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"dir", "ro.ico"}));
}

TEST(WriteFileAtomicallyTest, NamesUpToTheLongestAFolderTakesAreWritten) {
  testing::TempFolder folder;
  for (std::size_t length : {237u, 238u, 240u, 250u, 254u, 255u}) {
    std::string name(length - 4, 'n');
    name += ".ico";
    const std::string path = folder.File(name);
    ASSERT_TRUE(WriteFileAtomically(path, Bytes{1, 2})) << length;
    ::chmod(path.c_str(), 0604);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, Bytes{3}, &error)) << length << ": " << error;
    EXPECT_EQ(testing::ReadBytes(path), Bytes{3});
    EXPECT_EQ(ModeOf(path), 0604u);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{name});  // no temporary file left
    ::unlink(path.c_str());
  }
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(folder.File(std::string(256, 'n')), Bytes{1}, &error));
  EXPECT_EQ(error, "File name too long");
}

TEST(WriteFileAtomicallyTest, AWritableFileInAFolderThatTakesNoNewFilesIsWrittenInPlace) {
  testing::TempFolder folder;
  ::chmod(folder.Path().c_str(), 0755);
  const std::string locked = folder.File("locked"), sticky = folder.File("sticky");
  ::mkdir(locked.c_str(), 0755);
  ::mkdir(sticky.c_str(), 0777);
  const std::string in_locked = locked + "/a.ico", in_sticky = sticky + "/b.ico";
  testing::WriteBytes(in_locked, Bytes{9, 9, 9, 9, 9});
  testing::WriteBytes(in_sticky, Bytes{8});
  testing::WriteBytes(locked + "/ro.ico", Bytes{7});
  ::chmod((locked + "/ro.ico").c_str(), 0444);
  ::chmod(in_locked.c_str(), 0666);
  ::chmod(in_sticky.c_str(), 0646);
  ::chmod(locked.c_str(), 0555);  // nobody but the super-user may add files here
  ::chmod(sticky.c_str(), 01777);
  const bool privileged = ::geteuid() == 0;
  if (privileged) {
    // In a sticky folder only a file's owner may rename over it.
    ASSERT_EQ(::chown(sticky.c_str(), 0, 0), 0);
    ASSERT_EQ(::chown(in_sticky.c_str(), 0, 0), 0);
  }
  EXPECT_EQ(RunUnprivileged([&] {
              std::string error;
              if (!WriteFileAtomically(in_locked, Bytes{1, 2}, &error)) return 1;
              if (WriteFileAtomically(locked + "/new.ico", Bytes{1}, &error)) return 2;
              if (error != "Permission denied") return 3;
              if (WriteFileAtomically(locked + "/ro.ico", Bytes{1}, &error)) return 4;
              if (error != "Permission denied") return 5;
              return WriteFileAtomically(in_sticky, Bytes{4, 5, 6}) ? 0 : 6;
            }),
            0);
  EXPECT_EQ(testing::ReadBytes(in_locked), (Bytes{1, 2}));  // cut to the new length
  EXPECT_EQ(ModeOf(in_locked), 0666u);
  EXPECT_EQ(testing::ReadBytes(in_sticky), (Bytes{4, 5, 6}));
  EXPECT_EQ(testing::ReadBytes(locked + "/ro.ico"), Bytes{7});
  ::chmod(locked.c_str(), 0755);
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(locked))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a.ico", "ro.ico"}));
}

}  // namespace
}  // namespace brindlex
