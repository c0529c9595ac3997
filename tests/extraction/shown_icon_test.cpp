// The icon a file browser shows for a file: a program's first group with all its images, an
// animated cursor's first step, an icon file itself.
#include "extraction/shown_icon.h"

#include <gtest/gtest.h>

#include "extraction/library_test_files.h"
#include "files/icon_test_files.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::SolidImage;
using testing::StoredImage;

// Opens the bytes and finds their shown icon; `found` tells whether there is one.
ShownIcon Shown(const Bytes& bytes, IconLibrary& library, bool& found) {
  library.Open(bytes);
  ShownIcon icon;
  found = FindShownIcon(library, icon);
  return icon;
}

// Each group image as listed (width x height @ depth) and whether its bytes are the stored
// image's.
void ExpectGroup(IconLibrary& library, const ShownIcon& icon,
                 const std::vector<StoredImage>& stored) {
  ASSERT_EQ(icon.group.size(), stored.size());
  EXPECT_TRUE(icon.container.empty());
  for (std::size_t i = 0; i < stored.size(); ++i) {
    EXPECT_EQ(icon.group[i].image.width, stored[i].width ? stored[i].width : 256) << i;
    EXPECT_EQ(icon.group[i].image.bit_count, stored[i].bit_count) << i;
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ReadGroupImage(library, icon.group[i], bytes)) << i;
    EXPECT_EQ(bytes, stored[i].resource) << i;
  }
}

TEST(ShownIcon, ProgramsAndLibrariesShowTheirFirstGroupWithEveryImage) {
  const std::vector<StoredImage> first = {SolidImage(16, 0x0000FF), SolidImage(48, 0x00FF00),
                                          testing::UniformImage(32, 4, 3)};
  const std::vector<testing::LibraryGroup> groups = {{"MAIN", 0, first},
                                                     {"", 7, {SolidImage(32, 0xFF0000)}}};
  bool found = false;
  for (const bool wide : {false, true}) {
    // The library reads the bytes while it lives: they are kept as long.
    const Bytes program = testing::PeLibrary(groups, wide).bytes;
    IconLibrary library;
    const ShownIcon icon = Shown(program, library, found);
    ASSERT_TRUE(found) << "wide " << wide;
    ExpectGroup(library, icon, first);
  }
  const Bytes library16 = testing::NeLibrary(groups).bytes;
  IconLibrary ne;
  const ShownIcon icon = Shown(library16, ne, found);
  ASSERT_TRUE(found);
  // NE resources are rounded up to the alignment: the image read is at least the stored one.
  ASSERT_EQ(icon.group.size(), first.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ReadGroupImage(ne, icon.group[i], bytes));
    ASSERT_GE(bytes.size(), first[i].resource.size());
    EXPECT_TRUE(std::equal(first[i].resource.begin(), first[i].resource.end(), bytes.begin()));
  }
}

TEST(ShownIcon, AnimatedCursorsShowTheFrameOfTheirFirstStepAndIconFilesThemselves) {
  const Bytes red = testing::IconFile({SolidImage(32, 0x0000FF)});
  const Bytes green = testing::IconFile({SolidImage(32, 0x00FF00), SolidImage(16, 0x00FF00)}, 2);
  bool found = false;
  IconLibrary library;
  EXPECT_EQ(Shown(testing::AniFile({red, green}, {1, 0}, 2), library, found).container, green);
  EXPECT_TRUE(found);
  EXPECT_EQ(Shown(testing::AniFile({red, green}, {}, 2), library, found).container, red);
  EXPECT_EQ(Shown(green, library, found).container, green);
  EXPECT_TRUE(found);
  EXPECT_TRUE(Shown(green, library, found).group.empty());

  Shown(Bytes(100, 0), library, found);
  EXPECT_FALSE(found) << "no icon in bytes that are no icon";
}

TEST(ShownIcon, AnImageWhoseResourceIsGoneIsListedButNotRead) {
  const std::vector<StoredImage> images = {SolidImage(16, 0x0000FF), SolidImage(32, 0x00FF00)};
  testing::PeBuild pe = testing::PeLibrary({{"", 1, images}}, true);
  // Renumber the first image resource: the group's first entry names a resource that is gone.
  testing::PutAt(pe.bytes, pe.icon_type + 16, 99, 4);
  IconLibrary library;
  bool found = false;
  const ShownIcon icon = Shown(pe.bytes, library, found);
  ASSERT_TRUE(found);
  ASSERT_EQ(icon.group.size(), 2u);
  std::vector<std::uint8_t> bytes;
  EXPECT_FALSE(ReadGroupImage(library, icon.group[0], bytes));
  ASSERT_TRUE(ReadGroupImage(library, icon.group[1], bytes));
  EXPECT_EQ(bytes, images[1].resource);
}

}  // namespace
}  // namespace brindlex
