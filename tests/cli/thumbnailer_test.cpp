// brindlex-thumbnailer: which image is taken, how it is scaled, what is written, and the
// files it refuses without leaving anything behind.
#include "cli/thumbnailer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "cli/thumbnail_choice.h"
#include "cli/thumbnail_scale.h"
#include "extraction/library_test_files.h"
#include "files/entry_decoder.h"
#include "files/file_bytes.h"
#include "files/icon_format.h"
#include "files/rgba_resample.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::StoredImage;

struct ThumbnailerRun {
  int status;
  std::string out, err;
};

ThumbnailerRun Thumbnailer(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunThumbnailer(args, out, err);
  return {status, out.str(), err.str()};
}

// The written PNG picture, decoded.
RgbaImage ReadPicture(const std::string& path) {
  EntryDecodeResult decoded;
  EXPECT_TRUE(DecodeEntryImage(testing::ReadBytes(path), decoded, kMaxThumbnailSize)) << path;
  return decoded.image;
}

// A stored PNG image of the RGBA picture.
StoredImage PngImage(const RgbaImage& picture) {
  return {testing::PngRgba(picture.width, picture.height, picture.pixels),
          static_cast<std::uint8_t>(picture.width), static_cast<std::uint8_t>(picture.height), 32};
}

// A width x height picture whose pixel (x, y) is (x, y, 200, alpha) with alpha 77 on the
// first row and 255 below.
RgbaImage Gradient(int width, int height) {
  RgbaImage picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = picture.At(x, y);
      p[0] = static_cast<std::uint8_t>(x);
      p[1] = static_cast<std::uint8_t>(y);
      p[2] = 200;
      p[3] = y == 0 ? 77 : 255;
    }
  return picture;
}

RgbaImage Solid(int edge, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  RgbaImage picture(edge, edge);
  for (int i = 0; i < edge * edge; ++i) {
    std::uint8_t* p = picture.pixels.data() + 4 * i;
    p[0] = r, p[1] = g, p[2] = b, p[3] = 255;
  }
  return picture;
}

TEST(ThumbnailChoice, SmallestAtLeastTheSizeElseLargestDeepestFirst) {
  const std::vector<IconCandidate> images = {{16, 16, 32}, {32, 32, 8},    {48, 48, 24},
                                             {32, 32, 32}, {256, 256, 32}, {64, 32, 32}};
  EXPECT_EQ(ThumbnailPreference(images, 32), (std::vector<int>{3, 1, 2, 5, 4, 0}));
  EXPECT_EQ(ThumbnailPreference(images, 60), (std::vector<int>{5, 4, 2, 3, 1, 0}));
  EXPECT_EQ(ThumbnailPreference(images, 512), (std::vector<int>{4, 5, 2, 3, 1, 0}));
  // One edge, one depth: the larger area, then the earlier image.
  EXPECT_EQ(ThumbnailPreference({{32, 16, 8}, {32, 32, 8}, {16, 32, 8}}, 16),
            (std::vector<int>{1, 0, 2}));
}

TEST(ThumbnailScale, ReducedToTheSizeOrEnlargedByWholeFactorsNeverPastIt) {
  auto expect = [](int w, int h, int size, ThumbnailScale want) {
    const ThumbnailScale got = ThumbnailSizeFor(w, h, size);
    EXPECT_EQ(got.width, want.width) << w << "x" << h << " at " << size;
    EXPECT_EQ(got.height, want.height) << w << "x" << h << " at " << size;
    EXPECT_EQ(got.enlarged, want.enlarged) << w << "x" << h << " at " << size;
  };
  expect(256, 256, 128, {128, 128, false});
  expect(256, 128, 100, {100, 50, false});
  expect(256, 1, 16, {16, 1, false});
  expect(48, 48, 256, {240, 240, true});
  expect(32, 16, 100, {96, 48, true});
  expect(32, 32, 63, {32, 32, false});
  expect(32, 32, 32, {32, 32, false});
}

