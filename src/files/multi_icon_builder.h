#pragma once

// The multi-icon builder's file work: reading one single-image icon file into the slot of
// its size and depth, and writing the filled slots as one multi-image icon file. Images are
// copied byte for byte, never re-encoded.
//
// Slots 0 to 11: slot = column x 3 + row, the column by depth (1, 4, 8, 24 bits), the row by
// size (16, 32, 48 pixels).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "files/icon_format.h"
#include "pixels/surface.h"

namespace brindlex {

constexpr int kBuilderSlotCount = 12;
// The most images one built file holds.
constexpr int kBuilderMaxIcons = 10;
// The largest image resource the builder copies. The biggest image it handles (48 x 48 at
// 24 bits) takes 7336 bytes; an entry claiming far more is damaged.
constexpr std::uint32_t kMaxSlotResourceBytes = 1u << 20;

// The slot of an image of `edge` pixels at `depth` bits, or -1 when the builder has none.
int SlotOf(int edge, int depth);
// The size (16, 32, 48) and depth (1, 4, 8, 24) of a slot.
constexpr int SlotEdge(int slot) { return 16 * (slot % 3 + 1); }
constexpr int SlotDepth(int slot) {
  constexpr int kDepths[] = {1, 4, 8, 24};
  return kDepths[slot / 3];
}
// The size of an image resource of the slot's size and depth in the usual layout (header,
// full palette, colour rows, mask rows): 176, 304, 816, 296, ... 7336 bytes.
std::uint32_t SlotImageBytes(int slot);

using SlotEntryBytes = std::array<std::uint8_t, kIconEntryBytes>;

// One image read for a slot: the source's directory entry, its image resource, and the
// image decoded (mask and colour planes of its size) for the slot's picture.
struct SlotImage {
  int slot = -1;
  SlotEntryBytes entry{};
  std::vector<std::uint8_t> data;
  Surface mask, color;
};

// How reading one input ended, in the order the builder checks.
enum class BuilderReadResult {
  kLoaded,
  kNotAnIcon,      // the file cannot be read or is not an icon file
  kNoImages,       // its image count is 0
  kSeveralImages,  // it holds more than one image
  kUnableToLoad,   // the image cannot be taken into a slot
};

// Reads one input as the builder's Open does. The image is taken when its own header gives
// a square 16, 32 or 48-pixel image that our decoder reads, when its depth (the entry's bit
// count when that is 1, 4, 8 or 24, else the header's, 0 meaning 24) is one of those four
// and the stored image is a bitmap of one of them (not PNG, not 32 bits), and when the
// resource the entry names (its image offset and bytes in resource) lies inside the file,
// holds at least the header, palette, colour and mask rows the image needs, and is at most
// kMaxSlotResourceBytes long. `image.data` holds exactly those needed bytes, without any
// slack the entry's length counts after them. `image` is filled only for kLoaded.
BuilderReadResult ReadBuilderInput(IconFileBytes bytes, SlotImage& image);
// The same on a file, read whole once; a file that cannot be read is not an icon.
BuilderReadResult ReadBuilderInput(const std::string& path, SlotImage& image);

// The images the builder holds, by slot: whether the slot is in use, and the directory entry
// and image resource read for it. Emptying a slot leaves its bytes but no longer uses them.
struct BuilderSlots {
  std::array<bool, kBuilderSlotCount> used{};
  std::array<SlotEntryBytes, kBuilderSlotCount> entries{};
  std::array<std::vector<std::uint8_t>, kBuilderSlotCount> data;

  int UsedCount() const;
  // Stores the image's entry and resource in its slot, replacing what the slot held, and
  // marks the slot used. The image's planes are left in `image`.
  void Put(SlotImage& image);
  void Empty(int slot) { used[slot] = false; }
  // The multi-image file of the used slots, as BuildMultiIconFileBytes writes it.
  bool BuildFileBytes(std::vector<std::uint8_t>& out) const;
};

// The bytes of the multi-image file of the used slots: header (type 1, the count of used
// slots), the used slots' entries from slot 11 down to 0 unchanged but for their bytes in
// resource (the length of the slot's data) and image offsets, then their resources in the
// same order, back to back. The offsets run from 16 N + 6 on, each image following the
// previous one's bytes. False when no slot is used.
bool BuildMultiIconFileBytes(const std::array<bool, kBuilderSlotCount>& used,
                             const std::array<SlotEntryBytes, kBuilderSlotCount>& entries,
                             const std::array<std::vector<std::uint8_t>, kBuilderSlotCount>& data,
                             std::vector<std::uint8_t>& out);

}  // namespace brindlex
