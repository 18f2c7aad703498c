// A surface shown in a window at its top-left: its pixels wrapped in a
// QImage without a copy, at the scale they are drawn at (which is not the
// window's pixel ratio where that lies outside the scales a surface draws
// at), and the part of the window a changed rectangle of it covers, taken
// out to whole window pixels.
#pragma once

#include <QImage>
#include <QRect>
#include <cmath>

#include "render/raster_surface.h"

inline QImage SurfaceImage(const RasterSurface& surface) {
  QImage image(reinterpret_cast<const uchar*>(surface.Pixels().data()), surface.Width(),
               surface.Height(), static_cast<qsizetype>(surface.Width()) * 4, QImage::Format_RGB32);
  image.setDevicePixelRatio(surface.Scale().Value());
  return image;
}

inline QRect SurfaceRect(const RasterSurface& surface, const DeviceRect& changed) {
  const double scale = surface.Scale().Value();
  const auto floorLogical = [scale](std::int32_t device) {
    return static_cast<int>(std::floor(device / scale));
  };
  const auto ceilLogical = [scale](std::int32_t device) {
    return static_cast<int>(std::ceil(device / scale));
  };
  return QRect(QPoint(floorLogical(changed.left), floorLogical(changed.top)),
               QPoint(ceilLogical(changed.right) - 1, ceilLogical(changed.bottom) - 1));
}
