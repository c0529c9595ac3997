// The builder's reading of one input and its writing of the filled slots.
#include "files/multi_icon_builder.h"

#include <gtest/gtest.h>

#include "files/icon_decoder.h"
#include "files/icon_reader.h"
#include "icon_test_files.h"

namespace brindlex {
namespace {

using testing::Bytes;
using testing::IconFile;
using testing::UniformImage;

std::uint32_t U32At(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

BuilderReadResult Read(const Bytes& file, SlotImage& image) {
  return ReadBuilderInput(IconFileBytes(file), image);
}

TEST(MultiIconBuilder, SlotsBySizeAndDepthWithTheirUsualImageSizes) {
  EXPECT_EQ(SlotOf(16, 1), 0);
  EXPECT_EQ(SlotOf(32, 4), 4);
  EXPECT_EQ(SlotOf(48, 8), 8);
  EXPECT_EQ(SlotOf(16, 24), 9);
  EXPECT_EQ(SlotOf(48, 24), 11);
  EXPECT_EQ(SlotOf(24, 8), -1);
  EXPECT_EQ(SlotOf(32, 32), -1);
  const std::uint32_t sizes[] = {176, 304, 816, 296, 744, 1640, 1384, 2216, 3752, 872, 3240, 7336};
  for (int slot = 0; slot < kBuilderSlotCount; ++slot) {
    EXPECT_EQ(SlotImageBytes(slot), sizes[slot]) << slot;
    EXPECT_EQ(SlotOf(SlotEdge(slot), SlotDepth(slot)), slot);
  }
}

TEST(MultiIconBuilder, ReadsASingleIconIntoTheSlotOfItsSizeAndDepth) {
  const Bytes file = IconFile({UniformImage(32, 4, 0x9C, 0x00)});
  SlotImage image;
  ASSERT_EQ(Read(file, image), BuilderReadResult::kLoaded);
  EXPECT_EQ(image.slot, 4);
  EXPECT_EQ(image.entry, (SlotEntryBytes{32, 32, 0, 0, 1, 0, 4, 0, 0xE8, 2, 0, 0, 22, 0, 0, 0}));
  EXPECT_EQ(image.data, Bytes(file.begin() + 22, file.end()));
  ASSERT_EQ(image.color.Width(), 32);
  EXPECT_EQ(image.color.GetPixel(0, 0), 0x090909u);
  EXPECT_EQ(image.color.GetPixel(1, 0), 0x0C0C0Cu);
  EXPECT_EQ(image.mask.GetPixel(0, 0), kBlack);

  // The entry's bit count decides when it is one of the four depths; 0 defers to the header.
  Bytes deferred = IconFile({UniformImage(16, 8, 3, 0)});
  deferred[12] = 0;
  ASSERT_EQ(Read(deferred, image), BuilderReadResult::kLoaded);
  EXPECT_EQ(image.slot, 6);
  EXPECT_EQ(image.entry[6], 0);  // the entry is kept as it was
}

TEST(MultiIconBuilder, RefusesWhatTheWindowRefuses) {
  SlotImage image;
  EXPECT_EQ(Read({}, image), BuilderReadResult::kNotAnIcon);
  EXPECT_EQ(Read(IconFile({UniformImage(16, 1)}, 2), image), BuilderReadResult::kNotAnIcon);
  EXPECT_EQ(Read(IconFile({UniformImage(16, 1), UniformImage(32, 1)}), image),
            BuilderReadResult::kSeveralImages);
  // Not 16, 32 or 48, or not square.
  EXPECT_EQ(Read(IconFile({UniformImage(24, 8)}), image), BuilderReadResult::kUnableToLoad);
  Bytes tall = IconFile({UniformImage(16, 8)});
  tall[22 + 8] = 64;  // 16 wide, 32 high
  EXPECT_EQ(Read(tall, image), BuilderReadResult::kUnableToLoad);
  // 32 bits, whatever the entry says, and PNG images fill no slot.
  EXPECT_EQ(Read(IconFile({UniformImage(32, 32)}), image), BuilderReadResult::kUnableToLoad);
  Bytes claims_eight = IconFile({UniformImage(32, 32)});
  claims_eight[12] = 8;
  EXPECT_EQ(Read(claims_eight, image), BuilderReadResult::kUnableToLoad);
  testing::StoredImage png;
  png.resource = testing::PngRgba(16, 16, Bytes(16 * 16 * 4, 0xFF));
  png.bit_count = 24;
  EXPECT_EQ(Read(IconFile({png}), image), BuilderReadResult::kUnableToLoad);
  EXPECT_EQ(image.slot, -1);  // nothing was handed back
}

TEST(MultiIconBuilder, DamagedInputsAreRefusedWithoutReadingOutside) {
  const Bytes good = IconFile({UniformImage(48, 24, 0x40, 0)});
  SlotImage image;
  ASSERT_EQ(Read(good, image), BuilderReadResult::kLoaded);
  // Truncated anywhere in the image.
  for (std::size_t cut : {std::size_t{30}, std::size_t{62}, std::size_t{5000}, good.size() - 1}) {
    const Bytes truncated(good.begin(), good.begin() + cut);
    EXPECT_EQ(Read(truncated, image), BuilderReadResult::kUnableToLoad) << cut;
  }
  Bytes past_end = good;
  past_end[18] = 0xF0, past_end[19] = 0xFF, past_end[20] = 0xFF, past_end[21] = 0x7F;
  EXPECT_EQ(Read(past_end, image), BuilderReadResult::kUnableToLoad);
  // The entry's size must cover the image and stay within the file and a sane bound.
  Bytes short_size = good;
  short_size[14] = 0x10, short_size[15] = 0;  // 16 bytes
  EXPECT_EQ(Read(short_size, image), BuilderReadResult::kUnableToLoad);
  Bytes long_size = good;
  long_size[16] = 0x10;  // about a megabyte more than the file holds
  EXPECT_EQ(Read(long_size, image), BuilderReadResult::kUnableToLoad);
  Bytes huge_file = good;
  huge_file.resize(kMaxSlotResourceBytes + 100, 0);
  const std::uint32_t huge = kMaxSlotResourceBytes + 1;
  for (int i = 0; i < 4; ++i) huge_file[14 + i] = static_cast<std::uint8_t>(huge >> (8 * i));
  EXPECT_EQ(Read(huge_file, image), BuilderReadResult::kUnableToLoad);
  Bytes absurd_count = good;
  absurd_count[4] = 0xFF, absurd_count[5] = 0x7F;
  EXPECT_EQ(Read(absurd_count, image), BuilderReadResult::kSeveralImages);
}

TEST(MultiIconBuilder, CopiesTheImageTheEntryNamesEvenAwayFromTheUsualPlace) {
  // The image stands 10 bytes behind the directory, with a short palette of 2 entries, and
  // its entry says exactly how long it is.
  testing::StoredImage image8 = testing::BitmapImage(16, 8, Bytes{0, 0, 0xFF, 0, 0xFF, 0, 0, 0},
                                                     Bytes(16 * 16, 1), Bytes(64, 0));
  image8.resource[32] = 2;  // colours used
  Bytes file = IconFile({image8});
  file.insert(file.begin() + 22, 10, 0xEE);
  file[18] = 32;
  SlotImage image;
  ASSERT_EQ(Read(file, image), BuilderReadResult::kLoaded);
  EXPECT_EQ(image.slot, 6);
  EXPECT_EQ(image.data, image8.resource);
  EXPECT_EQ(image.data.size(), 40u + 8 + 256 + 64);
  EXPECT_EQ(image.color.GetPixel(7, 7), 0xFF0000u);  // entry 1: blue
}

TEST(MultiIconBuilder, SlackBytesTheSourceEntryCountsAreLeftBehind) {
  // Both sources' entries count 20 bytes after the mask rows, which the files hold.
  testing::StoredImage mono = UniformImage(16, 1, 0xAA, 0x0F);
  testing::StoredImage four = UniformImage(32, 4, 0x9C, 0);
  const Bytes real_mono = mono.resource, real_four = four.resource;
  std::array<bool, kBuilderSlotCount> used{};
  std::array<SlotEntryBytes, kBuilderSlotCount> entries{};
  std::array<Bytes, kBuilderSlotCount> data;
  for (testing::StoredImage* source : {&mono, &four}) {
    source->resource.resize(source->resource.size() + 20, 0xEE);
    SlotImage image;
    ASSERT_EQ(Read(IconFile({*source}), image), BuilderReadResult::kLoaded);
    EXPECT_EQ(image.data.size(), source->resource.size() - 20);
    // The slot's own entry gives the length it holds.
    EXPECT_EQ(ReadU32(image.entry.data() + kEntryBytesInResource), image.data.size());
    used[image.slot] = true;
    entries[image.slot] = image.entry;
    data[image.slot] = image.data;
  }
  Bytes out;
  ASSERT_TRUE(BuildMultiIconFileBytes(used, entries, data, out));
  // The 4-bit image (slot 4) first, then the 1-bit one, back to back, each entry giving the
  // image's real length.
  ASSERT_EQ(out.size(), 38u + 744 + 176);
  EXPECT_EQ(U32At(out, 6 + 8), 744u);
  EXPECT_EQ(U32At(out, 6 + 12), 38u);
  EXPECT_EQ(U32At(out, 22 + 8), 176u);
  EXPECT_EQ(U32At(out, 22 + 12), 38u + 744);
  EXPECT_EQ(Bytes(out.begin() + 38, out.begin() + 782), real_four);
  EXPECT_EQ(Bytes(out.begin() + 782, out.end()), real_mono);
}

TEST(MultiIconBuilder, WritesTheUsedSlotsFromTheLastOneDown) {
  std::array<bool, kBuilderSlotCount> used{};
  std::array<SlotEntryBytes, kBuilderSlotCount> entries{};
  std::array<Bytes, kBuilderSlotCount> data;
  const Bytes mono = IconFile({UniformImage(16, 1, 0xAA, 0x0F)});
  const Bytes true_color = IconFile({UniformImage(16, 24, 0x33, 0)});
  for (const Bytes* file : {&mono, &true_color}) {
    SlotImage image;
    ASSERT_EQ(Read(*file, image), BuilderReadResult::kLoaded);
    used[image.slot] = true;
    entries[image.slot] = image.entry;
    data[image.slot] = image.data;
  }
  ASSERT_TRUE(used[0] && used[9]);
  Bytes out;
  ASSERT_TRUE(BuildMultiIconFileBytes(used, entries, data, out));
  ASSERT_EQ(out.size(), 1086u);
  EXPECT_EQ(Bytes(out.begin(), out.begin() + 6), (Bytes{0, 0, 1, 0, 2, 0}));
  // First the 24-bit image at 38, then the 1-bit one at 38 + 872 = 910.
  EXPECT_EQ(Bytes(out.begin() + 6, out.begin() + 18),
            Bytes(true_color.begin() + 6, true_color.begin() + 18));
  EXPECT_EQ(U32At(out, 18), 38u);
  EXPECT_EQ(Bytes(out.begin() + 22, out.begin() + 34), Bytes(mono.begin() + 6, mono.begin() + 18));
  EXPECT_EQ(U32At(out, 34), 910u);
  EXPECT_EQ(Bytes(out.begin() + 38, out.begin() + 910),
            Bytes(true_color.begin() + 22, true_color.end()));
  EXPECT_EQ(Bytes(out.begin() + 910, out.end()), Bytes(mono.begin() + 22, mono.end()));

  // Our reader lists and decodes the result as the sources.
  IconImageList list;
  ASSERT_TRUE(ListIconImages(IconFileBytes(out), 2, list));
  EXPECT_EQ(list.rows[0].text, "16 x 16 ... True Color");
  EXPECT_EQ(list.rows[1].text, "16 x 16 ... Monochrome");
  Surface mask, color, source_mask, source_color;
  ASSERT_TRUE(DecodeIconEntry(IconFileBytes(out), 1, 16, 16, mask, color));
  ASSERT_TRUE(DecodeIconEntry(IconFileBytes(mono), 0, 16, 16, source_mask, source_color));
  EXPECT_TRUE(color.SamePixels(source_color));
  EXPECT_TRUE(mask.SamePixels(source_mask));

  EXPECT_FALSE(BuildMultiIconFileBytes({}, entries, data, out));
}

}  // namespace
}  // namespace brindlex
