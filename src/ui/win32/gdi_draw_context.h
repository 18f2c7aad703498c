// GdiDrawContext: a DrawContext over a GDI device context that has a bitmap
// selected, the board's retained picture. Pens are made with CreatePen
// (solid, the colour packed as R | G << 8 | B << 16) and shapes are drawn with
// Rectangle and Ellipse, filled with the device context's default white
// brush; a shape whose outline lies wholly off the bitmap is not drawn. It
// remembers the pixels its shapes may have touched since the last
// TakeDirtyArea, so that the window can show exactly what changed, and since
// the last Clear, so that a clear can wipe them.
#pragma once

#include <windows.h>

#include "render/draw_context.h"

class GdiDrawContext : public DrawContext {
 public:
  explicit GdiDrawContext(HDC dc);
  ~GdiDrawContext() override;
  GdiDrawContext(const GdiDrawContext&) = delete;
  GdiDrawContext& operator=(const GdiDrawContext&) = delete;

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
  // The part of the bitmap the shape's outline may touch; empty when the
  // shape lies wholly off it.
  RECT ReachOnBitmap(const Box& box) const;
  RECT Bitmap() const;
  void MarkDrawn(const RECT& area);

  HDC dc_;
  HGDIOBJ originalPen_ = nullptr;
  std::int32_t penWidth_ = 1;
  RECT dirty_{0, 0, 0, 0};
  RECT drawn_{0, 0, 0, 0};
};
