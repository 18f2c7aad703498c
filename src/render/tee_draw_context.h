// A DrawContext that hands every call to two others, in order.
#pragma once

#include "render/draw_context.h"

class TeeDrawContext : public DrawContext {
 public:
  TeeDrawContext(DrawContext& first, DrawContext& second) : first_(first), second_(second) {}

  void SelectPen(std::int32_t width, PenColour colour) override {
    first_.SelectPen(width, colour);
    second_.SelectPen(width, colour);
  }
  void Rectangle(const Box& box) override {
    first_.Rectangle(box);
    second_.Rectangle(box);
  }
  void Ellipse(const Box& box) override {
    first_.Ellipse(box);
    second_.Ellipse(box);
  }

 private:
  DrawContext& first_;
  DrawContext& second_;
};
