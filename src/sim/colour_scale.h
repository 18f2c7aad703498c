// The colour scale: each kind has a base hue and fades toward white as its
// entity's energy or growth falls from 100. The fade level for a value v is
// 2.55 added to 0.0 (101 - v) times in double arithmetic, rounded after every
// addition; values outside 0..100 have no level and leave the colour as it was.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "render/draw_context.h"
#include "sim/world.h"

namespace colour_scale {

inline constexpr std::int32_t kMaxValue = 100;

// The fade level of every value 0..100, built by the same repeated addition.
constexpr std::array<double, kMaxValue + 1> MakeFadeLevels() {
  std::array<double, kMaxValue + 1> levels{};
  double a = 0.0;
  for (std::int32_t v = kMaxValue; v >= 0; --v) {
    a += 2.55;
    levels[v] = a;
  }
  return levels;
}

inline constexpr std::array<double, kMaxValue + 1> kFadeLevels = MakeFadeLevels();

constexpr std::optional<double> FadeLevel(std::int32_t value) {
  if (value < 0 || value > kMaxValue) {
    return std::nullopt;
  }
  return kFadeLevels[value];
}

// A colour component becomes a byte by truncation toward zero and its low 8 bits.
constexpr std::uint8_t ToByte(double component) {
  return static_cast<std::uint8_t>(static_cast<std::int64_t>(component) & 0xFF);
}

constexpr PenColour ToPenColour(const KindColour& colour) {
  return PenColour{ToByte(colour.red), ToByte(colour.green), ToByte(colour.blue)};
}

}  // namespace colour_scale
