#include "ui/web/canvas_pixels.h"

#include <algorithm>
#include <cstddef>

void CanvasPixels::CopyFrom(const RasterSurface& surface, DeviceRect rect) {
  if (surface.Width() != width_ || surface.Height() != height_) {
    width_ = surface.Width();
    height_ = surface.Height();
    bytes_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 4);
    rect = DeviceRect{0, 0, width_, height_};
  }
  const std::int32_t left = std::max(rect.left, std::int32_t{0});
  const std::int32_t top = std::max(rect.top, std::int32_t{0});
  const std::int32_t right = std::min(rect.right, width_);
  const std::int32_t bottom = std::min(rect.bottom, height_);
  const std::vector<std::uint32_t>& pixels = surface.Pixels();
  for (std::int32_t y = top; y < bottom; ++y) {
    const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
    for (std::size_t i = row + static_cast<std::size_t>(left);
         i < row + static_cast<std::size_t>(right); ++i) {
      const std::uint32_t pixel = pixels[i];
      std::uint8_t* out = &bytes_[i * 4];
      out[0] = static_cast<std::uint8_t>(pixel >> 16);
      out[1] = static_cast<std::uint8_t>(pixel >> 8);
      out[2] = static_cast<std::uint8_t>(pixel);
      out[3] = static_cast<std::uint8_t>(pixel >> 24);
    }
  }
}
