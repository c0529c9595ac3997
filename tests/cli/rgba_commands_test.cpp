// brindlex-tool on RGBA pictures: convert between PNG pictures, icons and cursors keeping
// every alpha value, and create from several pictures or several sizes of one.
#include <gtest/gtest.h>

#include <cstdlib>

#include "cli/tool_run.h"
#include "files/color_depth.h"
#include "files/container_writer.h"
#include "files/entry_decoder.h"
#include "files/icon_container.h"
#include "files/icon_writer.h"
#include "files/picture_file.h"
#include "files/png_export.h"
#include "files/png_test_files.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::FileLine;
using testing::Tool;
using testing::ToolRun;

// A width x height picture: a red ramp across, alpha rising down (0 on the first row), so
// that every size has partly transparent pixels and no two rows alike.
RgbaImage Ramp(int width, int height) {
  RgbaImage image(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = image.At(x, y);
      p[0] = static_cast<std::uint8_t>(x * 255 / width);
      p[1] = 40;
      p[3] = static_cast<std::uint8_t>(y * 255 / height);
    }
  return image;
}

class RgbaCommandsTest : public ::testing::Test {
 protected:
  std::string File(const std::string& name) const { return folder_.File(name); }
  std::string WritePng(const std::string& name, const RgbaImage& image) const {
    testing::WriteBytes(File(name), testing::PngRgba(image.width, image.height, image.pixels));
    return File(name);
  }
  // Picture `index` of a file the tool wrote, read by content.
  FilePicture Read(const std::string& name, int index = 0) const {
    FilePicture picture;
    EXPECT_EQ(ReadFilePicture(testing::ReadBytes(File(name)), index, picture).status,
              PictureReadStatus::kOk)
        << name << ":" << index;
    return picture;
  }
  // Runs the tool and expects it to succeed silently.
  void Run(const std::vector<std::string>& args) const {
    const ToolRun run = Tool(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
  }
  testing::TempFolder folder_;
};

TEST_F(RgbaCommandsTest, ConvertKeepsAlphaBetweenPngIconAndCursorEveryWay) {
  const RgbaImage soft = Ramp(64, 40);
  const std::string png = WritePng("soft.png", soft);
  Run({"convert", png, File("soft.ico")});
  Run({"convert", png, File("soft.cur"), "--hotspot", "63,39"});
  Run({"convert", File("soft.cur"), File("again.cur")});  // a cursor reads back, hot spot kept
  Run({"convert", File("again.cur"), File("back.png")});
  Run({"convert", File("soft.ico"), File("back2.png")});
  // An icon image the editor cannot take whole makes a cursor without loss.
  Run({"convert", File("soft.ico"), File("from_icon.cur"), "--hotspot", "1,2"});
  EXPECT_EQ(Tool({"list", File("soft.ico"), File("again.cur")}).out,
            File("soft.ico") + ": 64 x 40 ... True Color, 32-bit, colour count 0, 10600 bytes\n" +
                File("again.cur") +
                ": 64 x 40 ... True Color, 32-bit, colour count 0, 10600 bytes, hot spot 63,39\n");
  EXPECT_EQ(Read("from_icon.cur").hot_spot_y, 2);
  for (const char* name : {"soft.ico", "again.cur", "back.png", "back2.png", "from_icon.cur"})
    EXPECT_EQ(Read(name).image, soft) << name;

  // A PNG picture named .ico, and a cursor named .ico, are read as what they hold.
  testing::WriteBytes(File("png.ico"), testing::ReadBytes(png));
  testing::WriteBytes(File("cursor.ico"), testing::ReadBytes(File("soft.cur")));
  Run({"convert", File("png.ico"), File("256.cur")});
  Run({"convert", File("cursor.ico"), File("from_cursor.png")});
  EXPECT_EQ(Read("256.cur").image, soft);
  EXPECT_EQ(Read("from_cursor.png").image, soft);
  EXPECT_EQ(Tool({"list", File("png.ico")}).out,
            "64 x 40 ... True Color, PNG, colour count 0, " +
                std::to_string(testing::ReadBytes(png).size()) + " bytes\n");

  // At 256 pixels the entry is PNG; with --png at any size.
  Run({"convert", WritePng("big.png", Ramp(256, 256)), File("big.ico")});
  Run({"convert", png, File("small.ico"), "--png"});
  for (const char* name : {"big.ico", "small.ico"}) EXPECT_TRUE(Read(name).is_png) << name;
  EXPECT_EQ(Read("big.ico").image, Ramp(256, 256));
}

TEST_F(RgbaCommandsTest, InvertingPixelsAreKeptInEveryBitmapEntryAndReportedWhereLost) {
  // 20 x 20 opaque red at 24 bits with two inverting pixels, white at (0, 0), green at (5, 19).
  Surface mask(20, 20, kBlack), color(20, 20, 0x0000FF);
  mask.SetPixel(0, 0, kWhite), color.SetPixel(0, 0, kWhite);
  mask.SetPixel(5, 19, kWhite), color.SetPixel(5, 19, 0x00FF00);
  Bytes icon;
  ASSERT_TRUE(BuildIconFileBytes(mask, color, kTrueColorCount, icon));
  testing::WriteBytes(File("in.ico"), icon);
  const std::vector<InvertingPixel> inverting = {{0, 0, 255, 255, 255}, {5, 19, 0, 255, 0}};
  ASSERT_EQ(Read("in.ico").inverting, inverting);

  Run({"convert", File("in.ico"), File("a.cur"), "--hotspot", "2,3"});
  Run({"convert", File("a.cur"), File("b.ico")});
  Run({"create", File("c.ico"), File("b.ico")});
  for (const char* name : {"a.cur", "b.ico", "c.ico"}) {
    EXPECT_EQ(Read(name).inverting, inverting) << name;
    EXPECT_EQ(Read(name).image, Read("in.ico").image) << name;
  }
  // Red, white and green are standard colours: the editor's 4-bit bytes of the same planes.
  Bytes editor;
  ASSERT_TRUE(BuildIconFileBytes(mask, color, k16ColorCount, editor));
  EXPECT_EQ(testing::ReadBytes(File("b.ico")), editor);

  const std::string lost = ": 2 inverting pixels cannot ";
  EXPECT_EQ(Tool({"create", File("d.ico"), File("in.ico"), "--png"}).err,
            "brindlex-tool: warning: " + File("d.ico") + lost +
                "be shown in a PNG picture; written transparent\n");
  EXPECT_EQ(Tool({"create", File("e.ico"), File("in.ico"), "--sizes", "16"}).err,
            "brindlex-tool: warning: " + File("e.ico") + lost +
                "be kept in a scaled picture; written transparent\n");
  EXPECT_TRUE(Read("d.ico").inverting.empty());
}

TEST_F(RgbaCommandsTest, ACursorImageWrittenBackIntoItsFileGoesFirst) {
  Bytes cursor;
  ASSERT_TRUE(BuildContainerFileBytes(kCursorType, {{Ramp(32, 32), 9, 8}, {Ramp(16, 16), 1, 2}},
                                      false, cursor));
  testing::WriteBytes(File("two.cur"), cursor);
  Run({"convert", File("two.cur") + ":1", File("two.cur"), "--hotspot", "3,4"});
  EXPECT_EQ(Tool({"list", File("two.cur")}).out,
            "16 x 16 ... True Color, 32-bit, colour count 0, 1128 bytes, hot spot 3,4\n"
            "32 x 32 ... True Color, 32-bit, colour count 0, 4264 bytes, hot spot 9,8\n");
  EXPECT_EQ(Read("two.cur", 1).image, Ramp(32, 32));
}

TEST_F(RgbaCommandsTest, CreateSortsEntriesAndScalesSizesAndHotSpots) {
  // Three inputs: a 48-pixel PNG, image 1 of an icon (16 x 16) and a 32-pixel cursor.
  const RgbaImage p48 = Ramp(48, 48), p16 = Ramp(16, 16), p32 = Ramp(32, 32);
  Bytes icon, cursor;
  ASSERT_TRUE(BuildContainerFileBytes(kIconType, {{p32}, {p16}}, false, icon));
  ASSERT_TRUE(BuildContainerFileBytes(kCursorType, {{p32, 9, 8}}, false, cursor));
  testing::WriteBytes(File("two.ico"), icon);
  testing::WriteBytes(File("p32.cur"), cursor);
  Run({"create", File("out.ico"), File("two.ico") + ":1", WritePng("p48.png", p48),
       File("p32.cur")});
  EXPECT_EQ(Tool({"list", File("out.ico")}).out,
            "48 x 48 ... True Color, 32-bit, colour count 0, 9640 bytes\n"
            "32 x 32 ... True Color, 32-bit, colour count 0, 4264 bytes\n"
            "16 x 16 ... True Color, 32-bit, colour count 0, 1128 bytes\n");
  EXPECT_EQ(Read("out.ico", 0).image, p48);
  EXPECT_EQ(Read("out.ico", 1).image, p32);
  EXPECT_EQ(Read("out.ico", 2).image, p16);

  // One picture at several sizes; a repeated size made once; the hot spot scaled.
  Run({"create", File("sizes.cur"), WritePng("p64.png", Ramp(64, 64)), "--sizes", "16,256,32,16",
       "--hotspot", "63,32"});
  EXPECT_EQ(Tool({"list", File("sizes.cur")}).out.substr(0, 31), "256 x 256 ... True Color, PNG, ");
  IconContainer container;
  ASSERT_TRUE(ReadIconContainer(testing::ReadBytes(File("sizes.cur")), container));
  ASSERT_EQ(container.entries.size(), 3u);
  const int expected[3][3] = {{256, 252, 128}, {32, 31, 16}, {16, 15, 8}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(container.entries[i].width, expected[i][0]);
    EXPECT_EQ(container.entries[i].hot_spot_x, expected[i][1]);
    EXPECT_EQ(container.entries[i].hot_spot_y, expected[i][2]);
  }
  // A wide picture keeps its shape, centred in its square: the rows above and below are
  // transparent.
  Run({"create", File("wide.ico"), WritePng("wide.png", Ramp(64, 32)), "--sizes", "16"});
  const RgbaImage wide = Read("wide.ico").image;
  EXPECT_EQ(wide.At(8, 3)[3], 0);
  EXPECT_EQ(wide.At(8, 12)[3], 0);
  EXPECT_GT(wide.At(8, 10)[3], 100);
}

TEST_F(RgbaCommandsTest, CreateRefusesBadInputsClearly) {
  const std::string png = WritePng("p.png", Ramp(20, 20));
  const std::string big = WritePng("big.png", Ramp(300, 2));
  const ToolRun repeated = Tool({"create", File("o.ico"), png, png});
  EXPECT_EQ(repeated.status, 0);
  EXPECT_EQ(repeated.err,
            "brindlex-tool: warning: " + png +
                ": an earlier input has the same size, 20 x 20; this one is left out\n");
  struct Refusal {
    std::vector<std::string> args;
    int status;
    std::string first_line;
  };
  const std::vector<Refusal> refusals = {
      {{"create", File("o.png"), png},
       2,
       "brindlex-tool: the output must be an .ico or .cur file: " + File("o.png")},
      {{"create", File("o.ico"), png, "--hotspot", "1,1"},
       2,
       "brindlex-tool: --hotspot makes a cursor: the output must be a .cur file"},
      {{"create", File("o.cur"), png, "--hotspot", "20,0"},
       2,
       "brindlex-tool: the hot spot 20,0 lies outside the 20 x 20 image"},
      {{"create", File("o.ico"), png, "--sizes", "16,0"},
       2,
       "brindlex-tool: --sizes takes sizes from 1 to 256 separated by commas: 16,0"},
      {{"create", File("o.ico"), png, "--sizes", "16,257"},
       2,
       "brindlex-tool: --sizes takes sizes from 1 to 256 separated by commas: 16,257"},
      {{"create", File("o.ico"), png, png, "--sizes", "16"},
       2,
       "brindlex-tool: --sizes takes one input picture"},
      {{"create", File("o.ico")},
       2,
       "brindlex-tool: create takes an output file and one input or more"},
      {{"list", png, "--sizes", "16"}, 2, "brindlex-tool: --sizes applies to create only"},
      {{"create", File("o.ico"), big},
       1,
       "brindlex-tool: " + big +
           ": the picture is 300 x 2 pixels; icon and cursor images are 1 to 256 pixels on a "
           "side (create --sizes scales a picture)"},
      {{"create", File("o.ico"), png + ":1"},
       2,
       "brindlex-tool: a PNG picture is one image; it takes no image number: " + png + ":1"},
  };
  for (const Refusal& refusal : refusals) {
    std::filesystem::remove(File("o.ico"));
    const ToolRun run = Tool(refusal.args);
    EXPECT_EQ(run.status, refusal.status) << refusal.first_line;
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), refusal.first_line);
    EXPECT_FALSE(std::filesystem::exists(File("o.ico"))) << refusal.first_line;
  }
  Run({"create", File("o.ico"), big, "--sizes", "24"});
  EXPECT_EQ(Read("o.ico").image.width, 24);
  // Blanks around the sizes, as a shell line may give them.
  Run({"create", File("o.ico"), big, "--sizes", " 16, 32 ,48 "});
  EXPECT_EQ(Read("o.ico", 2).image.width, 16);
}

