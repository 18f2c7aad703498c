// The corners of a wide pen's rectangle outline, rounded as the device's wide
// pens join: each outer corner of the band is a quarter disc of the pen's
// half width about the corner point where the band's centre lines meet.
//
// RoundJoinInset gives, for one pixel row of a band of `penWidth` pixels whose
// outer box spans the rows outerTop..outerBottom (exclusive), how many pixels
// to leave out at each end of the row. A pixel beyond both centre lines of a
// corner is drawn when its centre lies within the half width of the corner
// point, less 3/4 in the squared distance: so the device's own rasteriser
// draws the join's disc. Pens of one or two pixels keep square corners; the
// inset is the same at both ends of a row, so the outline stays symmetric.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

inline std::int64_t RoundJoinInset(std::int64_t penWidth, std::int64_t outerTop,
                                   std::int64_t outerBottom, std::int64_t y) {
  if (penWidth < 3) {
    return 0;
  }
  const double half = static_cast<double>(penWidth) / 2;
  const double centreY = static_cast<double>(y) + 0.5;
  const double dy = std::max(static_cast<double>(outerTop) + half - centreY,
                             centreY - (static_cast<double>(outerBottom) - half));
  if (dy <= 0) {
    return 0;
  }
  const double limit = half * half - 0.75 - dy * dy;
  // The first pixel from the outer edge whose centre lies within reach.
  const double reach = limit < 0 ? 0 : std::sqrt(limit);
  const auto inset = static_cast<std::int64_t>(std::ceil(half - reach - 0.5));
  return std::clamp<std::int64_t>(inset, 0, penWidth / 2);
}
