// DeviceScale: the one rounding rule that turns a length in the board's
// logical pixels into device pixels at a display scale s:
//
//   D(v) = floor(v * s + 1/2)
//
// s is held in 64-bit fixed point with 16 fraction bits, so the rule is exact
// integer arithmetic and gives the same pixels on every compiler. The usual
// desktop scales (1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4) are held exactly; any
// other is taken to the nearest 1/65536. A scale above 4 is taken as 4, one
// below `least` (1 unless the face asks for less) or not a number as `least`.
// Only the page asks for less, down to kLeastZoomedOut: zoomed out, or on a
// narrow phone, its board is drawn at fewer device pixels than logical ones.
//
// A pen of logical width w (below 1 taken as 1) is W = max(1, D(w)) device
// pixels wide and reaches H = D(w / 2) outside a box, w / 2 rounded down
// first, as at scale 1: so a 1-pixel pen reaches 0 outside at any scale.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

// A pen at a display scale: its width W and its reach H outside a box.
struct DevicePen {
  std::int64_t width = 1;
  std::int64_t reach = 0;
};

class DeviceScale {
 public:
  static constexpr double kMost = 4.0;
  static constexpr double kLeastZoomedOut = 0.125;

  explicit DeviceScale(double scale, double least = 1.0)
      : fixed_(std::llround(std::clamp(std::isnan(scale) ? least : scale, least, kMost) * kOne)) {}

  // Any 32-bit value: |v * s| stays below 2^35, far inside 64 bits.
  std::int64_t ToDevice(std::int32_t logical) const {
    // An arithmetic right shift is floor division by 2^16.
    return (std::int64_t{logical} * fixed_ + kOne / 2) >> kFractionBits;
  }

  // The scale drawn at, after the limits and the rounding above.
  double Value() const { return static_cast<double>(fixed_) / kOne; }

  DevicePen Pen(std::int32_t logicalWidth) const {
    const std::int32_t logical = std::max(logicalWidth, std::int32_t{1});
    return {std::max<std::int64_t>(ToDevice(logical), 1), ToDevice(logical / 2)};
  }

 private:
  static constexpr int kFractionBits = 16;
  static constexpr std::int64_t kOne = std::int64_t{1} << kFractionBits;

  std::int64_t fixed_;  // s * 2^16
};
