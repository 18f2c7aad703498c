// A DrawContext that discards every shape: for running the world where
// nothing is shown.
#pragma once

#include "render/draw_context.h"

class NullDrawContext : public DrawContext {
 public:
  void SelectPen(std::int32_t, PenColour) override {}
  void Rectangle(const Box&) override {}
  void Ellipse(const Box&) override {}
};
