#include "ui/web/canvas_pixels.h"

#include <algorithm>
#include <cstddef>

namespace {

DeviceRect Clipped(const RasterSurface& surface, const DeviceRect& rect) {
  return {std::max(rect.left, std::int32_t{0}), std::max(rect.top, std::int32_t{0}),
          std::min(rect.right, surface.Width()), std::min(rect.bottom, surface.Height())};
}

// The row `y` of `rect` from the surface's pixels into `out`, four bytes a pixel.
void CopyRow(const RasterSurface& surface, const DeviceRect& rect, std::int32_t y,
             std::uint8_t* out) {
  const std::uint32_t* in =
      &surface.Pixels()[static_cast<std::size_t>(y) * static_cast<std::size_t>(surface.Width()) +
                        static_cast<std::size_t>(rect.left)];
  // Red and blue change places; a little-endian word of red, green, blue,
  // alpha is the bytes in that order.
  for (std::int32_t x = rect.left; x < rect.right; ++x, ++in, out += 4) {
    const std::uint32_t pixel = *in;
    const std::uint32_t bytes =
        (pixel & 0xFF00FF00u) | (pixel >> 16 & 0xFFu) | (pixel & 0xFFu) << 16;
    out[0] = static_cast<std::uint8_t>(bytes);
    out[1] = static_cast<std::uint8_t>(bytes >> 8);
    out[2] = static_cast<std::uint8_t>(bytes >> 16);
    out[3] = static_cast<std::uint8_t>(bytes >> 24);
  }
}

}  // namespace

void CanvasPixels::CopyFrom(const RasterSurface& surface, DeviceRect rect) {
  if (surface.Width() != width_ || surface.Height() != height_) {
    width_ = surface.Width();
    height_ = surface.Height();
    bytes_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 4);
    rect = DeviceRect{0, 0, width_, height_};
  }
  const DeviceRect part = Clipped(surface, rect);
  for (std::int32_t y = part.top; y < part.bottom; ++y) {
    const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
    CopyRow(surface, part, y, &bytes_[(row + static_cast<std::size_t>(part.left)) * 4]);
  }
}

DeviceRect CanvasPixels::CopyPart(const RasterSurface& surface, DeviceRect rect) {
  const DeviceRect part = Clipped(surface, rect);
  if (part.IsEmpty()) {
    part_.clear();
    return {};
  }
  const std::size_t rowBytes = static_cast<std::size_t>(part.right - part.left) * 4;
  part_.resize(rowBytes * static_cast<std::size_t>(part.bottom - part.top));
  for (std::int32_t y = part.top; y < part.bottom; ++y) {
    CopyRow(surface, part, y, &part_[rowBytes * static_cast<std::size_t>(y - part.top)]);
  }
  return part;
}
