// DeviceScale: the one rounding rule that turns a length in the board's
// logical pixels into device pixels at a display scale s:
//
//   D(v) = floor(v * s + 1/2)
//
// s is held in 64-bit fixed point with 16 fraction bits, so the rule is exact
// integer arithmetic and gives the same pixels on every compiler. The usual
// desktop scales (1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4) are held exactly; any
// other is taken to the nearest 1/65536. A scale below 1, above 4 or not a
// number is clamped into [1, 4] (NaN counts as 1).
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

class DeviceScale {
 public:
  explicit DeviceScale(double scale)
      : fixed_(std::llround(std::clamp(std::isnan(scale) ? 1.0 : scale, 1.0, 4.0) * kOne)) {}

  // Any 32-bit value: |v * s| stays below 2^35, far inside 64 bits.
  std::int64_t ToDevice(std::int32_t logical) const {
    // An arithmetic right shift is floor division by 2^16.
    return (std::int64_t{logical} * fixed_ + kOne / 2) >> kFractionBits;
  }

 private:
  static constexpr int kFractionBits = 16;
  static constexpr std::int64_t kOne = std::int64_t{1} << kFractionBits;

  std::int64_t fixed_;  // s * 2^16
};
