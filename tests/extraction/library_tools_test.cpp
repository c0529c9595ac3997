// Real programs and libraries built with the mingw-w64 cross tools from icons this test
// writes, and NE libraries written in code, read by our readers and compared with what
// icoutils' wrestool and icotool find in the same files: the number of group icons, each
// group written out as an icon file, and the pixels of each large image.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>

#include "extraction/icon_library.h"
#include "extraction/library_test_files.h"
#include "files/file_bytes.h"
#include "files/icon_png.h"
#include "pixels/pixel_alpha.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::StoredImage;

// The full path of a program on the search path, or "".
std::string FindTool(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string folders = path ? path : "/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= folders.size()) {
    const std::size_t end = std::min(folders.find(':', start), folders.size());
    const std::string candidate = folders.substr(start, end - start) + "/" + name;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return {};
}

// Runs a shell command and returns its standard output; fails the test on a non-zero status.
std::string RunTool(const std::string& command) {
  std::string out;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (!pipe) {
    ADD_FAILURE() << "cannot run " << command;
    return out;
  }
  char buffer[4096];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
  const int status = ::pclose(pipe);
  EXPECT_EQ(status, 0) << command << "\n" << out;
  return out;
}

std::string Quote(const std::string& s) { return "'" + s + "'"; }

// A 24-bit image whose pixel (x, y) has colour f(x, y), transparent where f gives ~0u.
StoredImage PatternImage(int edge, const std::function<std::uint32_t(int, int)>& f) {
  Bytes colors, masks;
  const std::size_t color_row = testing::PaddedRow(edge, 24),
                    mask_row = testing::PaddedRow(edge, 1);
  for (int r = 0; r < edge; ++r) {
    const int y = edge - 1 - r;
    Bytes mask_bits(mask_row, 0);
    for (int x = 0; x < edge; ++x) {
      const std::uint32_t c = f(x, y);
      const bool clear = c == ~0u;
      colors.insert(colors.end(), {std::uint8_t(clear ? 0 : c >> 16),
                                   std::uint8_t(clear ? 0 : c >> 8), std::uint8_t(clear ? 0 : c)});
      if (clear) mask_bits[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    colors.resize(colors.size() + color_row - 3 * edge, 0);
    masks.insert(masks.end(), mask_bits.begin(), mask_bits.end());
  }
  return testing::BitmapImage(edge, 24, {}, colors, masks);
}

// The group names wrestool lists, each once, in its order.
std::vector<std::string> WrestoolGroups(const std::string& wrestool, const std::string& file) {
  const std::string listing = RunTool(wrestool + " -l --type=14 " + Quote(file));
  std::vector<std::string> names;
  std::set<std::string> seen;
  std::size_t at = 0;
  while ((at = listing.find("--name=", at)) != std::string::npos) {
    at += 7;
    std::string name;
    if (listing[at] == '\'') {
      const std::size_t end = listing.find('\'', at + 1);
      name = listing.substr(at + 1, end - at - 1);
    } else {
      name = listing.substr(at, listing.find(' ', at) - at);
    }
    if (seen.insert(name).second) names.push_back(name);
  }
  return names;
}

// icotool refuses an image followed by padding: keep a bitmap image to the size its header
// gives (header, palette, colour rows, mask rows).
void TrimToBitmapSize(Bytes& image) {
  if (image.size() < 40 || image[0] != 40) return;
  auto u32 = [&](int at) {
    return std::uint32_t(image[at] | (image[at + 1] << 8) | (image[at + 2] << 16) |
                         (image[at + 3] << 24));
  };
  // The test images are at most 256 pixels wide.
  const int width = static_cast<int>(u32(4)), bits = image[14] | (image[15] << 8);
  const std::size_t height = u32(8) / 2;
  std::size_t palette = bits <= 8 ? (u32(32) ? u32(32) : 1u << bits) : 0;
  const std::size_t size = 40 + 4 * palette + testing::PaddedRow(width, bits) * height +
                           testing::PaddedRow(width, 1) * height;
  if (size < image.size()) image.resize(size);
}

class LibraryToolsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wrestool_ = FindTool("wrestool");
    icotool_ = FindTool("icotool");
    if (wrestool_.empty() || icotool_.empty())
      GTEST_SKIP() << "icoutils is not installed (scripts/install-deps.sh installs it)";
  }

  // Compares every group of `file` with wrestool and icotool: the count, and for each group
  // the large image as icotool extracts it against our 32 x 32 result.
  // Only the first `compared` groups have their pixels compared.
  void CompareWithIcoutils(const std::string& file, int expected_count, int compared = 1000) {
    const std::vector<std::string> names = WrestoolGroups(wrestool_, file);
    IconLibrary library;
    ASSERT_TRUE(library.Open(file));
    ASSERT_EQ(library.IconCount(), expected_count);
    ASSERT_EQ(static_cast<int>(names.size()), expected_count);
    for (int i = 0; i < expected_count && i < compared; ++i) {
      SCOPED_TRACE("group " + names[i]);
      // The group as wrestool finds it, the image our choice takes from it, and that
      // image as wrestool finds it by its number.
      const std::string group = folder_.File("group.bin"), image = folder_.File("image.bin");
      RunTool(wrestool_ + " -x --raw --type=14 --name=" + Quote(names[i]) + " -o " + Quote(group) +
              " " + Quote(file));
      const Bytes group_bytes = testing::ReadBytes(group);
      std::vector<GroupIconEntry> entries;
      ASSERT_TRUE(ParseGroupIconDirectory(group_bytes, entries));
      // The group as an icon file: ours is wrestool's up to the end of the last image.
      // wrestool leaves bytes of its buffer after that, referenced by no entry: as many as
      // the group directory has, and for a 16-bit library the alignment padding of each image.
      const std::string icon = folder_.File("group.ico");
      RunTool(wrestool_ + " -x --type=14 --name=" + Quote(names[i]) + " -o " + Quote(icon) + " " +
              Quote(file));
      const Bytes theirs = testing::ReadBytes(icon);
      IconGroupFile ours;
      ASSERT_TRUE(library.ReadGroupFile(i, ours));
      ASSERT_GE(theirs.size(), ours.bytes.size() + group_bytes.size());
      EXPECT_EQ(ours.bytes, Bytes(theirs.begin(), theirs.begin() + ours.bytes.size()));
      std::vector<IconCandidate> candidates;
      for (const GroupIconEntry& entry : entries) candidates.push_back(entry.image);
      const GroupIconEntry& chosen = entries[ChooseLargeIcon(candidates)];
      RunTool(wrestool_ + " -x --raw --type=3 --name=" + std::to_string(chosen.id) + " -o " +
              Quote(image) + " " + Quote(file));
      // icotool reads it from a one-image icon file.
      Bytes image_bytes = testing::ReadBytes(image);
      TrimToBitmapSize(image_bytes);
      testing::StoredImage stored;
      stored.resource = image_bytes;
      stored.width = static_cast<std::uint8_t>(chosen.image.width);
      stored.height = static_cast<std::uint8_t>(chosen.image.height);
      stored.bit_count = static_cast<std::uint16_t>(chosen.image.bit_count);
      const std::string single = folder_.File("single.ico");
      testing::WriteBytes(single, testing::IconFile({stored}));
      const int width = chosen.image.width, height = chosen.image.height;
      const std::string png = folder_.File("image.png");
      RunTool(icotool_ + " -x -o " + Quote(png) + " " + Quote(single));
      Bytes png_bytes, rgba;
      ASSERT_TRUE(ReadFileBytes(png, 1 << 20, png_bytes));
      ASSERT_TRUE(DecodePngRgba(png_bytes, width, height, rgba));
      Surface mask, color;
      ASSERT_TRUE(library.LoadIcon(i, mask, color));
      for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
          const std::uint8_t* p = rgba.data() + 4 * ((y * height / 32) * width + x * width / 32);
          // Partly transparent pixels keep their alpha.
          const bool shown = p[3] != 0;
          ASSERT_EQ(mask.GetPixel(x, y), shown ? kBlack : kWhite) << x << ", " << y;
          const Color expected =
              shown ? WithAlpha(p[0] | (p[1] << 8) | (p[2] << 16), p[3]) : kBlack;
          ASSERT_EQ(color.GetPixel(x, y), expected) << x << ", " << y;
        }
    }
  }

  // Builds a program or library (`library`) named `output` in the folder from a resource
  // script, with the mingw-w64 tools of `prefix`. "" when they are not installed.
  std::string BuildWithMingw(const std::string& prefix, const std::string& rc,
                             const std::string& output, bool library) {
    const std::string windres = FindTool(prefix + "-windres"), gcc = FindTool(prefix + "-gcc");
    if (windres.empty() || gcc.empty()) return {};
    testing::WriteBytes(folder_.File("icons.rc"), Bytes(rc.begin(), rc.end()));
    const std::string c = library ? "int value = 1;\n" : "int main(void) { return 0; }\n";
    testing::WriteBytes(folder_.File("main.c"), Bytes(c.begin(), c.end()));
    const std::string out = folder_.File(output);
    RunTool("cd " + Quote(folder_.Path()) + " && " + windres + " icons.rc -o icons.o && " + gcc +
            (library ? " -shared -nostdlib -Wl,-e,0" : "") + " -s -o " + Quote(out) +
            " main.c icons.o");
    return out;
  }
  static constexpr const char* kNoMingw =
      "mingw-w64 is not installed (scripts/install-deps.sh installs it)";

  testing::TempFolder folder_;
  std::string wrestool_, icotool_;
};