// An edge x edge picture of `colours` colours, none of them black, white or a standard one,
// pixel i of colour i % colours; with `holes`, every pixel whose x + y is a multiple of 5 is
// transparent.
RgbaImage FewColours(int edge, int colours, bool holes) {
  RgbaImage image(edge, edge);
  for (int y = 0; y < edge; ++y)
    for (int x = 0; x < edge; ++x) {
      if (holes && (x + y) % 5 == 0) continue;
      const int c = (y * edge + x) % colours;
      std::uint8_t* p = image.At(x, y);
      p[0] = static_cast<std::uint8_t>((c * 37 + 11) % 251 + 2);
      p[1] = static_cast<std::uint8_t>((c * 91 + 7) % 249 + 3);
      p[2] = static_cast<std::uint8_t>((c / 7 * 13 + 5) % 247 + 4);
      p[3] = 255;
    }
  return image;
}

TEST_F(RgbaCommandsTest, CreateIsAsSmallAsIcotoolForPicturesOfFewColours) {
  // The bytes of the one-image file, as icotool -c makes it too: 1, 4 and 8 bits with a
  // palette of the picture's own colours (black counted when a pixel is transparent), else
  // 24 bits.
  struct Case {
    int colours;
    std::size_t bytes_32, bytes_32_holes, bytes_48, bytes_48_holes;
  };
  const std::vector<Case> cases = {{1, 326, 326, 838, 838},      {2, 326, 766, 838, 1662},
                                   {3, 766, 766, 1662, 1662},    {16, 766, 2238, 1662, 3774},
                                   {17, 2238, 2238, 3774, 3774}, {256, 2238, 3262, 3774, 7358},
                                   {257, 3262, 3262, 7358, 7358}};
  const bool icotool = std::system("command -v icotool >/dev/null 2>&1") == 0;
  for (const Case& c : cases)
    for (const int edge : {32, 48, 100, 256})
      for (const bool holes : {false, true}) {
        const std::string name =
            std::to_string(edge) + "-" + std::to_string(c.colours) + (holes ? "-holes" : "");
        const RgbaImage picture = FewColours(edge, c.colours, holes);
        const std::string png = WritePng(name + ".png", picture);
        Run({"create", File(name + ".ico"), png});
        const std::size_t bytes = testing::ReadBytes(File(name + ".ico")).size();
        if (edge == 32) {
          EXPECT_EQ(bytes, holes ? c.bytes_32_holes : c.bytes_32) << name;
        } else if (edge == 48) {
          EXPECT_EQ(bytes, holes ? c.bytes_48_holes : c.bytes_48) << name;
        }
        EXPECT_EQ(Read(name + ".ico").image, picture) << name;
        if (!icotool) continue;
        const std::string made = File(name + "-icotool.ico");
        const std::string command = "icotool -c -o '" + made + "' '" + png + "' 2>/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << name;
        // The same bitmap bytes below 256 pixels; a smaller PNG entry at 256.
        const std::size_t theirs = testing::ReadBytes(made).size();
        if (edge < 256) {
          EXPECT_EQ(bytes, theirs) << name;
        } else {
          EXPECT_LT(bytes, theirs) << name;
        }
      }
}

