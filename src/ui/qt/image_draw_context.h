// ImageDrawContext: the board's drawing surface, a retained image the size of
// the main window's client area that the window paints from.
//
// Shapes follow the DrawContext rules exactly, without antialiasing: the
// interior is filled white and the outline is a solid band w pixels wide
// centred on the box's border pixels, reaching w / 2 pixels outside the box:
// a 1-pixel outline lies on the box's first and last columns and rows, a
// 5-pixel one reaches 2 pixels out and 2 in, and an 18-pixel one around a
// 6 x 6 ellipse makes a solid disc 24 pixels across. Pixels nothing has drawn
// on keep the surface's background, kSurfaceBackground, which is also the
// main window's background, so the picture is whole on its own. Coordinates may be any
// 32-bit values: shapes are clipped to the image, or skipped when they lie
// wholly off it. Every shape is a set of solid runs of pixels, written straight
// into the image's rows: a tick draws some ten thousand of them.
//
// The image collects what changed since it was last asked, so the window can
// repaint just that part after every drawing.
//
// Clear() returns the whole surface to its background. The board's drawing
// covers only the grid, so whoever shows the surface clears it before every
// full redraw of the board: otherwise what was drawn beyond the grid (the
// overhang of a wide outline, an entity off the board) would stay for good.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include "draw_context.h"
#include "raster_surface.h"  // kSurfaceBackground

class ImageDrawContext : public DrawContext {
 public:
  explicit ImageDrawContext(QSize size);
  ~ImageDrawContext() override;
  ImageDrawContext(const ImageDrawContext&) = delete;
  ImageDrawContext& operator=(const ImageDrawContext&) = delete;

  void SelectPen(std::int32_t width, PenColour colour) override;
  void Rectangle(const Box& box) override;
  void Ellipse(const Box& box) override;

  // Returns the whole surface to its background; the part that was drawn on
  // since the last clearing has changed.
  void Clear();

  // The picture as drawn so far.
  const QImage& Image() const { return image_; }
  // The part of the image drawn on since the last call; empty if none.
  QRect TakeChangedRect();

 private:
  void MarkDrawn(const QRect& area);

  QImage image_;
  std::int32_t penWidth_ = 1;
  QRgb penColour_ = qRgb(0, 0, 0);
  QRect changed_;
  QRect drawn_;  // all that was drawn on since the surface was last cleared
};
