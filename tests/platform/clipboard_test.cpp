#include "platform/clipboard.h"

#include <gtest/gtest.h>

#include <vector>

namespace brindlex {
namespace {

TEST(ClipboardPixels, AlphaBecomesTransparencyAndChannelsSwapAtTheBoundary) {
  // Row 0: opaque 0xRRGGBB = 102030, fully transparent blue, half transparent black, one
  // pixel of padding that must not be read. Row 1: partial alpha over a non-grey colour.
  const std::vector<std::uint32_t> argb = {
      0xFF102030, 0x000000FF, 0x80000000, 0xDEADBEEF,  //
      0x40FF8000, 0xFFFFFFFF, 0x01000000, 0xDEADBEEF,
  };
  const Surface s = ArgbToSurface(argb.data(), 3, 2, 4);
  ASSERT_EQ(s.Width(), 3);
  ASSERT_EQ(s.Height(), 2);
  EXPECT_EQ(s.GetPixel(0, 0), 0x00302010u);  // red 0x10 in the low byte, opaque
  EXPECT_EQ(s.GetPixel(1, 0), 0xFFFF0000u);  // blue, transparency 255
  EXPECT_EQ(s.GetPixel(2, 0), 0x7F000000u);  // black, transparency 255 − 128
  EXPECT_EQ(s.GetPixel(0, 1), 0xBF0080FFu);
  EXPECT_EQ(s.GetPixel(1, 1), 0x00FFFFFFu);
  EXPECT_EQ(s.GetPixel(2, 1), 0xFE000000u);

  std::vector<std::uint32_t> back(6);
  SurfaceToArgb(s, back.data());
  const std::vector<std::uint32_t> unpadded = {argb[0], argb[1], argb[2],
                                               argb[4], argb[5], argb[6]};
  EXPECT_EQ(back, unpadded);
}

TEST(ClipboardPixels, NothingOrTooMuchGivesAnEmptyPicture) {
  const std::uint32_t one = 0xFF000000;
  EXPECT_EQ(ArgbToSurface(nullptr, 1, 1, 1).Width(), 0);
  EXPECT_EQ(ArgbToSurface(&one, 0, 1, 1).Width(), 0);
  EXPECT_EQ(ArgbToSurface(&one, 1, -1, 1).Width(), 0);
  EXPECT_EQ(ArgbToSurface(&one, 2, 1, 1).Width(), 0);  // stride shorter than a row
  // 20,000 x 20,000 is refused before a single pixel is read.
  EXPECT_EQ(ArgbToSurface(&one, 20000, 20000, 20000).Width(), 0);
  const Surface single = ArgbToSurface(&one, 1, 1, 1);
  EXPECT_EQ(single.Width(), 1);
  EXPECT_EQ(single.GetPixel(0, 0), kBlack);
}

TEST(MemoryClipboard, HoldsOnePictureUntilReplacedOrCleared) {
  MemoryClipboard clipboard;
  EXPECT_FALSE(clipboard.HasImage());
  EXPECT_EQ(clipboard.GetImage().Width(), 0);
  clipboard.PutImage(Surface(3, 2, 0x123456));
  EXPECT_TRUE(clipboard.HasImage());
  EXPECT_EQ(clipboard.GetImage().GetPixel(2, 1), 0x123456u);
  clipboard.PutImage(Surface(0, 5));
  EXPECT_FALSE(clipboard.HasImage());
  clipboard.PutImage(Surface(1, 1));
  clipboard.Clear();
  EXPECT_FALSE(clipboard.HasImage());
}

}  // namespace
}  // namespace brindlex
