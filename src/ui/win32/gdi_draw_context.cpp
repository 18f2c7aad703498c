#include "gdi_draw_context.h"

#include <algorithm>

GdiDrawContext::GdiDrawContext(HDC dc) : dc_(dc) {}

GdiDrawContext::~GdiDrawContext() {
  if (originalPen_ != nullptr) {
    DeleteObject(SelectObject(dc_, originalPen_));
  }
}

void GdiDrawContext::SelectPen(std::int32_t width, PenColour colour) {
  HPEN pen = CreatePen(PS_SOLID, width, RGB(colour.red, colour.green, colour.blue));
  if (pen == nullptr) {
    return;
  }
  HGDIOBJ previous = SelectObject(dc_, pen);
  if (originalPen_ == nullptr) {
    originalPen_ = previous;
  } else {
    DeleteObject(previous);
  }
  penWidth_ = width;
}

void GdiDrawContext::Rectangle(const Box& box) {
  ::Rectangle(dc_, box.left, box.top, box.right, box.bottom);
  MarkDirty(box);
}

void GdiDrawContext::Ellipse(const Box& box) {
  ::Ellipse(dc_, box.left, box.top, box.right, box.bottom);
  MarkDirty(box);
}

bool GdiDrawContext::TakeDirtyArea(RECT& area) {
  if (IsRectEmpty(&dirty_)) {
    return false;
  }
  area = dirty_;
  SetRectEmpty(&dirty_);
  return true;
}

// A pen of width w reaches w / 2 pixels outside the box; one more pixel
// covers the rounding of odd widths.
void GdiDrawContext::MarkDirty(const Box& box) {
  const std::int32_t reach = std::max(penWidth_, 1) / 2 + 1;
  RECT shape{box.left - reach, box.top - reach, box.right + reach, box.bottom + reach};
  UnionRect(&dirty_, &dirty_, &shape);
}
