// GifPalette: one GIF frame's colour table, made from the frame's pixels:
// index 0 is the transparent one, and each colour gets the next index as it
// is first met, up to 255 colours, found again through an open-addressed
// table. Pixels are 0xFFRRGGBB, so no colour is 0, which marks a free slot.
// Made once and reset for every frame.
#pragma once

#include <gif_lib.h>

#include <array>
#include <cstddef>
#include <cstdint>

class GifPalette {
 public:
  static constexpr int kTransparent = 0;
  static constexpr int kMostColours = 255;

  void Reset() {
    keys_.fill(0);
    count_ = 1;
  }

  // The colour's index; -1 once the frame holds more colours than fit.
  int IndexOf(std::uint32_t colour) {
    std::size_t slot = (colour * 2654435761u) >> 22;
    while (keys_[slot] != 0 && keys_[slot] != colour) {
      slot = (slot + 1) % kSlots;
    }
    if (keys_[slot] == 0) {
      if (count_ > kMostColours) {
        return -1;
      }
      keys_[slot] = colour;
      indices_[slot] = static_cast<std::uint8_t>(count_);
      table_[count_] = {static_cast<GifByteType>(colour >> 16),
                        static_cast<GifByteType>(colour >> 8), static_cast<GifByteType>(colour)};
      ++count_;
    }
    return indices_[slot];
  }

  // The table as giflib takes it: a power of two of at least 2 entries.
  ColorMapObject Map() {
    int bits = 1;
    while ((1 << bits) < count_) {
      ++bits;
    }
    return {1 << bits, bits, false, table_.data()};
  }

 private:
  static constexpr std::size_t kSlots = 1024;  // a power of two, 4 x the colours

  std::array<std::uint32_t, kSlots> keys_{};
  std::array<std::uint8_t, kSlots> indices_{};
  std::array<GifColorType, kMostColours + 1> table_{};
  int count_ = 1;
};
