// PngOutput: the picture of the main window's client area (662 x 447 logical
// pixels, the board at its top-left) that the player draws into alongside its
// text, encoded as PNG for the files the player writes. It is the surface the
// desktop windows show, so it holds the same pixels they do after the same
// session, at the display scale asked for. A picture may show the whole
// surface or only the board's area of it.
#pragma once

#include <optional>
#include <string>

#include "render/raster_surface.h"

// Any surface's pixels, or an area of them, as PNG bytes, through `rgb`, a
// buffer kept between pictures; none when they cannot be encoded.
std::optional<std::string> EncodePng(const RasterSurface& surface, const DeviceRect& area,
                                     std::string& rgb);
inline std::optional<std::string> EncodePng(const RasterSurface& surface, std::string& rgb) {
  return EncodePng(surface, {0, 0, surface.Width(), surface.Height()}, rgb);
}

class PngOutput {
 public:
  explicit PngOutput(double scale);

  DrawContext& Surface() { return surface_; }
  const RasterSurface& Raster() const { return surface_; }
  // Returns the whole picture to its background, as the window does before
  // every full redraw of the board.
  void Clear() { surface_.Clear(); }
  // The whole surface, and the board's area: the cells and the outlines
  // that reach past the grid's last line.
  DeviceRect Whole() const { return {0, 0, surface_.Width(), surface_.Height()}; }
  const DeviceRect& Board() const { return board_; }

  // The picture, or an area of it, as PNG bytes; none when it cannot be
  // encoded.
  std::optional<std::string> Encode() { return Encode(Whole()); }
  std::optional<std::string> Encode(const DeviceRect& area) {
    return EncodePng(surface_, area, rgb_);
  }

 private:
  RasterSurface surface_;
  DeviceRect board_;
  std::string rgb_;  // the rows as 8-bit RGB, kept between frames
};
