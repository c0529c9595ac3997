// Fuzzes the multi-icon builder's reading of one input file. An input it takes must sit in
// the slot of its size and depth with its resource copied whole; a file built from it and a
// second image must list both and decode the taken image to the same planes.

#include <cstdint>
#include <vector>

#include "files/icon_decoder.h"
#include "files/icon_reader.h"
#include "files/multi_icon_builder.h"

namespace {

using namespace brindlex;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// A 16 x 16 1-bit image in the usual layout for the other slot (or 32 x 32 when the taken
// image is 16 x 16 at 1 bit).
SlotImage OtherImage(int taken_slot) {
  const int edge = taken_slot == 0 ? 32 : 16;
  const std::uint32_t size = SlotImageBytes(taken_slot == 0 ? 1 : 0);
  SlotImage other;
  other.slot = taken_slot == 0 ? 1 : 0;
  other.entry = {
      static_cast<std::uint8_t>(edge), static_cast<std::uint8_t>(edge), 0, 0, 1, 0, 1, 0};
  for (int i = 0; i < 4; ++i) other.entry[8 + i] = static_cast<std::uint8_t>(size >> (8 * i));
  other.data.assign(size, 0);
  other.data[0] = 40;
  other.data[4] = static_cast<std::uint8_t>(edge);
  other.data[8] = static_cast<std::uint8_t>(2 * edge);
  other.data[12] = 1;
  other.data[14] = 1;
  return other;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const IconFileBytes bytes(data, size);
  SlotImage image;
  if (ReadBuilderInput(bytes, image) != BuilderReadResult::kLoaded) {
    Check(image.slot == -1 && image.data.empty());
    return 0;
  }
  Check(image.slot >= 0 && image.slot < kBuilderSlotCount);
  const int edge = SlotEdge(image.slot);
  Check(image.mask.Width() == edge && image.color.Height() == edge);
  Check(image.data.size() <= kMaxSlotResourceBytes && image.data.size() >= 40);
  Check(ReadU32(image.entry.data() + kEntryBytesInResource) == image.data.size());

  std::array<bool, kBuilderSlotCount> used{};
  std::array<SlotEntryBytes, kBuilderSlotCount> entries{};
  std::array<std::vector<std::uint8_t>, kBuilderSlotCount> resources;
  SlotImage other = OtherImage(image.slot);
  for (SlotImage* slot_image : {&image, &other}) {
    used[slot_image->slot] = true;
    entries[slot_image->slot] = slot_image->entry;
    resources[slot_image->slot] = slot_image->data;
  }
  std::vector<std::uint8_t> out;
  Check(BuildMultiIconFileBytes(used, entries, resources, out));
  Check(out.size() == 6 + 32 + image.data.size() + other.data.size());
  const IconFileBytes built(out);
  Check(GetIconImageCount(built) == 2);
  IconImageList list;
  Check(ListIconImages(built, 2, list));
  // The taken image comes first when its slot is the higher one.
  const int index = image.slot > other.slot ? 0 : 1;
  Surface mask, color;
  Check(DecodeIconEntry(built, index, edge, edge, mask, color));
  Check(mask.SamePixels(image.mask) && color.SamePixels(image.color));
  return 0;
}
