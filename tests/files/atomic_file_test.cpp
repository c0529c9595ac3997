#include "files/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "icon_test_files.h"

namespace brindlex {
namespace {

using testing::Bytes;

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

TEST(WriteFileAtomicallyTest, CreatesAndReplacesWithExactBytesKeepingTheMode) {
  testing::TempFolder folder;
  const std::string path = folder.File("f.ico");
  ASSERT_TRUE(WriteFileAtomically(path, Bytes{1, 2, 3}));
  EXPECT_EQ(testing::ReadBytes(path), (Bytes{1, 2, 3}));
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(WriteFileAtomically(path, Bytes{4}));
  EXPECT_EQ(testing::ReadBytes(path), Bytes{4});
  EXPECT_EQ(ModeOf(path), 0640u);
  ASSERT_TRUE(WriteFileAtomically(path, Bytes{}));
  EXPECT_TRUE(testing::ReadBytes(path).empty());
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"f.ico"});
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

}  // namespace
}  // namespace brindlex
