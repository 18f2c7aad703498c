#include "render/shape_log.h"

void ShapeLog::SelectPen(std::int32_t width, PenColour colour) {
  entries_.push_back({Kind::kPen, width, colour, {}});
}

void ShapeLog::Rectangle(const Box& box) {
  entries_.push_back({Kind::kRectangle, 0, {}, box});
}

void ShapeLog::Ellipse(const Box& box) {
  entries_.push_back({Kind::kEllipse, 0, {}, box});
}

void ShapeLog::Replay(DrawContext& dc) const {
  for (const Entry& entry : entries_) {
    switch (entry.kind) {
      case Kind::kPen:
        dc.SelectPen(entry.penWidth, entry.colour);
        break;
      case Kind::kRectangle:
        dc.Rectangle(entry.box);
        break;
      case Kind::kEllipse:
        dc.Ellipse(entry.box);
        break;
    }
  }
}
