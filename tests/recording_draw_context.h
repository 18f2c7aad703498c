// A DrawContext that records every shape with the pen it was drawn with.
#pragma once

#include <vector>

#include "render/draw_context.h"

struct DrawnShape {
  enum class Kind { kRectangle, kEllipse };

  Kind kind;
  Box box;
  std::int32_t penWidth;
  PenColour penColour;

  friend bool operator==(const DrawnShape&, const DrawnShape&) = default;
};

class RecordingDrawContext : public DrawContext {
 public:
  void SelectPen(std::int32_t width, PenColour colour) override {
    penWidth_ = width;
    penColour_ = colour;
  }
  void Rectangle(const Box& box) override {
    shapes.push_back({DrawnShape::Kind::kRectangle, box, penWidth_, penColour_});
  }
  void Ellipse(const Box& box) override {
    shapes.push_back({DrawnShape::Kind::kEllipse, box, penWidth_, penColour_});
  }

  std::vector<DrawnShape> shapes;

 private:
  std::int32_t penWidth_ = 1;
  PenColour penColour_{};
};