// Three icons: a patterned 32 x 32 with a hole beside a 16 x 16; a 48 x 48 alone; and a
// 16 x 16 named "LOGO" (listed first, as named groups are).
void WriteFixtureIcons(const testing::TempFolder& folder) {
  const StoredImage pattern = PatternImage(32, [](int x, int y) -> std::uint32_t {
    if (x >= 10 && x < 20 && y >= 4 && y < 9) return ~0u;
    return (x * 8) | ((y * 8) << 8) | (((x + y) * 4) << 16);
  });
  testing::WriteBytes(folder.File("one.ico"),
                      testing::IconFile({testing::SolidImage(16, 0x123456), pattern}));
  testing::WriteBytes(folder.File("two.ico"), testing::IconFile({PatternImage(48, [](int x, int y) {
                        return ((x ^ y) & 1) ? 0xFFFFFFu : std::uint32_t(0x0000C0 + x);
                      })}));
  testing::WriteBytes(folder.File("logo.ico"),
                      testing::IconFile({PatternImage(16, [](int x, int y) -> std::uint32_t {
                        return x == y ? ~0u : 0x00FF00u + std::uint32_t(y);
                      })}));
}

TEST_F(LibraryToolsTest, ProgramsAndLibrariesBuiltWithMingwMatchIcoutils) {
  struct Target {
    const char* prefix;
    const char* output;
    bool library;
  };
  for (const Target& target : {Target{"i686-w64-mingw32", "program32.exe", false},
                               Target{"x86_64-w64-mingw32", "library64.dll", true},
                               Target{"i686-w64-mingw32", "library32.dll", true},
                               Target{"x86_64-w64-mingw32", "program64.exe", false}}) {
    SCOPED_TRACE(target.output);
    WriteFixtureIcons(folder_);
    const std::string out = BuildWithMingw(
        target.prefix, "7 ICON \"one.ico\"\nLOGO ICON \"logo.ico\"\n3 ICON \"two.ico\"\n",
        target.output, target.library);
    if (out.empty()) GTEST_SKIP() << kNoMingw;
    // Groups: LOGO, then 3, then 7.
    CompareWithIcoutils(out, 3);
    IconLibrary library;
    ASSERT_TRUE(library.Open(out));
    EXPECT_EQ(library.Kind(), IconLibraryKind::kPe);
    Surface mask, color;
    ASSERT_TRUE(library.LoadIcon(0, mask, color));
    EXPECT_EQ(mask.GetPixel(0, 0), kWhite);      // LOGO's diagonal is transparent
    EXPECT_EQ(color.GetPixel(2, 0), 0x00FF00u);  // LOGO doubled: (2, 0) is source (1, 0)
    ASSERT_TRUE(library.LoadIcon(2, mask, color));
    EXPECT_EQ(color.GetPixel(31, 31), 0xF8F8F8u);  // the pattern's 32 x 32, not the 16
  }
}

