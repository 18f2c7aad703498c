#include "ui/win32/gdi_draw_context.h"

#include <algorithm>

#include "ui/win32/board_background.h"

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
  const RECT reach = ReachOnBitmap(box);
  if (IsRectEmpty(&reach)) {
    return;
  }
  ::Rectangle(dc_, box.left, box.top, box.right, box.bottom);
  MarkDrawn(reach);
}

void GdiDrawContext::Ellipse(const Box& box) {
  const RECT reach = ReachOnBitmap(box);
  if (IsRectEmpty(&reach)) {
    return;
  }
  ::Ellipse(dc_, box.left, box.top, box.right, box.bottom);
  MarkDrawn(reach);
}

void GdiDrawContext::Clear() {
  const RECT all = Bitmap();
  FillRect(dc_, &all, BoardBackground());
  UnionRect(&dirty_, &dirty_, &drawn_);
  SetRectEmpty(&drawn_);
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
// covers the rounding of odd widths. The edges are widened in 64 bits, since
// a box may lie anywhere in the 32-bit range, and then cut to the bitmap.
RECT GdiDrawContext::ReachOnBitmap(const Box& box) const {
  const std::int64_t reach = std::max(penWidth_, 1) / 2 + 1;
  const RECT bitmap = Bitmap();
  const auto left = std::min(box.left, box.right) - reach;
  const auto top = std::min(box.top, box.bottom) - reach;
  const auto right = std::max(box.left, box.right) + reach;
  const auto bottom = std::max(box.top, box.bottom) + reach;
  RECT area{static_cast<LONG>(std::max<std::int64_t>(left, bitmap.left)),
            static_cast<LONG>(std::max<std::int64_t>(top, bitmap.top)),
            static_cast<LONG>(std::min<std::int64_t>(right, bitmap.right)),
            static_cast<LONG>(std::min<std::int64_t>(bottom, bitmap.bottom))};
  if (area.right <= area.left || area.bottom <= area.top) {
    SetRectEmpty(&area);
  }
  return area;
}

RECT GdiDrawContext::Bitmap() const {
  BITMAP bitmap{};
  GetObjectA(GetCurrentObject(dc_, OBJ_BITMAP), sizeof bitmap, &bitmap);
  return RECT{0, 0, bitmap.bmWidth, bitmap.bmHeight};
}

void GdiDrawContext::MarkDrawn(const RECT& area) {
  UnionRect(&dirty_, &dirty_, &area);
  UnionRect(&drawn_, &drawn_, &area);
}
