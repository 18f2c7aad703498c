// DrawContext: the surface the board is drawn on.
//
// Coordinates are pixels of the main window's client area, counted from its
// top-left corner, x growing to the right and y growing downward. They are
// signed 32-bit and may lie anywhere, on the surface or far off it; a surface
// draws what falls inside it and ignores the rest.
//
// A shape is given by its box (left, top, right, bottom), right and bottom
// exclusive. Its interior is filled white. Its outline is stroked with the pen
// selected last, centred on the box's border: a 1-pixel outline lies on the
// box's first and last columns and rows, and a pen of width w reaches w / 2
// pixels outside the box. Pens are always solid.
//
// The simulation calls these operations while it draws (a tick, a redraw, a
// placement); a surface presents the result when the call returns.
#pragma once

#include <cstdint>

struct PenColour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend bool operator==(const PenColour&, const PenColour&) = default;
};

struct Box {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  friend bool operator==(const Box&, const Box&) = default;
};

class DrawContext {
 public:
  virtual ~DrawContext() = default;

  // Selects the solid pen used by the shapes that follow.
  virtual void SelectPen(std::int32_t width, PenColour colour) = 0;
  virtual void Rectangle(const Box& box) = 0;
  // The ellipse inscribed in the box.
  virtual void Ellipse(const Box& box) = 0;
};
