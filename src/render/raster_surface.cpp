#include "render/raster_surface.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "render/round_join.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFF;

std::int32_t DeviceLength(const DeviceScale& scale, std::int32_t logical) {
  const std::int64_t device = scale.ToDevice(std::max(logical, std::int32_t{0}));
  return static_cast<std::int32_t>(
      std::min<std::int64_t>(device, std::numeric_limits<std::int32_t>::max()));
}

DeviceRect Union(const DeviceRect& a, const DeviceRect& b) {
  if (a.IsEmpty()) {
    return b;
  }
  if (b.IsEmpty()) {
    return a;
  }
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

}  // namespace

// Device edges in 64 bits, so that mapping and widening by a pen never
// overflow.
struct RasterSurface::Edges {
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
};

struct RasterSurface::Outline {
  Edges outer;
  Edges inner;
};

RasterSurface::RasterSurface(std::int32_t logicalWidth, std::int32_t logicalHeight, double scale,
                             double least, PixelOrder order)
    : scale_(scale, least),
      order_(order),
      white_(Stored(kWhite)),
      background_(Stored(kSurfaceBackground)),
      width_(DeviceLength(scale_, logicalWidth)),
      height_(DeviceLength(scale_, logicalHeight)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), background_),
      penColour_(Stored(0xFF000000u)) {}

void RasterSurface::SelectPen(std::int32_t width, PenColour colour) {
  pen_ = scale_.Pen(width);
  penColour_ = Stored(0xFF000000u | std::uint32_t{colour.red} << 16 |
                      std::uint32_t{colour.green} << 8 | std::uint32_t{colour.blue});
}

// Each pixel of the box is written once: the band's rows above and below the
// inner box in the pen colour less their round joins (see round_join.h), row
// by row; beside the inner box, the band's left part, the inner box in white
// and the band's right part, each as one area.
void RasterSurface::Rectangle(const Box& box) {
  const Outline outline = OutlineOf(box);
  const Edges outer = outline.outer.Within(Bounds());
  if (outer.IsEmpty()) {
    return;
  }
  const Edges inner = outline.inner.Within(outer);
  const auto bandRows = [&](std::int64_t top, std::int64_t bottom) {
    for (std::int64_t y = top; y < bottom; ++y) {
      const std::int64_t inset =
          RoundJoinInset(pen_.width, outline.outer.top, outline.outer.bottom, y);
      const Edges row{outline.outer.left + inset, y, outline.outer.right - inset, y + 1};
      Fill(row.Within(outer), penColour_);
    }
  };
  if (inner.IsEmpty()) {
    bandRows(outer.top, outer.bottom);
  } else {
    bandRows(outer.top, inner.top);
    Fill({outer.left, inner.top, inner.left, inner.bottom}, penColour_);
    Fill(inner, white_);
    Fill({inner.right, inner.top, outer.right, inner.bottom}, penColour_);
    bandRows(inner.bottom, outer.bottom);
  }
  MarkChanged(outer);
}

void RasterSurface::Ellipse(const Box& box) {
  const Outline outline = OutlineOf(box);
  const Edges visible = outline.outer.Within(Bounds());
  if (visible.IsEmpty()) {
    return;
  }
  FillEllipse(outline.outer, penColour_);
  if (!outline.inner.IsEmpty()) {
    FillEllipse(outline.inner, white_);
  }
  MarkChanged(visible);
}

void RasterSurface::FillRect(const DeviceRect& area, std::uint32_t colour) {
  const Edges visible = Edges{area.left, area.top, area.right, area.bottom}.Within(Bounds());
  if (visible.IsEmpty()) {
    return;
  }
  Fill(visible, Stored(colour));
  MarkChanged(visible);
}

