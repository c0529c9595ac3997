#pragma once

#include <array>
#include <cstdint>

#include "pixels/surface.h"

namespace brindlex {

// A small set of colours for counting and palette building (at most kCapacity / 2 colours,
// the most a palette needs), held in a fixed open-addressing table: no allocation.
class ColorSet {
 public:
  static constexpr int kCapacity = 1024;
  static constexpr int kMaxColors = kCapacity / 2;

  // Adds `c`; true when it was not there yet. Once kMaxColors colours are held, a new one is
  // reported as new but not stored.
  bool Insert(Color c) {
    std::uint32_t slot = Hash(c);
    while (used_[slot]) {
      if (keys_[slot] == c) return false;
      slot = (slot + 1) & (kCapacity - 1);
    }
    if (size_ >= kMaxColors) return true;
    used_[slot] = true;
    keys_[slot] = c;
    ++size_;
    return true;
  }

  int Size() const { return size_; }

 private:
  static std::uint32_t Hash(Color c) { return (c * 2654435761u) >> 22; }

  std::array<Color, kCapacity> keys_{};
  std::array<bool, kCapacity> used_{};
  int size_ = 0;
};

// Maps colours to the first palette index holding them, for the 8-bit encoder.
class ColorIndexMap {
 public:
  explicit ColorIndexMap(const std::array<Color, 256>& palette) {
    for (int i = 0; i < 256; ++i) {
      std::uint32_t slot = Hash(palette[i]);
      while (used_[slot] && keys_[slot] != palette[i]) slot = (slot + 1) & (kCapacity - 1);
      if (used_[slot]) continue;  // An earlier entry holds this colour already.
      used_[slot] = true;
      keys_[slot] = palette[i];
      values_[slot] = static_cast<std::uint8_t>(i);
    }
  }

  // The first index holding `c`, or -1.
  int Find(Color c) const {
    std::uint32_t slot = Hash(c);
    while (used_[slot]) {
      if (keys_[slot] == c) return values_[slot];
      slot = (slot + 1) & (kCapacity - 1);
    }
    return -1;
  }

 private:
  static constexpr int kCapacity = 1024;
  static std::uint32_t Hash(Color c) { return (c * 2654435761u) >> 22; }

  std::array<Color, kCapacity> keys_{};
  std::array<std::uint8_t, kCapacity> values_{};
  std::array<bool, kCapacity> used_{};
};

}  // namespace brindlex
