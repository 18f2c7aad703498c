// GdiDrawContext: a DrawContext over a GDI device context that has a bitmap
// selected, the board's retained picture, at a display scale. Boxes and pens
// become device pixels by DeviceScale's rules, as on RasterSurface: an
// outline is the band of W pixels inside the outer box (l - H, t - H, r + H,
// b + H), drawn by Rectangle and Ellipse with an inside-frame pen of width W
// on that outer box (solid, the colour packed as R | G << 8 | B << 16),
// filled with the device context's default white brush; a shape whose
// outline lies wholly off the bitmap is not drawn. It remembers the pixels
// its shapes may have touched since the last TakeDirtyArea, so that the
// window can show exactly what changed, and since the last Clear, so that a
// clear can wipe them.
#pragma once

#include <windows.h>

#include "render/device_scale.h"
#include "render/draw_context.h"

class GdiDrawContext : public DrawContext {
 public:
  explicit GdiDrawContext(HDC dc, double scale = 1.0);
  ~GdiDrawContext() override;
  GdiDrawContext(const GdiDrawContext&) = delete;
  GdiDrawContext& operator=(const GdiDrawContext&) = delete;

  // The scale of the pens and shapes that follow.
  void SetScale(double scale) { scale_ = DeviceScale(scale); }
  const DeviceScale& Scale() const { return scale_; }

  void SelectPen(std::int32_t width, PenColour colour) override;
  void Rectangle(const Box& box) override;
  void Ellipse(const Box& box) override;

  // Fills the whole bitmap with the board's background, so that nothing drawn
  // before outlives it; what it wiped counts as changed.
  void Clear();
  // The bounds of everything drawn since the last call, and forgets them;
  // false when nothing was drawn.
  bool TakeDirtyArea(RECT& area);

 private:
  struct OuterBox {
    std::int64_t left, top, right, bottom;
  };

  OuterBox OuterBoxOf(const Box& box) const;
  // The part of the bitmap the outline may touch; empty when it lies wholly
  // off the bitmap.
  RECT ReachOnBitmap(const OuterBox& outer) const;
  RECT Bitmap() const;
  void MarkDrawn(const RECT& area);

  HDC dc_;
  DeviceScale scale_;
  HGDIOBJ originalPen_ = nullptr;
  DevicePen pen_;
  RECT dirty_{0, 0, 0, 0};
  RECT drawn_{0, 0, 0, 0};
};
