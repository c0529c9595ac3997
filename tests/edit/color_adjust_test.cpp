// The colour adjustment's tables: filling, slider steps, reset and writing back.
#include "edit/color_adjust.h"

#include <gtest/gtest.h>

namespace brindlex {
namespace {

// A 2 x 2 icon: opaque (100, 150, 200), opaque (250, 3, 0), transparent, inverting red.
struct Tables {
  Surface mask{2, 2, kWhite}, image{2, 2, kBlack}, preview{2, 2, kButtonFace};
  ColorTables tables;
  Tables() {
    mask.SetPixel(0, 0, kBlack);
    mask.SetPixel(1, 0, kBlack);
    image.SetPixel(0, 0, 0xC89664);
    image.SetPixel(1, 0, 0x0003FA);
    image.SetPixel(1, 1, 0x0000FF);
    FillColorTables(mask, image, 2, tables);
  }
  ChannelValues Adj(int n) const { return tables[kAdjColors][n]; }
};

TEST(ColorAdjustTables, FillMarksEveryPixelThatIsNotOpaque) {
  Tables t;
  const ChannelValues marker{1000, 1000, 1000};
  for (int table = 0; table < 3; ++table) {
    ASSERT_EQ(t.tables[table].size(), 4u);
    EXPECT_EQ(t.tables[table][0], (ChannelValues{100, 150, 200}));
    EXPECT_EQ(t.tables[table][1], (ChannelValues{250, 3, 0}));
    EXPECT_EQ(t.tables[table][2], marker);
    EXPECT_EQ(t.tables[table][3], marker);
  }
}

TEST(ColorAdjustTables, MarkedPixelsNeverComeIntoRange) {
  Tables t;
  StepColorTables(t.tables, kGreenChannel, -5, 2, t.preview);
  EXPECT_EQ(t.Adj(1).green, 3);  // 3 − 5 is out of range: the last value in range stays
  EXPECT_EQ(t.tables[kWorkColors][1].green, -2);
  // The most steps the sliders allow never bring a marked pixel into range.
  for (int i = 0; i < 102; ++i) StepColorTables(t.tables, kAllChannels, -5, 2, t.preview);
  EXPECT_EQ(t.Adj(2), (ChannelValues{1000, 1000, 1000}));
  EXPECT_EQ(t.Adj(3).blue, 1000);
  EXPECT_EQ(t.preview.GetPixel(0, 1), kButtonFace);
  EXPECT_EQ(t.preview.GetPixel(1, 1), kButtonFace);
  EXPECT_EQ(t.preview.GetPixel(0, 0), 0x000000u);
}

TEST(ColorAdjustTables, ResetAndWriteBack) {
  Tables t;
  StepColorTables(t.tables, kBlueChannel, 5, 2, t.preview);
  Surface written = t.image;
  WriteAdjustedColors(t.tables, 2, written);
  EXPECT_EQ(written.GetPixel(0, 0), 0xCD9664u);
  EXPECT_EQ(written.GetPixel(1, 0), 0x0503FAu);
  EXPECT_EQ(written.GetPixel(0, 1), kBlack);
  EXPECT_EQ(written.GetPixel(1, 1), 0x0000FFu);
  t.preview.Clear();
  ResetColorTables(t.tables, 2, t.preview, 0x123456);
  EXPECT_EQ(t.tables[kWorkColors][0], (ChannelValues{100, 150, 200}));
  EXPECT_EQ(t.Adj(1), (ChannelValues{250, 3, 0}));
  EXPECT_EQ(t.preview.GetPixel(0, 0), 0xC89664u);
  EXPECT_EQ(t.preview.GetPixel(0, 1), 0x123456u);
  EXPECT_EQ(t.preview.GetPixel(1, 1), 0x123456u);
  // Tables of the wrong size are left alone.
  ColorTables empty;
  Surface untouched = t.image;
  StepColorTables(empty, kAllChannels, 5, 2, t.preview);
  WriteAdjustedColors(empty, 2, untouched);
  EXPECT_TRUE(untouched.SamePixels(t.image));
}

}  // namespace
}  // namespace brindlex