TEST_F(LibraryToolsTest, AGroupTakesTheImagesOfItsOwnLanguage) {
  // Image 1 in German (blue) and in English (red); the group, in English, names image 1.
  const StoredImage red = testing::SolidImage(32, 0x0000FF),
                    blue = testing::SolidImage(32, 0xFF0000);
  testing::WriteBytes(folder_.File("red.bin"), red.resource);
  testing::WriteBytes(folder_.File("blue.bin"), blue.resource);
  testing::WriteBytes(folder_.File("group.bin"), testing::GroupDirectory({red}, 1));
  const std::string out =
      BuildWithMingw("x86_64-w64-mingw32",
                     "LANGUAGE 7, 1\n1 3 \"blue.bin\"\nLANGUAGE 9, 1\n1 3 \"red.bin\"\n"
                     "1 14 \"group.bin\"\n",
                     "languages.dll", true);
  if (out.empty()) GTEST_SKIP() << kNoMingw;
  IconLibrary library;
  ASSERT_TRUE(library.Open(out));
  IconGroupFile group;
  ASSERT_TRUE(library.ReadGroupFile(0, group));
  EXPECT_EQ(group.bytes, testing::IconFile({red}));
  Surface mask, color;
  ASSERT_TRUE(library.LoadIcon(0, mask, color));
  EXPECT_EQ(color.GetPixel(0, 0), 0x0000FFu);
  // wrestool takes the same image.
  RunTool(wrestool_ + " -x --type=14 -o " + Quote(folder_.File("group.ico")) + " " + Quote(out));
  const Bytes theirs = testing::ReadBytes(folder_.File("group.ico"));
  ASSERT_GE(theirs.size(), group.bytes.size());
  EXPECT_EQ(group.bytes, Bytes(theirs.begin(), theirs.begin() + group.bytes.size()));
}

