// The part of a window that a changed rectangle of a surface shown at its
// top-left covers: device pixels at `scale`, taken out to whole window pixels.
#pragma once

#include <QRect>
#include <cmath>

#include "render/raster_surface.h"

inline QRect SurfaceRect(const DeviceRect& changed, double scale) {
  const auto floorLogical = [scale](std::int32_t device) {
    return static_cast<int>(std::floor(device / scale));
  };
  const auto ceilLogical = [scale](std::int32_t device) {
    return static_cast<int>(std::ceil(device / scale));
  };
  return QRect(QPoint(floorLogical(changed.left), floorLogical(changed.top)),
               QPoint(ceilLogical(changed.right) - 1, ceilLogical(changed.bottom) - 1));
}
