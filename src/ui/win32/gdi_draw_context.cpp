#include "ui/win32/gdi_draw_context.h"

#include <algorithm>
#include <limits>

#include "ui/win32/board_background.h"

namespace {

int Saturated(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

}  // namespace

GdiDrawContext::GdiDrawContext(HDC dc, double scale) : dc_(dc), scale_(scale) {}

GdiDrawContext::~GdiDrawContext() {
  if (originalPen_ != nullptr) {
    DeleteObject(SelectObject(dc_, originalPen_));
  }
}

void GdiDrawContext::SelectPen(std::int32_t width, PenColour colour) {
  const DevicePen pen = scale_.Pen(width);
  HPEN made = CreatePen(PS_INSIDEFRAME, static_cast<int>(pen.width),
                        RGB(colour.red, colour.green, colour.blue));
  if (made == nullptr) {
    return;
  }
  HGDIOBJ previous = SelectObject(dc_, made);
  if (originalPen_ == nullptr) {
    originalPen_ = previous;
  } else {
    DeleteObject(previous);
  }
  pen_ = pen;
}

// Past the bitmap by more than the pen's width, a rectangle's sides and
// corners are out of sight: it is cut there, so that GDI gets coordinates it
// takes, and draws the same pixels.
void GdiDrawContext::Rectangle(const Box& box) {
  const OuterBox outer = OuterBoxOf(box);
  const RECT reach = ReachOnBitmap(outer);
  if (IsRectEmpty(&reach)) {
    return;
  }
  const RECT bitmap = Bitmap();
  const std::int64_t margin = pen_.width + 1;
  ::Rectangle(dc_, static_cast<int>(std::max(outer.left, std::int64_t{bitmap.left} - margin)),
              static_cast<int>(std::max(outer.top, std::int64_t{bitmap.top} - margin)),
              static_cast<int>(std::min(outer.right, std::int64_t{bitmap.right} + margin)),
              static_cast<int>(std::min(outer.bottom, std::int64_t{bitmap.bottom} + margin)));
  MarkDrawn(reach);
}

void GdiDrawContext::Ellipse(const Box& box) {
  const OuterBox outer = OuterBoxOf(box);
  const RECT reach = ReachOnBitmap(outer);
  if (IsRectEmpty(&reach)) {
    return;
  }
  ::Ellipse(dc_, Saturated(outer.left), Saturated(outer.top), Saturated(outer.right),
            Saturated(outer.bottom));
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

// Edges in 64 bits: a box may lie anywhere in the 32-bit range, and the
// scale and the pen widen it.
GdiDrawContext::OuterBox GdiDrawContext::OuterBoxOf(const Box& box) const {
  return {scale_.ToDevice(std::min(box.left, box.right)) - pen_.reach,
          scale_.ToDevice(std::min(box.top, box.bottom)) - pen_.reach,
          scale_.ToDevice(std::max(box.left, box.right)) + pen_.reach,
          scale_.ToDevice(std::max(box.top, box.bottom)) + pen_.reach};
}

// One pixel more on every side covers a wide pen's rim, which GDI
// rasterises by its own rules.
RECT GdiDrawContext::ReachOnBitmap(const OuterBox& outer) const {
  const RECT bitmap = Bitmap();
  RECT area{static_cast<LONG>(std::max<std::int64_t>(outer.left - 1, bitmap.left)),
            static_cast<LONG>(std::max<std::int64_t>(outer.top - 1, bitmap.top)),
            static_cast<LONG>(std::min<std::int64_t>(outer.right + 1, bitmap.right)),
            static_cast<LONG>(std::min<std::int64_t>(outer.bottom + 1, bitmap.bottom))};
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
