// Dialog units: the layout of the dialogs is given in units of the dialog
// font, a horizontal unit being a quarter of its average character width and a
// vertical unit an eighth of its height. At 96 dots per inch the font's base
// units are 6 x 13 pixels, so a horizontal unit is 1.5 pixels and a vertical
// one 1.625. A rectangle maps edge by edge, each edge rounded to the nearest
// pixel with halves rounded away from zero, as the dialog manager does, so
// neighbouring controls keep their shared edges.
#pragma once

#include <cstdint>

#include "app/dialog_layout.h"

namespace dialog_units {

inline constexpr int kBaseWidth = 6;    // pixels per 4 horizontal units
inline constexpr int kBaseHeight = 13;  // pixels per 8 vertical units

// number * numerator / denominator, rounded to nearest, halves away from zero.
constexpr int MulDiv(int number, int numerator, int denominator) {
  const std::int64_t product = std::int64_t{number} * numerator;
  const std::int64_t half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

constexpr int ToPixelsX(int units) {
  return MulDiv(units, kBaseWidth, 4);
}
constexpr int ToPixelsY(int units) {
  return MulDiv(units, kBaseHeight, 8);
}

struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;   // exclusive
  int bottom = 0;  // exclusive

  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
};

// A rectangle given as x, y, width, height in dialog units.
constexpr PixelRect ToPixels(int x, int y, int width, int height) {
  return PixelRect{ToPixelsX(x), ToPixelsY(y), ToPixelsX(x + width), ToPixelsY(y + height)};
}
constexpr PixelRect ToPixels(const dialog_layout::UnitRect& rect) {
  return ToPixels(rect.x, rect.y, rect.width, rect.height);
}

// The main dialog's template is 441 x 275 units: its client area, and so the
// drawing surface, is 662 x 447 pixels.
inline constexpr int kClientWidth = ToPixelsX(dialog_layout::kMainDialogSize.width);
inline constexpr int kClientHeight = ToPixelsY(dialog_layout::kMainDialogSize.height);
static_assert(kClientWidth == 662 && kClientHeight == 447);

}  // namespace dialog_units
