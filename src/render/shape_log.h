// ShapeLog: the shapes drawn on the board since it was last erased, in order,
// so the board can be drawn again exactly as it stands on a surface of
// another display scale (the window moved to another screen, or the page was
// zoomed).
// After the first full boards it allocates nothing: erasing keeps the room.
#pragma once

#include <cstdint>
#include <vector>

#include "render/draw_context.h"

class ShapeLog : public DrawContext {
 public:
  void SelectPen(std::int32_t width, PenColour colour) override;
  void Rectangle(const Box& box) override;
  void Ellipse(const Box& box) override;

  // Forgets every shape: the board was erased.
  void Clear() { entries_.clear(); }
  // Draws the logged shapes on `dc`, in the order they were drawn.
  void Replay(DrawContext& dc) const;

 private:
  enum class Kind { kPen, kRectangle, kEllipse };
  struct Entry {
    Kind kind;
    std::int32_t penWidth;
    PenColour colour;
    Box box;
  };

  std::vector<Entry> entries_;
};
