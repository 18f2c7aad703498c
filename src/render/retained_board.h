// RetainedBoard: the board a window shows, kept as a RasterSurface at the
// window's display scale. It also keeps the shapes drawn since the last
// erase, so that at a new scale it draws the board again exactly as it
// stands, without asking the world for anything.
//
// Draw on Board(); Erase() before every full redraw, as DialogWindow's
// EraseBoard; Surface() holds the pixels and the part changed since the face
// last took it.
#pragma once

#include <cstdint>

#include "render/draw_context.h"
#include "render/raster_surface.h"
#include "render/shape_log.h"
#include "render/tee_draw_context.h"

class RetainedBoard {
 public:
  // `least`: the smallest scale drawn at (see DeviceScale); `order`: the
  // surface's pixel order, kept at every scale.
  RetainedBoard(std::int32_t logicalWidth, std::int32_t logicalHeight, double scale,
                double least = 1.0, PixelOrder order = PixelOrder::kXrgb);
  RetainedBoard(const RetainedBoard&) = delete;
  RetainedBoard& operator=(const RetainedBoard&) = delete;

  DrawContext& Board() { return board_; }
  void Erase();

  // Makes the surface anew at `scale` and draws the logged shapes on it.
  // Nothing is left counted as changed: the face shows the whole surface.
  void SetScale(double scale);
  double Scale() const { return scale_; }

  RasterSurface& Surface() { return surface_; }
  const RasterSurface& Surface() const { return surface_; }

 private:
  std::int32_t logicalWidth_;
  std::int32_t logicalHeight_;
  double scale_;
  double least_;
  RasterSurface surface_;
  ShapeLog log_;
  TeeDrawContext board_{surface_, log_};
};
