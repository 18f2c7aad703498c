// RasterSurface: the board's drawing surface as a plain pixel buffer that it
// owns, the same for every face: the Qt face shows the buffer as it is, the
// page hands it to its canvas, the player encodes it.
//
// Pixels: one std::uint32_t per pixel, Width() pixels to a row, rows top to
// bottom with nothing between them, in the surface's PixelOrder:
//   - kXrgb: the word 0xFFRRGGBB, the layout of Qt's Format_RGB32 and of a
//     Windows DIB;
//   - kRgba: the bytes red, green, blue, alpha in memory, a canvas's
//     ImageData; on the little-endian machines we build for, the word
//     0xFFBBGGRR.
// Colours always enter as 0xFFRRGGBB (the pen's PenColour, FillRect's and
// BlendMask's colour, kSurfaceBackground); the surface stores them in its
// order, and Pixels() and At() return the stored words. Pixels nothing has
// drawn on have kSurfaceBackground.
//
// Shapes follow the DrawContext rules exactly, without antialiasing: a box's
// right and bottom are exclusive, its interior is filled white and its outline
// is a solid band centred on the box's border, a pen of width w (at least 1)
// reaching w / 2 pixels outside the box, rounded down. An ellipse's band is the
// ellipse inscribed in the band's outer box, with the one inscribed in its
// inner box filled white over it; the ellipse inscribed in a box covers, row by
// row, the pixels whose centres lie inside it, so it is symmetric about the
// box's centre. Coordinates may be any 32-bit values: edges are worked out in
// 64 bits and clipped to the buffer, and a shape wholly off it draws nothing.
//
// Display scale. The surface is made with a logical size, the client area in
// the pixels the board is drawn in, and a scale s in [1, 4], or down to
// `least` where the face asks for less (see DeviceScale for how other values
// are taken). Every logical length v becomes device
// pixels by one rule, D(v) = floor(v * s + 1/2), computed exactly:
//   - the buffer is D(logical width) x D(logical height) pixels;
//   - a box's edges map to l = D(left), t = D(top), r = D(right), b = D(bottom);
//   - a pen of width w is W = max(1, D(w)) device pixels wide and reaches
//     H = D(w / 2) outside the box (w / 2 rounded down first, as at scale 1),
//     so a 1-pixel pen reaches 0 outside at any scale;
//   - the outline is the band between the outer box (l - H, t - H, r + H,
//     b + H) and the inner box (l - H + W, t - H + W, r + H - W, b + H - W);
//     a rectangle's band of W >= 3 joins round at its four outer corners, as
//     the device's wide pens do (see round_join.h for the rule).
// So a pen draws W pixels wide wherever its line lies and on all four sides of
// a box, boxes of one logical size differ by at most one device pixel, and
// every shape is mirror-symmetric about its device box's centre; a shape lies
// at most half a device pixel from its exact place (edges on a half round
// up). At s = 1 the rule is the identity: the pixels of the unscaled board.
//
// Beside the shapes, pictures that are not the board (the population chart)
// fill device rectangles and blend coverage masks, such as a glyph's, in a
// colour; both are clipped to the buffer.
//
// The surface collects the part it drew on, so a face can repaint just that
// after every drawing.
#pragma once

#include <bit>
#include <cstdint>
#include <vector>

#include "render/device_scale.h"
#include "render/draw_context.h"

// The main window's background with the desktop's default palette: the colour
// of every pixel the board has not drawn on.
inline constexpr std::uint32_t kSurfaceBackground = 0xFFEFEFEF;

// How a surface lays out a pixel's colour (see RasterSurface).
enum class PixelOrder { kXrgb, kRgba };

static_assert(std::endian::native == std::endian::little,
              "kRgba's word order is worked out for little-endian machines");

// Device pixels, right and bottom exclusive.
struct DeviceRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  bool IsEmpty() const { return right <= left || bottom <= top; }
  friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

class RasterSurface : public DrawContext {
 public:
  // A negative logical size counts as 0.
  RasterSurface(std::int32_t logicalWidth, std::int32_t logicalHeight, double scale,
                double least = 1.0, PixelOrder order = PixelOrder::kXrgb);

  void SelectPen(std::int32_t width, PenColour colour) override;
  void Rectangle(const Box& box) override;
  void Ellipse(const Box& box) override;

  // Device pixels, clipped to the buffer.
  void FillRect(const DeviceRect& area, std::uint32_t colour);
  // Each pixel of the width x height area at (left, top) moves toward
  // `colour` by its mask byte / 255 (0 leaves it, 255 replaces it); the mask
  // is row by row, `width` bytes to a row.
  void BlendMask(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                 const std::uint8_t* mask, std::uint32_t colour);

  // Returns the whole buffer to the background; the part drawn on since the
  // last clearing counts as changed, so a face repaints no more than that.
  void Clear();

  const DeviceScale& Scale() const { return scale_; }
  PixelOrder Order() const { return order_; }
  // Device pixels.
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  const std::vector<std::uint32_t>& Pixels() const { return pixels_; }
  // The pixel at a device position inside the buffer.
  std::uint32_t At(std::int32_t x, std::int32_t y) const {
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
  }

  // The part of the buffer drawn on since the last call; empty if none.
  DeviceRect TakeChangedRect();

 private:
  struct Edges;
  struct Outline;

  Outline OutlineOf(const Box& box) const;
  Edges Bounds() const;
  void Fill(const Edges& area, std::uint32_t colour);
  void FillEllipse(const Edges& box, std::uint32_t colour);
  void MarkChanged(const Edges& area);
  // An 0xFFRRGGBB colour as this surface stores it.
  std::uint32_t Stored(std::uint32_t colour) const;

  DeviceScale scale_;
  PixelOrder order_;
  std::uint32_t white_;
  std::uint32_t background_;
  std::int32_t width_;
  std::int32_t height_;
  std::vector<std::uint32_t> pixels_;
  DevicePen pen_;
  std::uint32_t penColour_;
  DeviceRect changed_;
  DeviceRect drawn_;  // all that was drawn on since the last clearing
};
