// GdiDrawContext: a DrawContext over a GDI device context. Pens are made with
// CreatePen (solid, the colour packed as R | G << 8 | B << 16) and shapes are
// drawn with Rectangle and Ellipse, filled with the device context's default
// white brush. It remembers the pixels its shapes may have touched since the
// last TakeDirtyArea, so that the window can show exactly what changed.
#pragma once

#include <windows.h>

#include "draw_context.h"

class GdiDrawContext : public DrawContext {
 public:
  explicit GdiDrawContext(HDC dc);
  ~GdiDrawContext() override;
  GdiDrawContext(const GdiDrawContext&) = delete;
  GdiDrawContext& operator=(const GdiDrawContext&) = delete;

  void SelectPen(std::int32_t width, PenColour colour) override;
  void Rectangle(const Box& box) override;
  void Ellipse(const Box& box) override;

  // The bounds of everything drawn since the last call, and forgets them;
  // false when nothing was drawn.
  bool TakeDirtyArea(RECT& area);

 private:
  void MarkDirty(const Box& box);

  HDC dc_;
  HGDIOBJ originalPen_ = nullptr;
  std::int32_t penWidth_ = 1;
  RECT dirty_{0, 0, 0, 0};
};
