// The generator behind the spawn buttons: the classic C runtime linear
// congruential generator, never seeded. Its state starts at 1, and every draw
// gives a number in 0..32767, the same sequence on every platform, so a
// session replays identically everywhere.
#pragma once

#include <cstdint>

class Random {
 public:
  static constexpr std::uint32_t kDefaultSeed = 1;

  explicit Random(std::uint32_t seed = kDefaultSeed) : state_(seed) {}

  std::int32_t Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<std::int32_t>((state_ >> 16) & 0x7FFFu);
  }

 private:
  std::uint32_t state_;
};