TEST_F(RgbaCommandsTest, APictureIsLimitedByItsPixelsNotItsBytes) {
  // 2100 x 2100 pixels of noise: a PNG file of 17 MB, which deflate cannot shrink.
  RgbaImage noise(2100, 2100);
  std::uint32_t state = 1;
  for (std::uint8_t& byte : noise.pixels)
    byte = static_cast<std::uint8_t>((state *= 1664525u) >> 24);
  Bytes png;
  ASSERT_TRUE(EncodePngRgba(noise.width, noise.height, noise.pixels, png, PngCompression::kFast));
  ASSERT_GT(png.size(), 17'000'000u);
  testing::WriteBytes(File("noise.png"), png);
  Run({"create", File("o.ico"), File("noise.png"), "--sizes", "32"});
  EXPECT_EQ(Read("o.ico").image.width, 32);

  // Past 4096 pixels a side, the refusal names the limit.
  const std::string wide = WritePng("wide.png", Ramp(4097, 1));
  const ToolRun run = Tool({"create", File("w.ico"), wide, "--sizes", "32"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, FileLine(wide,
                              "the picture is 4097 x 1 pixels; pictures of 1 to 4096 pixels on a "
                              "side can be read"));
  EXPECT_FALSE(std::filesystem::exists(File("w.ico")));
}

// Other programs read what create writes without a complaint (when icoutils is installed).
TEST_F(RgbaCommandsTest, IcotoolReadsCreatedFilesSilently) {
  if (std::system("command -v icotool >/dev/null 2>&1") != 0) GTEST_SKIP() << "no icotool";
  Run({"create", File("all.ico"), WritePng("p.png", Ramp(256, 256)), "--sizes", "16,24,48,256"});
  Run({"create", File("all.cur"), File("p.png"), "--sizes", "32,256", "--hotspot", "5,6"});
  for (const char* name : {"all.ico", "all.cur"}) {
    const std::string command =
        "icotool -l '" + File(name) + "' >'" + File("listed") + "' 2>'" + File("errors") + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << name;
    EXPECT_EQ(testing::ReadBytes(File("errors")), Bytes()) << name;
  }
  const Bytes listed = testing::ReadBytes(File("listed"));
  EXPECT_EQ(std::string(listed.begin(), listed.end()),
            "--cursor --index=1 --width=256 --height=256 --bit-depth=32 --palette-size=0 "
            "--hotspot-x=5 --hotspot-y=6\n"
            "--cursor --index=2 --width=32 --height=32 --bit-depth=32 --palette-size=0 "
            "--hotspot-x=0 --hotspot-y=0\n");
}

}  // namespace
}  // namespace brindlex