TEST_F(LibraryToolsTest, NeLibrariesWrittenInCodeMatchIcoutils) {
  WriteFixtureIcons(folder_);
  std::vector<testing::LibraryGroup> groups;
  for (const char* name : {"one.ico", "two.ico", "logo.ico"}) {
    // The images of each icon file, as stored.
    Bytes ico = testing::ReadBytes(folder_.File(name));
    testing::LibraryGroup group;
    const int count = ico[4] | (ico[5] << 8);
    for (int i = 0; i < count; ++i) {
      const std::uint8_t* e = ico.data() + 6 + 16 * i;
      StoredImage image;
      image.width = e[0];
      image.height = e[1];
      image.bit_count = static_cast<std::uint16_t>(e[6] | (e[7] << 8));
      const std::uint32_t size = e[8] | (e[9] << 8) | (e[10] << 16) | (e[11] << 24);
      const std::uint32_t at = e[12] | (e[13] << 8) | (e[14] << 16) | (e[15] << 24);
      image.resource.assign(ico.begin() + at, ico.begin() + at + size);
      group.images.push_back(image);
    }
    groups.push_back(group);
  }
  const std::string path = folder_.File("library.icl");
  testing::WriteBytes(path, testing::NeLibrary(groups, 5).bytes);
  CompareWithIcoutils(path, 3);
}

TEST_F(LibraryToolsTest, WineShellLibraryMatchesIcoutils) {
  const std::string shell = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/shell32.dll";
  if (::access(shell.c_str(), R_OK) != 0)
    GTEST_SKIP() << "Wine's libraries are not installed (scripts/install-deps.sh installs libwine)";
  const int count = static_cast<int>(WrestoolGroups(wrestool_, shell).size());
  EXPECT_GT(count, 150);
  CompareWithIcoutils(shell, count, 24);
}

}  // namespace
}  // namespace brindlex
