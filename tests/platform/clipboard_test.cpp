#include "platform/clipboard.h"

#include <gtest/gtest.h>

#include <vector>

namespace brindlex {
namespace {

TEST(ClipboardPixels, AlphaIsPaintedOverWhiteAndChannelsSwapAtTheBoundary) {
  // Row 0: opaque 0xRRGGBB = 102030, fully transparent blue, half transparent black, one
  // pixel of padding that must not be read. Row 1: partial alpha over a non-grey colour.
  const std::vector<std::uint32_t> argb = {
      0xFF102030, 0x000000FF, 0x80000000, 0xDEADBEEF,  //
      0x40FF8000, 0xFFFFFFFF, 0x01000000, 0xDEADBEEF,
  };
  const Surface s = ArgbOverWhite(argb.data(), 3, 2, 4);
  ASSERT_EQ(s.Width(), 3);
  ASSERT_EQ(s.Height(), 2);
  EXPECT_EQ(s.GetPixel(0, 0), 0x302010u);  // red 0x10 in the low byte
  EXPECT_EQ(s.GetPixel(1, 0), kWhite);
  EXPECT_EQ(s.GetPixel(2, 0), 0x7F7F7Fu);  // 255 − 128 = 127 on every channel
  // alpha 0x40 = 64: red 255 stays 255, green (128·64 + 255·191 + 127) / 255 = 223,
  // blue (0 + 255·191 + 127) / 255 = 191.
  EXPECT_EQ(s.GetPixel(0, 1), 0xBFDFFFu);
  EXPECT_EQ(s.GetPixel(1, 1), kWhite);
  EXPECT_EQ(s.GetPixel(2, 1), 0xFEFEFEu);  // alpha 1 over white is not quite white

  std::vector<std::uint32_t> back(6);
  SurfaceToArgb(s, back.data());
  EXPECT_EQ(back[0], 0xFF102030u);
  EXPECT_EQ(back[3], 0xFFFFDFBFu);
}

TEST(ClipboardPixels, NothingOrTooMuchGivesAnEmptyPicture) {
  const std::uint32_t one = 0xFF000000;
  EXPECT_EQ(ArgbOverWhite(nullptr, 1, 1, 1).Width(), 0);
  EXPECT_EQ(ArgbOverWhite(&one, 0, 1, 1).Width(), 0);
  EXPECT_EQ(ArgbOverWhite(&one, 1, -1, 1).Width(), 0);
  EXPECT_EQ(ArgbOverWhite(&one, 2, 1, 1).Width(), 0);  // stride shorter than a row
  // 20,000 x 20,000 is refused before a single pixel is read.
  EXPECT_EQ(ArgbOverWhite(&one, 20000, 20000, 20000).Width(), 0);
  const Surface single = ArgbOverWhite(&one, 1, 1, 1);
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
