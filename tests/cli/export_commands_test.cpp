// brindlex-tool convert to .bmp and .cur, and build.
#include <gtest/gtest.h>

#include "cli/tool_run.h"
#include "files/bitmap_writer.h"
#include "files/cursor_writer.h"
#include "files/icon_test_files.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::FileLine;
using testing::Tool;
using testing::ToolRun;
using testing::UniformImage;

class ExportCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // 16 x 16 at 4 bits: palette entry i is grey i, pixels entry 9 and 12 side by side, the
    // top-left pixel transparent.
    testing::StoredImage image = UniformImage(16, 4, 0x9C, 0);
    image.resource[40 + 64 + 128 + 15 * 4] = 0x80;
    image.resource[40 + 64 + 15 * 8] = 0x0C;  // its colour: entry 0, black
    testing::WriteBytes(folder.File("gris.ico"), testing::IconFile({image}));
  }
  std::string Icon(const std::string& name, int edge, int bits, std::uint8_t fill = 0) {
    const std::string path = folder.File(name);
    testing::WriteBytes(path, testing::IconFile({UniformImage(edge, bits, fill, 0)}));
    return path;
  }
  // The planes the editor has after opening gris.ico.
  void Planes(Surface& mask, Surface& color) {
    mask = Surface(16, 16, kBlack);
    color = Surface(16, 16, kBlack);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) color.SetPixel(x, y, x % 2 ? 0x0C0C0C : 0x090909);
    mask.SetPixel(0, 0, kWhite);
    color.SetPixel(0, 0, kBlack);
  }

  testing::TempFolder folder;
};

TEST_F(ExportCommandsTest, ConvertWritesWhatTheExportsWrite) {
  Surface mask, color;
  Planes(mask, color);
  const std::string bmp = folder.File("gris.bmp");
  ToolRun run = Tool({"convert", folder.File("gris.ico"), bmp});
  ASSERT_EQ(run.status, 0) << run.err;
  Bytes expected;
  ASSERT_TRUE(BuildBitmapFileBytes(ComposeOverWhite(mask, color), 256, expected));
  EXPECT_EQ(testing::ReadBytes(bmp), expected);
  EXPECT_EQ(expected.size(), 1334u);
  // White (the transparent pixel) comes first, at the top-left.
  EXPECT_EQ(Bytes(expected.begin() + 54, expected.begin() + 58), (Bytes{0xFF, 0xFF, 0xFF, 0}));

  const std::string cur = folder.File("gris.cur");
  run = Tool({"convert", folder.File("gris.ico"), cur});
  ASSERT_EQ(run.status, 0) << run.err;
  ASSERT_TRUE(BuildCursorFileBytes(mask, color, 256, 0, 0, expected));
  EXPECT_EQ(testing::ReadBytes(cur), expected);

  run = Tool({"convert", folder.File("gris.ico"), cur, "--hotspot", "15,7"});
  ASSERT_EQ(run.status, 0) << run.err;
  const Bytes with_hot_spot = testing::ReadBytes(cur);
  EXPECT_EQ(Bytes(with_hot_spot.begin() + 10, with_hot_spot.begin() + 14), (Bytes{15, 0, 7, 0}));
}

TEST_F(ExportCommandsTest, ConvertRefusesBadHotSpotsAndBadInputs) {
  const std::string in = folder.File("gris.ico");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"convert", in, folder.File("a.cur"), "--hotspot", "16,0"},
           {"convert", in, folder.File("a.cur"), "--hotspot", "-1,2"},
           {"convert", in, folder.File("a.cur"), "--hotspot", "1"},
           {"convert", in, folder.File("a.cur"), "--hotspot", "1,2x"},
           {"convert", in, folder.File("a.bmp"), "--hotspot", "1,2"},
           {"convert", in, folder.File("a.cur"), "--hotspot"},
           {"convert", in, folder.File("a.png.txt")}}) {
    const ToolRun run = Tool(args);
    EXPECT_EQ(run.status, 2) << args.back();
    EXPECT_NE(run.err.find("--help"), std::string::npos);
  }
  const ToolRun icon = Tool({"convert", in, folder.File("a.ico"), "--hotspot", "1,2"});
  EXPECT_EQ(icon.status, 2);
  EXPECT_NE(icon.err.find("--hotspot applies to .cur outputs only"), std::string::npos);
  const ToolRun outside = Tool({"convert", in, folder.File("a.cur"), "--hotspot", "16,0"});
  EXPECT_NE(outside.err.find("lies outside the 16 x 16 image"), std::string::npos) << outside.err;
  testing::WriteBytes(folder.File("malo.ico"), {0, 0, 1, 0, 1, 0, 16, 16});
  EXPECT_EQ(Tool({"convert", folder.File("malo.ico"), folder.File("a.bmp")}).status, 1);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"gris.ico", "malo.ico"}));
}

TEST_F(ExportCommandsTest, BuildFillsSlotsInOrderAndWritesAsCreateDoes) {
  const std::string mono = Icon("mono.ico", 16, 1, 0xAA);
  const std::string old_color = Icon("viejo.ico", 16, 24, 0x11);
  const std::string new_color = Icon("nuevo.ico", 16, 24, 0x33);
  const std::string out = folder.File("todo.ico");
  const ToolRun run = Tool({"build", out, mono, old_color, new_color});
  ASSERT_EQ(run.status, 0) << run.err;
  const Bytes file = testing::ReadBytes(out);
  ASSERT_EQ(file.size(), 1086u);
  const Bytes later = testing::ReadBytes(new_color);
  // The later 24-bit input replaced the earlier one, first in the file at offset 38.
  EXPECT_EQ(Bytes(file.begin() + 38, file.begin() + 910), Bytes(later.begin() + 22, later.end()));
  EXPECT_EQ(file[34], 0x8E);
  EXPECT_EQ(file[35], 0x03);
}

