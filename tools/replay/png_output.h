// PngOutput: the picture of the main window's client area (662 x 447 logical
// pixels, the board at its top-left) that the player draws into alongside its
// text, encoded as PNG for the files the player writes. It is the surface the
// desktop windows show, so it holds the same pixels they do after the same
// session, at the display scale asked for.
#pragma once

#include <optional>
#include <string>

#include "render/raster_surface.h"

// Any surface's pixels as PNG bytes, through `rgb`, a buffer kept between
// pictures; none when they cannot be encoded.
std::optional<std::string> EncodePng(const RasterSurface& surface, std::string& rgb);

class PngOutput {
 public:
  explicit PngOutput(double scale);

  DrawContext& Surface() { return surface_; }
  // Returns the whole picture to its background, as the window does before
  // every full redraw of the board.
  void Clear() { surface_.Clear(); }
  // The picture as PNG bytes; none when it cannot be encoded.
  std::optional<std::string> Encode();

 private:
  RasterSurface surface_;
  std::string rgb_;  // the rows as 8-bit RGB, kept between frames
};
