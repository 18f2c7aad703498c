// A DrawContext that writes every shape as one line of text, with the pen
// selected at that moment:
//   rect L T R B pen W R G B
//   ellipse L T R B pen W R G B
#pragma once

#include "render/draw_context.h"
#include "replay/output.h"

class TextDrawContext : public DrawContext {
 public:
  explicit TextDrawContext(Output& out) : out_(out) {}

  void SelectPen(std::int32_t width, PenColour colour) override {
    penWidth_ = width;
    penColour_ = colour;
  }
  void Rectangle(const Box& box) override { Shape("rect", box); }
  void Ellipse(const Box& box) override { Shape("ellipse", box); }

 private:
  void Shape(std::string_view name, const Box& box) {
    out_ << name << ' ' << box.left << ' ' << box.top << ' ' << box.right << ' ' << box.bottom
         << " pen " << penWidth_ << ' ' << std::int32_t{penColour_.red} << ' '
         << std::int32_t{penColour_.green} << ' ' << std::int32_t{penColour_.blue};
    out_.EndLine();
  }

  Output& out_;
  std::int32_t penWidth_ = 1;  // a surface starts with the 1-pixel black pen
  PenColour penColour_{};
};
