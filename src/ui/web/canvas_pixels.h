// CanvasPixels: a copy of a RasterSurface's buffer in a canvas's byte order,
// red, green, blue, alpha for every pixel, for the page to put on its canvas
// without converting anything in script: the whole board, or a part of it
// alone (what a step changed), its rows one after another.
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

  // Copies the part `rect` of the surface, clipped to it, alone; returns
  // the part copied. Its bytes stay valid until the next copy.
  DeviceRect CopyPart(const RasterSurface& surface, DeviceRect rect);
  std::span<const std::uint8_t> PartBytes() const { return part_; }

 private:
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::vector<std::uint8_t> bytes_;
  std::vector<std::uint8_t> part_;  // grows to the largest part, never shrinks
};
