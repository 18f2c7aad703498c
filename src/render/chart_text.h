// ChartText: the chart's lettering, one typeface at one size in device
// pixels, drawn into a RasterSurface.
//
// The face is DejaVu Sans, cut at build time to printable ASCII and compiled
// in, so every build (native, Windows, the page) draws the same pixels from
// the same bytes; another character draws as a space. Every glyph is
// rasterised once, when the text is made; drawing a text then only blends
// those masks, without allocating. A glyph starts on the whole pixel nearest
// to its exact place.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "render/raster_surface.h"

class ChartText {
 public:
  // The size is the em square in device pixels.
  explicit ChartText(std::int32_t emPixels);

  // The advance of the whole text, in device pixels.
  std::int32_t Width(std::string_view text) const;
  // The height of a digit above the baseline, in device pixels.
  std::int32_t DigitHeight() const { return digitHeight_; }

  // Draws the text with its first glyph's origin at x and its baseline at y.
  void Draw(RasterSurface& surface, std::int32_t x, std::int32_t baseline, std::string_view text,
            std::uint32_t colour) const;

 private:
  static constexpr char kFirst = ' ';
  static constexpr char kLast = '~';

  struct Glyph {
    std::size_t mask = 0;  // its first byte in masks_
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t left = 0;     // from the origin to the mask's left edge
    std::int32_t top = 0;      // from the baseline to the mask's top edge
    std::int32_t advance = 0;  // in 1/64 device pixel
  };

  const Glyph& GlyphOf(char c) const;

  std::array<Glyph, kLast - kFirst + 1> glyphs_;
  std::vector<std::uint8_t> masks_;
  std::int32_t digitHeight_ = 0;
};