TEST_F(ExportCommandsTest, BuildOfTenWorksAndAnEleventhOrABadInputWritesNothing) {
  std::vector<std::string> inputs;
  const int depths[] = {1, 4, 8, 24};
  for (int slot = 0; slot < 11; ++slot)
    inputs.push_back(Icon(std::string(1, static_cast<char>('a' + slot)) + ".ico",
                          16 * (slot % 3 + 1), depths[slot / 3]));
  const std::string out = folder.File("diez.ico");
  std::vector<std::string> args = {"build", out};
  args.insert(args.end(), inputs.begin(), inputs.begin() + 10);
  ToolRun run = Tool(args);
  ASSERT_EQ(run.status, 0) << run.err;
  const Bytes ten = testing::ReadBytes(out);
  EXPECT_EQ(ten[4], 10);
  // Slots 9 down to 0: 16 pixels at 24 bits first, then 48 at 8 bits, ... 16 at 1 bit last.
  EXPECT_EQ(ten[6], 16);
  EXPECT_EQ(ten[6 + 6], 24);
  EXPECT_EQ(ten[6 + 16], 48);
  EXPECT_EQ(ten[6 + 16 + 6], 8);
  EXPECT_EQ(ten[6 + 9 * 16], 16);
  EXPECT_EQ(ten[6 + 9 * 16 + 6], 1);

  std::filesystem::remove(out);
  args.push_back(inputs[10]);
  run = Tool(args);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, FileLine(inputs[10], "a maximum of ten icons has been reached"));
  EXPECT_FALSE(std::filesystem::exists(out));

  // A 32-bit input and a PNG picture: the refusal names the command that takes them.
  const std::string alpha = Icon("alfa.ico", 32, 32);
  run = Tool({"build", out, inputs[0], alpha, inputs[1]});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, FileLine(alpha,
                              "unable to load icon (only square 16, 32 and 48-pixel images at 1, "
                              "4, 8 or 24 bits, stored whole in the file, can be loaded); "
                              "'brindlex-tool create OUT.ico IN...' takes 32-bit images, PNG "
                              "pictures and every size to 256"));
  const std::string png = folder.File("dibujo.png");
  testing::WriteBytes(png, testing::PngRgba(16, 16, Bytes(16 * 16 * 4, 0xFF)));
  EXPECT_EQ(Tool({"build", out, inputs[0], png}).err,
            FileLine(png,
                     "a PNG picture, not an icon file; 'brindlex-tool create OUT.ico IN...' takes "
                     "PNG pictures"));
  run = Tool({"build", out, inputs[0], folder.Path()});
  EXPECT_EQ(run.err, FileLine(folder.Path(), "cannot read: Is a directory"));
  testing::WriteBytes(folder.File("texto.ico"), {'h', 'i'});
  run = Tool({"build", out, inputs[0], folder.File("texto.ico")});
  EXPECT_EQ(run.err, FileLine(folder.File("texto.ico"), "not an icon file"));
  testing::WriteBytes(folder.File("vacio.ico"), {});
  EXPECT_EQ(Tool({"build", out, inputs[0], folder.File("vacio.ico")}).status, 1);
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(ExportCommandsTest, BuildNeedsTwoInputsAndTwoSlots) {
  const std::string one = Icon("uno.ico", 32, 8, 4);
  EXPECT_EQ(Tool({"build", folder.File("x.ico"), one}).status, 2);
  EXPECT_EQ(Tool({"build", folder.File("x.ico")}).status, 2);
  EXPECT_EQ(Tool({"build"}).status, 2);
  EXPECT_EQ(Tool({"build", folder.File("x.bmp"), one, one}).status, 2);
  const ToolRun same = Tool({"build", folder.File("x.ico"), one, one});
  EXPECT_EQ(same.status, 1);
  EXPECT_FALSE(std::filesystem::exists(folder.File("x.ico")));
  // The output may be one of the inputs: everything is read before it is replaced.
  const std::string two = Icon("dos.ico", 48, 1);
  const Bytes first = testing::ReadBytes(one);
  ASSERT_EQ(Tool({"build", one, one, two}).status, 0);
  const Bytes built = testing::ReadBytes(one);
  ASSERT_EQ(built.size(), 6u + 32 + 2216 + 816);
  EXPECT_EQ(Bytes(built.begin() + 38, built.begin() + 38 + 2216),
            Bytes(first.begin() + 22, first.end()));
}

TEST_F(ExportCommandsTest, HelpNamesTheNewCommands) {
  const ToolRun run = Tool({"--help"});
  EXPECT_NE(run.out.find("convert IN.ico[:INDEX] OUT.cur [--hotspot X,Y]"), std::string::npos);
  EXPECT_NE(run.out.find("convert IN.ico[:INDEX] OUT.bmp"), std::string::npos);
  EXPECT_NE(run.out.find("build OUT.ico IN.ico..."), std::string::npos);
}

}  // namespace
}  // namespace brindlex
