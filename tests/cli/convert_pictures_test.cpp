#include "cli/convert_pictures.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/tool_run.h"
#include "files/color_depth.h"
#include "files/icon_png.h"
#include "files/icon_writer.h"
#include "files/png_test_files.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::FileLine;
using testing::ToolRun;

ToolRun Convert(const std::string& in, const std::string& out) {
  const ToolRun run = testing::Tool({"convert", in, out});
  EXPECT_EQ(run.out, "");
  return run;
}

class ConvertPngTest : public ::testing::Test {
 protected:
  std::string File(const std::string& name) const { return folder_.File(name); }
  testing::TempFolder folder_;
};

TEST_F(ConvertPngTest, PngBecomesTheIconTheEditorWouldSave) {
  // 16 x 16: opaque black and white, and transparent; a one-bit icon of 198 bytes.
  Bytes rgba(16 * 16 * 4, 0);
  for (int i = 0; i < 16 * 16; ++i) {
    if (i % 3 == 0) continue;  // transparent
    const std::uint8_t v = i % 3 == 1 ? 0xFF : 0x00;
    rgba[i * 4] = rgba[i * 4 + 1] = rgba[i * 4 + 2] = v;
    rgba[i * 4 + 3] = 0xFF;
  }
  testing::WriteBytes(File("in.png"), testing::PngRgba(16, 16, rgba));
  const ToolRun run = Convert(File("in.png"), File("out.ico"));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  Surface mask(16, 16, kBlack), color(16, 16, kBlack);
  for (int i = 0; i < 16 * 16; ++i) {
    if (i % 3 == 0) mask.SetPixel(i % 16, i / 16, kWhite);
    if (i % 3 == 1) color.SetPixel(i % 16, i / 16, kWhite);
  }
  Bytes expected;
  ASSERT_TRUE(BuildIconFileBytes(mask, color, kMonoColorCount, expected));
  EXPECT_EQ(expected.size(), 198u);
  EXPECT_EQ(testing::ReadBytes(File("out.ico")), expected);

  // Back to PNG: the same pixels, transparent ones as 0, 0, 0, 0.
  const ToolRun back = Convert(File("out.ico"), File("back.png"));
  ASSERT_EQ(back.status, 0) << back.err;
  Bytes decoded;
  ASSERT_TRUE(DecodePngRgba(testing::ReadBytes(File("back.png")), 16, 16, decoded));
  EXPECT_EQ(decoded, rgba);
}

TEST_F(ConvertPngTest, IconImageBecomesRgbaPngWithAWarningForInvertingPixels) {
  // A 32 x 32 24-bit icon: all opaque red except (0, 0) transparent, (1, 0) inverting green
  // and (2, 0) inverting blue; the editor's open keeps inverting colours other than white.
  Surface mask(32, 32, kBlack), color(32, 32, 0x0000FF);
  mask.SetPixel(0, 0, kWhite), color.SetPixel(0, 0, kBlack);
  mask.SetPixel(1, 0, kWhite), color.SetPixel(1, 0, 0x00FF00);
  mask.SetPixel(2, 0, kWhite), color.SetPixel(2, 0, 0xFF0000);
  Bytes icon;
  ASSERT_TRUE(BuildIconFileBytes(mask, color, kTrueColorCount, icon));
  testing::WriteBytes(File("in.ico"), icon);

  const ToolRun run = Convert(File("in.ico") + ":0", File("out.PNG"));
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "brindlex-tool: warning: " + File("out.PNG") +
                         ": 2 inverting pixels cannot be shown in a PNG picture; written "
                         "transparent\n");
  Bytes decoded;
  ASSERT_TRUE(DecodePngRgba(testing::ReadBytes(File("out.PNG")), 32, 32, decoded));
  Bytes expected;
  for (int i = 0; i < 32 * 32; ++i) {
    const Bytes pixel = i < 3 ? Bytes{0, 0, 0, 0} : Bytes{0xFF, 0, 0, 0xFF};
    expected.insert(expected.end(), pixel.begin(), pixel.end());
  }
  EXPECT_EQ(decoded, expected);

  mask.SetPixel(2, 0, kBlack);
  ASSERT_TRUE(BuildIconFileBytes(mask, color, kTrueColorCount, icon));
  testing::WriteBytes(File("one.ico"), icon);
  EXPECT_EQ(Convert(File("one.ico"), File("one.png")).err,
            "brindlex-tool: warning: " + File("one.png") +
                ": 1 inverting pixel cannot be shown in a PNG picture; written transparent\n");
}

TEST_F(ConvertPngTest, WrongSizesDamageAndBadNamesAreClearErrors) {
  testing::WriteBytes(File("big.png"), testing::PngRgba(300, 2, Bytes(300 * 2 * 4, 0xFF)));
  ToolRun run = Convert(File("big.png"), File("out.ico"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, FileLine(File("big.png"),
                              "the picture is 300 x 2 pixels; icon and cursor images are 1 to 256 "
                              "pixels on a side (create --sizes scales a picture)"));
  testing::WriteBytes(File("huge.png"), testing::PngHeaderOnly(100000, 100000));
  run = Convert(File("huge.png"), File("out.ico"));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("100000 x 100000 pixels"), std::string::npos) << run.err;

  Bytes cut = testing::PngRgba(32, 32, Bytes(32 * 32 * 4, 0x80));
  cut.resize(cut.size() - 20);
  testing::WriteBytes(File("cut.png"), cut);
  run = Convert(File("cut.png"), File("out.ico"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, FileLine(File("cut.png"), "the PNG picture is damaged and cannot be decoded"));
  testing::WriteBytes(File("text.png"), Bytes{'h', 'i'});
  EXPECT_EQ(Convert(File("text.png"), File("out.ico")).err,
            FileLine(File("text.png"), "not an icon, cursor or PNG file"));
  EXPECT_EQ(Convert(File("none.png"), File("out.ico")).err,
            FileLine(File("none.png"), "cannot read: No such file or directory"));
  EXPECT_FALSE(std::filesystem::exists(File("out.ico")));

  // A PNG goes to an icon, a cursor or a PNG, and is one image.
  testing::WriteBytes(File("ok.png"), testing::PngRgba(16, 16, Bytes(16 * 16 * 4, 0xFF)));
  EXPECT_EQ(Convert(File("ok.png"), File("out.bmp")).status, 2);
  run = Convert(File("ok.png") + ":1", File("out.ico"));
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err.substr(0, run.err.find('\n')),
            "brindlex-tool: a PNG picture is one image; it takes no image number: " +
                File("ok.png") + ":1");
  // An icon image that is not there.
  testing::WriteBytes(File("in.ico"), testing::IconFile({testing::UniformImage(16, 1)}));
  run = Convert(File("in.ico") + ":3", File("out.png"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, FileLine(File("in.ico"), "there is no image 3 (the file holds 1 image)"));
}

}  // namespace
}  // namespace brindlex