TEST(ThumbnailInput, PathsAsTheyAreAndFileUrisDecoded) {
  std::string path;
  ASSERT_TRUE(InputPath("dir/a b.exe", path));
  EXPECT_EQ(path, "dir/a b.exe");
  ASSERT_TRUE(InputPath("file:///tmp/a%20b%C3%B1.ICO", path));
  EXPECT_EQ(path, "/tmp/a b\xC3\xB1.ICO");
  ASSERT_TRUE(InputPath("FILE://localhost/x%2fy", path));
  EXPECT_EQ(path, "/x/y");
  for (const char* refused : {"http://host/a.exe", "file://host/a.exe", "file:///a%2",
                              "file:///a%zz", "file:///a%00b", "file://"})
    EXPECT_FALSE(InputPath(refused, path)) << refused;
}

TEST(ThumbnailArguments, TheSizeAnywhereOnceAndTwoFiles) {
  ThumbnailRequest request;
  bool help = false;
  std::ostringstream err;
  ASSERT_TRUE(ParseThumbnailArguments({"in.exe", "-s", "64", "out.png"}, request, help, err));
  EXPECT_EQ(request.size, 64);
  EXPECT_EQ(request.input, "in.exe");
  EXPECT_EQ(request.output, "out.png");
  ASSERT_TRUE(ParseThumbnailArguments({"--size=48", "--", "-in", "out.png"}, request, help, err));
  EXPECT_EQ(request.size, 48);
  EXPECT_EQ(request.input, "-in");
  ASSERT_TRUE(ParseThumbnailArguments({"in", "out"}, request, help, err));
  EXPECT_EQ(request.size, 128);
  EXPECT_TRUE(err.str().empty());

  const ThumbnailerRun zero = Thumbnailer({"-s", "0", "in", "out"});
  EXPECT_EQ(zero.status, 2);
  EXPECT_EQ(zero.err,
            "brindlex-thumbnailer: the size must be a whole number from 1: 0\n"
            "Try 'brindlex-thumbnailer --help' for more information.\n");
  EXPECT_EQ(Thumbnailer({"-s", "8", "--size", "9", "in", "out"}).status, 2);
  EXPECT_EQ(Thumbnailer({"-s", "8", "in"}).status, 2);
  EXPECT_EQ(Thumbnailer({"-x", "in", "out"}).status, 2);
  EXPECT_EQ(Thumbnailer({"in", "out", "-s"}).status, 2);
  const ThumbnailerRun usage = Thumbnailer({"--help"});
  EXPECT_EQ(usage.status, 0);
  EXPECT_EQ(usage.out.rfind("Usage: brindlex-thumbnailer [-s SIZE] INPUT OUTPUT.png\n", 0), 0u);
  const ThumbnailerRun version = Thumbnailer({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out + version.err, "brindlex-thumbnailer " BRINDLEX_VERSION "\n");
}

class ThumbnailerFiles : public ::testing::Test {
 protected:
  // Runs the thumbnailer on `bytes` written to a file of that name at `size`; the picture.
  RgbaImage Draw(const std::string& name, const Bytes& bytes, int size) {
    testing::WriteBytes(folder.File(name), bytes);
    const ThumbnailerRun run = Thumbnailer({"-s", std::to_string(size), folder.File(name), out});
    EXPECT_EQ(run.status, 0) << run.err;
    return ReadPicture(out);
  }
  // Runs it on a file that gives no thumbnail: status 1, `reason` on the error line, and no
  // output file.
  void ExpectNone(const std::string& input, const std::string& reason) {
    std::filesystem::remove(out);
    const ThumbnailerRun run = Thumbnailer({"-s", "64", input, out});
    EXPECT_EQ(run.status, 1) << input;
    EXPECT_EQ(run.err, "brindlex-thumbnailer: " + input + ": " + reason + "\n");
    EXPECT_FALSE(std::filesystem::exists(out)) << input;
  }

  testing::TempFolder folder;
  const std::string out = folder.File("thumbnail.png");
};

TEST_F(ThumbnailerFiles, IconFilesGiveTheirBestImageEnlargedPixelForPixelWithItsAlpha) {
  const RgbaImage small = Gradient(3, 2);
  // At 8 the 3 x 2 picture is twice as large: 6 x 4.
  const RgbaImage enlarged = Draw("a.ico", testing::IconFile({PngImage(small)}), 8);
  ASSERT_EQ(enlarged.width, 6);
  ASSERT_EQ(enlarged.height, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x)
      EXPECT_TRUE(std::equal(enlarged.At(x, y), enlarged.At(x, y) + 4, small.At(x / 2, y / 2)))
          << x << "," << y;
  EXPECT_EQ(enlarged.At(5, 1)[3], 77) << "alpha as stored";

  // A 16-pixel 8-bit image, every pixel palette entry 5, its mask all opaque, beside the
  // 3 x 2 one: at 48 the larger is taken, three times.
  const Bytes icon = testing::IconFile({testing::UniformImage(16, 8, 5), PngImage(small)});
  const RgbaImage grey = Draw("b.ico", icon, 48);
  ASSERT_EQ(grey.width, 48);
  EXPECT_EQ(grey.pixels, Solid(48, 5, 5, 5).pixels);
  // A cursor's mask-white pixels are transparent, over black (transparent) or over another
  // colour (inverting) alike.
  for (const int fill : {0x00, 0x11})
    EXPECT_EQ(Draw("c.cur",
                   testing::IconFile(
                       {testing::UniformImage(32, 4, static_cast<std::uint8_t>(fill), 0xFF)}, 2),
                   32),
              RgbaImage(32, 32))
        << fill;
}

TEST_F(ThumbnailerFiles, ProgramsShowTheirFirstGroupReducedWithTheResampler) {
  const RgbaImage big = Gradient(64, 64);
  const std::vector<testing::LibraryGroup> groups = {
      {"",
       3,
       {testing::SolidImage(16, 0x0000FF), PngImage(big), testing::SolidImage(48, 0x00FF00)}},
      {"", 1, {testing::SolidImage(16, 0xFF0000)}}};
  const Bytes pe = testing::PeLibrary(groups, true).bytes;
  // 40: the 48-pixel image, the smallest at least 40, reduced.
  EXPECT_EQ(Draw("a.exe", pe, 40), ResampleRgba(Solid(48, 0, 255, 0), 40, 40));
  EXPECT_EQ(Draw("b.dll", pe, 50), ResampleRgba(big, 50, 50));
  // 256: nothing is as large; the largest, 64, four times.
  const RgbaImage four = Draw("c.ocx", pe, 256);
  ASSERT_EQ(four.width, 256);
  EXPECT_TRUE(std::equal(four.At(255, 255), four.At(255, 255) + 4, big.At(63, 63)));
  EXPECT_EQ(Draw("d.icl", testing::NeLibrary(groups).bytes, 16), Solid(16, 255, 0, 0));

  // The first step's frame of an animated cursor.
  const Bytes red = testing::IconFile({testing::SolidImage(32, 0x0000FF)}, 2);
  const Bytes blue = testing::IconFile({testing::SolidImage(32, 0xFF0000)}, 2);
  EXPECT_EQ(Draw("e.ani", testing::AniFile({red, blue}, {1, 0}, 2), 32), Solid(32, 0, 0, 255));
}

TEST_F(ThumbnailerFiles, AnImageThatDoesNotDecodeGivesWayToTheNextOneUpToSixteen) {
  StoredImage broken = PngImage(Gradient(48, 48));
  broken.resource.resize(60);  // cut inside the PNG stream
  EXPECT_EQ(
      Draw("a.exe",
           testing::PeLibrary({{"", 1, {broken, testing::SolidImage(32, 0x00FF00)}}}, false).bytes,
           48),
      Solid(32, 0, 255, 0));
  // Only the first 16 images are tried: past them a damaged group costs no more lookups.
  std::vector<StoredImage> many(16, broken);
  many.push_back(testing::SolidImage(32, 0x00FF00));
  testing::WriteBytes(folder.File("b.exe"), testing::PeLibrary({{"", 1, many}}, false).bytes);
  ExpectNone(folder.File("b.exe"), "the icon cannot be decoded");
}

TEST_F(ThumbnailerFiles, ImagesAbove256AreReducedAndBarePngPicturesDrawn) {
  // A 512-pixel PNG entry (its directory says 256) beside a 48-pixel image: the large one is
  // reduced, never the small one enlarged.
  const RgbaImage large = Gradient(512, 512);
  const Bytes icon = testing::IconFile({PngImage(large), testing::SolidImage(48, 0x00FF00)});
  EXPECT_EQ(Draw("a.ico", icon, 512), large);
  EXPECT_EQ(Draw("a.ico", icon, 256), ResampleRgba(large, 256, 256));
  EXPECT_EQ(Draw("a.ico", icon, 48), Solid(48, 0, 255, 0));

  // A favicon that is a PNG picture, whatever its name.
  const RgbaImage small = Gradient(16, 16);
  const Bytes png = testing::PngRgba(16, 16, small.pixels);
  EXPECT_EQ(Draw("favicon.ico", png, 16), small);
  const RgbaImage doubled = Draw("favicon.ico", png, 32);
  ASSERT_EQ(doubled.width, 32);
  EXPECT_TRUE(std::equal(doubled.At(31, 31), doubled.At(31, 31) + 4, small.At(15, 15)));
  Bytes cut = png;
  cut.resize(40);  // the header, but no picture
  testing::WriteBytes(folder.File("cut.png"), cut);
  ExpectNone(folder.File("cut.png"), "the icon cannot be decoded");
}

TEST_F(ThumbnailerFiles, EntriesNamingOneStoredImageAreTriedOnce) {
  // Sixteen directory entries point at one damaged image; the seventeenth is sound. The
  // damaged image is tried once, so the sound one is still reached.
  StoredImage broken = PngImage(Gradient(48, 48));
  broken.resource.resize(60);  // cut inside the PNG stream
  std::vector<StoredImage> images(16, broken);
  images.push_back(testing::SolidImage(32, 0x00FF00));
  Bytes icon = testing::IconFile(images);
  const std::uint32_t first_offset = ReadU32(icon.data() + 6 + 12);
  for (int entry = 1; entry < 16; ++entry)
    testing::PutAt(icon, 6 + 16 * entry + 12, first_offset, 4);
  EXPECT_EQ(Draw("a.ico", icon, 48), Solid(32, 0, 255, 0));
}

TEST_F(ThumbnailerFiles, FilesWithoutAnIconLeaveNoPictureAndAUriNamesAFile) {
  testing::WriteBytes(folder.File("text.exe"), Bytes(4096, 'M'));
  ExpectNone(folder.File("text.exe"), "the file holds no icon");
  testing::WriteBytes(folder.File("empty.dll"), testing::PeLibrary({}, true).bytes);
  ExpectNone(folder.File("empty.dll"), "the file holds no icon");
  StoredImage broken = testing::SolidImage(32, 0x00FF00);
  broken.resource.resize(45);
  testing::WriteBytes(folder.File("broken.dll"),
                      testing::PeLibrary({{"", 1, {broken}}}, true).bytes);
  ExpectNone(folder.File("broken.dll"), "the icon cannot be decoded");
  // An icon file past the readers' limit, sparse on disk.
  const std::string huge = folder.File("huge.ico");
  testing::WriteBytes(huge, testing::IconFile({testing::SolidImage(16, 0x0)}));
  ASSERT_EQ(::truncate(huge.c_str(), static_cast<off_t>(kMaxIconFileBytes + 1)), 0);
  ExpectNone(huge, "the file is too large (more than 64 MiB)");
  ExpectNone(folder.Path(), "cannot read: Is a directory");
  ExpectNone(folder.File("missing.exe"), "cannot read: No such file or directory");
  const std::string fifo = folder.File("pipe.exe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ExpectNone(fifo, "cannot read: Not a regular file");
  ExpectNone("http://example/a.exe", "not a local file");

  testing::WriteBytes(folder.File("a b.ico"), testing::IconFile({testing::SolidImage(16, 0x0)}));
  const ThumbnailerRun uri = Thumbnailer({"-s", "16", "file://" + folder.File("a%20b.ico"), out});
  EXPECT_EQ(uri.status, 0) << uri.err;
  EXPECT_EQ(ReadPicture(out), Solid(16, 0, 0, 0));

  const ThumbnailerRun unwritable =
      Thumbnailer({folder.File("a b.ico"), folder.File("no/such/out.png")});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_EQ(unwritable.err.rfind(
                "brindlex-thumbnailer: " + folder.File("no/such/out.png") + ": cannot write: ", 0),
            0u);
}

}  // namespace
}  // namespace brindlex