void RasterSurface::BlendMask(std::int32_t left, std::int32_t top, std::int32_t width,
                              std::int32_t height, const std::uint8_t* mask, std::uint32_t colour) {
  const Edges visible =
      Edges{left, top, std::int64_t{left} + width, std::int64_t{top} + height}.Within(Bounds());
  if (visible.IsEmpty()) {
    return;
  }
  // Each channel blends alike, so the stored words blend as they are.
  const std::uint32_t stored = Stored(colour);
  const auto channel = [](std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xFFu; };
  for (std::int64_t y = visible.top; y < visible.bottom; ++y) {
    const std::uint8_t* coverage = mask + (y - top) * width - left;
    std::uint32_t* row = pixels_.data() + y * width_;
    for (std::int64_t x = visible.left; x < visible.right; ++x) {
      const std::uint32_t alpha = coverage[x];
      if (alpha == 0 || alpha == 255) {
        row[x] = alpha == 0 ? row[x] : stored;
        continue;
      }
      std::uint32_t blended = 0xFF000000u;
      for (const int shift : {16, 8, 0}) {
        // The weighted sum / 255, rounded, without dividing.
        const std::uint32_t sum =
            channel(stored, shift) * alpha + channel(row[x], shift) * (255 - alpha) + 128;
        blended |= ((sum + (sum >> 8)) >> 8) << shift;
      }
      row[x] = blended;
    }
  }
  MarkChanged(visible);
}

// Everything outside the area drawn on since the last clearing still has the
// background, so only that area is filled, and only it has changed.
void RasterSurface::Clear() {
  Fill({drawn_.left, drawn_.top, drawn_.right, drawn_.bottom}, background_);
  changed_ = Union(changed_, drawn_);
  drawn_ = DeviceRect{};
}

DeviceRect RasterSurface::TakeChangedRect() {
  const DeviceRect changed = changed_;
  changed_ = DeviceRect{};
  return changed;
}

RasterSurface::Outline RasterSurface::OutlineOf(const Box& box) const {
  const Edges edges{scale_.ToDevice(std::min(box.left, box.right)),
                    scale_.ToDevice(std::min(box.top, box.bottom)),
                    scale_.ToDevice(std::max(box.left, box.right)),
                    scale_.ToDevice(std::max(box.top, box.bottom))};
  return {edges.Grown(pen_.reach), edges.Grown(pen_.reach - pen_.width)};
}

RasterSurface::Edges RasterSurface::Bounds() const {
  return {0, 0, width_, height_};
}

// Only for an area within the buffer; nothing for an empty one.
void RasterSurface::Fill(const Edges& area, std::uint32_t colour) {
  if (area.IsEmpty()) {
    return;
  }
  const auto stride = static_cast<std::size_t>(width_);
  const auto span = static_cast<std::size_t>(area.right - area.left);
  std::uint32_t* row = pixels_.data() + static_cast<std::size_t>(area.top) * stride +
                       static_cast<std::size_t>(area.left);
  for (std::int64_t y = area.top; y < area.bottom; ++y, row += stride) {
    std::fill_n(row, span, colour);
  }
}

// Fills the pixels whose centres lie inside the ellipse inscribed in the box,
// row by row and only on the buffer's rows, so that a huge ellipse costs no
// more than the buffer's height.
void RasterSurface::FillEllipse(const Edges& box, std::uint32_t colour) {
  const double centreX = (static_cast<double>(box.left) + static_cast<double>(box.right)) / 2;
  const double centreY = (static_cast<double>(box.top) + static_cast<double>(box.bottom)) / 2;
  const double radiusX = static_cast<double>(box.right - box.left) / 2;
  const double radiusY = static_cast<double>(box.bottom - box.top) / 2;
  const Edges rows = box.Within(Bounds());
  for (std::int64_t y = rows.top; y < rows.bottom; ++y) {
    const double dy = (static_cast<double>(y) + 0.5 - centreY) / radiusY;
    if (dy * dy >= 1.0) {
      continue;
    }
    const double halfSpan = radiusX * std::sqrt(1.0 - dy * dy);
    const Edges span{static_cast<std::int64_t>(std::ceil(centreX - halfSpan - 0.5)), y,
                     static_cast<std::int64_t>(std::floor(centreX + halfSpan - 0.5)) + 1, y + 1};
    Fill(span.Within(Bounds()), colour);
  }
}

// Only for a non-empty area within the buffer.
void RasterSurface::MarkChanged(const Edges& area) {
  const DeviceRect rect{static_cast<std::int32_t>(area.left), static_cast<std::int32_t>(area.top),
                        static_cast<std::int32_t>(area.right),
                        static_cast<std::int32_t>(area.bottom)};
  changed_ = Union(changed_, rect);
  drawn_ = Union(drawn_, rect);
}

std::uint32_t RasterSurface::Stored(std::uint32_t colour) const {
  if (order_ == PixelOrder::kXrgb) {
    return colour;
  }
  return (colour & 0xFF00FF00u) | (colour >> 16 & 0xFFu) | (colour & 0xFFu) << 16;
}
