#include "image_draw_context.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "round_join.h"

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);

// A box's edges in 64 bits, so that widening it by a pen never overflows.
struct Edges {
  std::int64_t left;
  std::int64_t top;
  std::int64_t right;   // exclusive
  std::int64_t bottom;  // exclusive

  bool IsEmpty() const { return right <= left || bottom <= top; }
  Edges Grown(std::int64_t by) const { return {left - by, top - by, right + by, bottom + by}; }
  Edges Within(const Edges& area) const {
    return {std::max(left, area.left), std::max(top, area.top), std::min(right, area.right),
            std::min(bottom, area.bottom)};
  }
  // Only for edges known to lie within 32-bit range.
  QRect ToRect() const {
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                 static_cast<int>(bottom - top));
  }
};

Edges EdgesOf(const Box& box) {
  return {std::min(box.left, box.right), std::min(box.top, box.bottom),
          std::max(box.left, box.right), std::max(box.top, box.bottom)};
}

// The outline covers w pixels across each border pixel's line, w / 2 of them
// outside the box; inside the band the box keeps its white fill.
struct Outline {
  Edges outer;
  Edges inner;
};

Outline OutlineOf(const Box& box, std::int32_t penWidth) {
  const Edges edges = EdgesOf(box);
  const std::int64_t outside = penWidth / 2;
  return {edges.Grown(outside), edges.Grown(outside - penWidth)};
}

// The image's pixel rows, for writing. Taken once per shape: taking them
// detaches the image from any copy of it handed out before.
class Pixels {
 public:
  explicit Pixels(QImage& image) : bits_(image.bits()), stride_(image.bytesPerLine()) {}

  // Sets every pixel of the area, which lies within the image, to the colour:
  // the first row pixel by pixel, the rows below copied from it. Every colour
  // drawn is opaque, so it is stored in the 32-bit pixels as it is.
  void Fill(const Edges& area, QRgb colour) const {
    if (area.IsEmpty()) {
      return;
    }
    QRgb* const first = Row(area.top) + area.left;
    const auto width = static_cast<std::size_t>(area.right - area.left);
    std::fill_n(first, width, colour);
    for (std::int64_t y = area.top + 1; y < area.bottom; ++y) {
      std::memcpy(Row(y) + area.left, first, width * sizeof(QRgb));
    }
  }

 private:
  QRgb* Row(std::int64_t y) const { return reinterpret_cast<QRgb*>(bits_ + y * stride_); }

  uchar* bits_;
  qsizetype stride_;
};

// Fills the pixels whose centres lie inside the ellipse inscribed in the box,
// row by row and only on the visible rows, so that the disc is exactly
// symmetric and a huge ellipse costs no more than the surface's height.
void FillEllipse(const Pixels& pixels, const Edges& box, const Edges& visible, QRgb colour) {
  const double centreX = (static_cast<double>(box.left) + static_cast<double>(box.right)) / 2;
  const double centreY = (static_cast<double>(box.top) + static_cast<double>(box.bottom)) / 2;
  const double radiusX = static_cast<double>(box.right - box.left) / 2;
  const double radiusY = static_cast<double>(box.bottom - box.top) / 2;
  const Edges rows = box.Within(visible);
  for (std::int64_t y = rows.top; y < rows.bottom; ++y) {
    const double dy = (static_cast<double>(y) + 0.5 - centreY) / radiusY;
    if (dy * dy >= 1.0) {
      continue;
    }
    const double halfSpan = radiusX * std::sqrt(1.0 - dy * dy);
    const Edges span{static_cast<std::int64_t>(std::ceil(centreX - halfSpan - 0.5)), y,
                     static_cast<std::int64_t>(std::floor(centreX + halfSpan - 0.5)) + 1, y + 1};
    const Edges shown = span.Within(visible);
    if (!shown.IsEmpty()) {
      pixels.Fill(shown, colour);
    }
  }
}

}  // namespace

ImageDrawContext::ImageDrawContext(QSize size) : image_(size, QImage::Format_ARGB32_Premultiplied) {
  image_.fill(kSurfaceBackground);
}

ImageDrawContext::~ImageDrawContext() = default;

void ImageDrawContext::SelectPen(std::int32_t width, PenColour colour) {
  // A pen thinner than a pixel draws one pixel wide, as the device does.
  penWidth_ = std::max(width, std::int32_t{1});
  penColour_ = qRgb(colour.red, colour.green, colour.blue);
}

void ImageDrawContext::Rectangle(const Box& box) {
  const Edges surface{0, 0, image_.width(), image_.height()};
  const Outline outline = OutlineOf(box, penWidth_);
  const Edges outer = outline.outer.Within(surface);
  if (outer.IsEmpty()) {
    return;
  }
  const Pixels pixels(image_);
  const Edges inner = outline.inner.Within(outer);
  // Each pixel is written once, row by row: the band's rows less their round
  // joins, the rows beside the interior in the pen colour and white.
  for (std::int64_t y = outer.top; y < outer.bottom; ++y) {
    if (!inner.IsEmpty() && y >= inner.top && y < inner.bottom) {
      pixels.Fill({outer.left, y, inner.left, y + 1}, penColour_);
      pixels.Fill({inner.left, y, inner.right, y + 1}, kWhite);
      pixels.Fill({inner.right, y, outer.right, y + 1}, penColour_);
    } else {
      const std::int64_t inset =
          RoundJoinInset(penWidth_, outline.outer.top, outline.outer.bottom, y);
      const Edges row{outline.outer.left + inset, y, outline.outer.right - inset, y + 1};
      pixels.Fill(row.Within(outer), penColour_);
    }
  }
  MarkDrawn(outer.ToRect());
}

// An ellipse's band is the ellipse inscribed in the outer box, with the one
// inscribed in the inner box filled white over it.
void ImageDrawContext::Ellipse(const Box& box) {
  const Edges surface{0, 0, image_.width(), image_.height()};
  const Outline outline = OutlineOf(box, penWidth_);
  const Edges visible = outline.outer.Within(surface);
  if (visible.IsEmpty()) {
    return;
  }
  const Pixels pixels(image_);
  FillEllipse(pixels, outline.outer, surface, penColour_);
  if (!outline.inner.IsEmpty()) {
    FillEllipse(pixels, outline.inner, surface, kWhite);
  }
  MarkDrawn(visible.ToRect());
}

// Only what was drawn on since the last clearing differs from the background.
void ImageDrawContext::Clear() {
  if (drawn_.isEmpty()) {
    return;
  }
  Pixels(image_).Fill({drawn_.left(), drawn_.top(), drawn_.right() + 1, drawn_.bottom() + 1},
                      kSurfaceBackground);
  changed_ |= drawn_;
  drawn_ = QRect();
}

void ImageDrawContext::MarkDrawn(const QRect& area) {
  changed_ |= area;
  drawn_ |= area;
}

QRect ImageDrawContext::TakeChangedRect() {
  const QRect changed = changed_;
  changed_ = QRect();
  return changed;
}
