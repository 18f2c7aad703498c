// CanvasPixels: a copy of a RasterSurface's buffer in a canvas's byte order,
// red, green, blue, alpha for every pixel, for the page to put on its canvas
// without converting anything in script.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "render/raster_surface.h"

class CanvasPixels {
 public:
  // Copies the part `rect` of the surface; when the surface's size differs
  // from the last one, the whole surface, so no pixel is left uncopied.
  void CopyFrom(const RasterSurface& surface, DeviceRect rect);

  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  std::span<const std::uint8_t> Bytes() const { return bytes_; }

 private:
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::vector<std::uint8_t> bytes_;
};
