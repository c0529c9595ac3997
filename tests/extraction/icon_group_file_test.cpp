// Icons written out as the file stores them: group icons of programs and libraries made into
// icon files, frames of animated cursors and whole icon files, and the group directories that
// disagree with the file.
#include "extraction/icon_group_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "extraction/icon_library.h"
#include "extraction/library_test_files.h"
#include "files/icon_test_files.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::SolidImage;
using testing::StoredImage;
using testing::UniformImage;

// Icon `index` of the bytes as stored; fails the test when it cannot be read.
IconGroupFile Group(const Bytes& bytes, int index) {
  IconLibrary library;
  library.Open(bytes);
  IconGroupFile file;
  EXPECT_TRUE(library.ReadGroupFile(index, file)) << "icon " << index;
  return file;
}

bool Readable(const Bytes& bytes, int index) {
  IconLibrary library;
  library.Open(bytes);
  IconGroupFile file;
  return library.ReadGroupFile(index, file);
}

// Where the group directory of these images (numbered from first_id) lies in the file.
std::size_t DirectoryAt(const Bytes& file, const std::vector<StoredImage>& images,
                        std::uint16_t first_id) {
  const Bytes directory = testing::GroupDirectory(images, first_id);
  const auto at = std::search(file.begin(), file.end(), directory.begin(), directory.end());
  EXPECT_NE(at, file.end());
  return static_cast<std::size_t>(at - file.begin());
}

// Sets a field of entry `entry` of the directory at `at`: its length (offset 8, 4 bytes) or
// the number of its image resource (offset 12, 2 bytes).
void SetLength(Bytes& file, std::size_t at, int entry, std::uint32_t length) {
  testing::PutAt(file, at + 6 + 14 * entry + 8, length, 4);
}
void SetId(Bytes& file, std::size_t at, int entry, std::uint16_t id) {
  testing::PutAt(file, at + 6 + 14 * entry + 12, id, 2);
}

const StoredImage kSmall = UniformImage(16, 4, 0x12), kMiddle = SolidImage(32, 0x00FF00),
                  kLarge = SolidImage(48, 0x0000FF);

TEST(IconGroupFile, GroupsOfProgramsAndLibrariesAreIconFilesOfTheirImagesAsStored) {
  const std::vector<testing::LibraryGroup> groups = {{"LOGO", 0, {kSmall, kMiddle}},
                                                     {"", 5, {kLarge}}};
  for (const Bytes& library :
       {testing::PeLibrary(groups, false).bytes, testing::PeLibrary(groups, true).bytes,
        testing::NeLibrary(groups, 5).bytes}) {
    IconLibrary opened;
    opened.Open(library);
    EXPECT_EQ(opened.IconCount(), 2);
    const IconGroupFile first = Group(library, 0);
    EXPECT_EQ(first.bytes, testing::IconFile({kSmall, kMiddle}));
    EXPECT_FALSE(first.cursor);
    EXPECT_TRUE(first.missing_images.empty());
    EXPECT_EQ(Group(library, 1).bytes, testing::IconFile({kLarge}));
    EXPECT_FALSE(Readable(library, 2));
    EXPECT_FALSE(Readable(library, -1));
  }
}

TEST(IconGroupFile, LengthsAndImagesTheGroupGetsWrongAreMendedFromTheFile) {
  const std::vector<StoredImage> images = {kSmall, kMiddle, kLarge};
  const Bytes pe = testing::PeLibrary({{"", 1, images}}, true).bytes;
  const std::size_t at = DirectoryAt(pe, images, 1);

  // Longer than the resource, or 0: the resource's own length; shorter: cut there.
  Bytes lengths = pe;
  SetLength(lengths, at, 0, static_cast<std::uint32_t>(kSmall.resource.size() + 100));
  SetLength(lengths, at, 1, 0);
  SetLength(lengths, at, 2, static_cast<std::uint32_t>(kLarge.resource.size() - 10));
  StoredImage cut = kLarge;
  cut.resource.assign(kLarge.resource.begin(), kLarge.resource.end() - 10);
  EXPECT_EQ(Group(lengths, 0).bytes, testing::IconFile({kSmall, kMiddle, cut}));

  // An image whose resource is missing is left out and named.
  Bytes missing = pe;
  SetId(missing, at, 1, 99);
  const IconGroupFile without = Group(missing, 0);
  EXPECT_EQ(without.bytes, testing::IconFile({kSmall, kLarge}));
  EXPECT_EQ(without.missing_images, (std::vector<std::uint16_t>{99}));
  for (int entry = 0; entry < 3; ++entry) SetId(missing, at, entry, 99);
  EXPECT_FALSE(Readable(missing, 0));

  // A group naming its largest image over and over comes to more than the file holds.
  const std::vector<StoredImage> many(60, UniformImage(16, 1));
  std::vector<StoredImage> with_large = many;
  with_large.push_back(kLarge);
  Bytes repeated = testing::PeLibrary({{"", 1, with_large}}, true).bytes;
  const std::size_t many_at = DirectoryAt(repeated, with_large, 1);
  for (int entry = 0; entry < 60; ++entry) SetId(repeated, many_at, entry, 61);
  for (int entry = 0; entry < 60; ++entry)
    SetLength(repeated, many_at, entry, static_cast<std::uint32_t>(kLarge.resource.size()));
  ASSERT_GT(61 * kLarge.resource.size(), repeated.size());
  EXPECT_FALSE(Readable(repeated, 0));
}

TEST(IconGroupFile, AnimatedCursorFramesAndIconFilesAreWrittenAsTheyAre) {
  const Bytes cursor = testing::IconFile({kMiddle}, 2), icon = testing::IconFile({kSmall});
  const Bytes ani = testing::AniFile({cursor, icon, Bytes{1, 2, 3}}, {1, 1, 0}, 3);
  IconLibrary library;
  library.Open(ani);
  EXPECT_EQ(library.IconCount(), 3);  // the frames, whatever the steps
  const IconGroupFile frame = Group(ani, 0);
  EXPECT_EQ(frame.bytes, cursor);
  EXPECT_TRUE(frame.cursor);
  EXPECT_EQ(Group(ani, 1).bytes, icon);
  EXPECT_FALSE(Group(ani, 1).cursor);
  EXPECT_FALSE(Readable(ani, 2));  // no icon or cursor container

  const Bytes several = testing::IconFile({kSmall, kMiddle, kLarge});
  library.Open(several);
  EXPECT_EQ(library.IconCount(), 1);
  EXPECT_EQ(Group(several, 0).bytes, several);
  EXPECT_TRUE(Group(cursor, 0).cursor);
  EXPECT_FALSE(Readable(several, 1));
  library.Open(Bytes{'M', 'Z'});
  EXPECT_EQ(library.IconCount(), 0);
}

}  // namespace
}  // namespace brindlex
