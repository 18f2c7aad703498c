#include "render/population_chart.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string_view>

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kGrid = 0xFFE6E6E6;
constexpr std::uint32_t kAxis = 0xFFBDBDBD;
constexpr std::uint32_t kLabel = 0xFF666666;
constexpr std::uint32_t kLegend = 0xFF333333;

// Green, blue and vermilion of the Okabe-Ito palette: the kinds' hues, each
// apart from the others also with deuteranopia or protanopia.
struct Series {
  std::string_view name;
  std::uint32_t colour;
};
constexpr std::array<Series, PopulationHistory::kKinds> kSeries{{
    {"plants", 0xFF009E73},
    {"herbivores", 0xFF0072B2},
    {"carnivores", 0xFFD55E00},
}};

constexpr std::int32_t kMaxCount = 100;  // the top of the vertical axis

// Logical pixels.
constexpr std::int32_t kEm = 12;
constexpr std::int32_t kPlotLeft = 40;
constexpr std::int32_t kPlotRight = 18;  // from the right edge
constexpr std::int32_t kPlotTop = 36;
constexpr std::int32_t kPlotBottom = 28;  // from the bottom edge
constexpr std::int32_t kLegendBaseline = 20;
constexpr std::int32_t kLegendBottom = 28;  // clear of the plot and its labels
constexpr std::int32_t kLabelGap = 6;
constexpr std::int32_t kLineWidth = 2;
constexpr std::int32_t kSwatchWidth = 16;
constexpr std::int32_t kLegendGap = 22;

// n / d to the nearest integer, halves upward, for d > 0.
std::int64_t RoundDiv(std::int64_t n, std::int64_t d) {
  const std::int64_t q = 2 * n + d;
  return q >= 0 ? q / (2 * d) : -((-q + 2 * d - 1) / (2 * d));
}

// The smallest of 1, 2, 5, 10, 20, 50, ... ticks that labels the axis up to
// `ticks` with at most five steps.
std::int64_t TickStep(std::int64_t ticks) {
  for (std::int64_t decade = 1;; decade *= 10) {
    for (const std::int64_t step : {decade, 2 * decade, 5 * decade}) {
      if ((ticks + step - 1) / step <= 5) {
        return step;
      }
    }
  }
}

// A number's digits, in a buffer of the caller's.
std::string_view Digits(std::int64_t value, std::array<char, 24>& buffer) {
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
  return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
}

}  // namespace

// The plot's area in device pixels, and where a tick and a count lie in it.
struct PopulationChart::Plot {
  std::int64_t left;
  std::int64_t top;
  std::int64_t right;
  std::int64_t bottom;
  std::int64_t lastTick;  // the axis's end
  std::int64_t pen;       // the lines' width

  std::int64_t X(std::int64_t tick) const {
    return left + RoundDiv(tick * (right - left), lastTick);
  }
  std::int64_t Y(std::int64_t count) const {
    return bottom - RoundDiv(count * (bottom - top), kMaxCount);
  }
};

PopulationChart::PopulationChart(std::int32_t logicalWidth, std::int32_t logicalHeight,
                                 double scale, PixelOrder order)
    : surface_(logicalWidth, logicalHeight, scale, 1.0, order),
      text_(static_cast<std::int32_t>(surface_.Scale().ToDevice(kEm))) {}

void PopulationChart::Draw(const PopulationHistory& history, const Populations& now) {
  const DeviceScale& scale = surface_.Scale();
  const std::int64_t ticks = std::max<std::int64_t>(history.Ticks(), 10);
  const std::int64_t step = TickStep(ticks);
  const Plot plot{scale.ToDevice(kPlotLeft),
                  scale.ToDevice(kPlotTop),
                  surface_.Width() - scale.ToDevice(kPlotRight),
                  surface_.Height() - scale.ToDevice(kPlotBottom),
                  (ticks + step - 1) / step * step,
                  scale.Pen(kLineWidth).width};
  const auto drawLines = [&] {
    for (std::size_t kind = 0; kind < kSeries.size(); ++kind) {
      DrawLine(plot, history, kind, kSeries[kind].colour);
    }
  };
  const std::int32_t width = surface_.Width();
  redrawnCount_ = 0;
  if (shown_.ticks < 0 || history.Ticks() < shown_.ticks || plot.lastTick != shown_.axisEnd ||
      history.TicksPerColumn() != shown_.ticksPerColumn) {
    BeginArea({0, 0, width, surface_.Height()});
    DrawGrid(plot, step, true);
    drawLines();
    DrawLegend(now);
  } else {
    if (now != shown_.counts) {
      BeginArea({0, 0, width, static_cast<std::int32_t>(scale.ToDevice(kLegendBottom))});
      DrawLegend(now);
    }
    if (history.Ticks() != shown_.ticks) {
      // From before the last column drawn, which may have grown, to past the
      // newest tick, wide enough for the pen on both sides.
      const std::int64_t reach = 2 * plot.pen + 1;
      const std::int64_t from = std::max<std::int64_t>(0, shown_.ticks - shown_.ticksPerColumn);
      BeginArea({static_cast<std::int32_t>(std::max(plot.left - plot.pen, plot.X(from) - reach)),
                 static_cast<std::int32_t>(plot.top - plot.pen),
                 static_cast<std::int32_t>(
                     std::min<std::int64_t>(width, plot.X(history.Ticks()) + reach)),
                 static_cast<std::int32_t>(plot.bottom + plot.pen)});
      DrawGrid(plot, step, false);
      drawLines();
    }
  }
  shown_ = {history.Ticks(), plot.lastTick, history.TicksPerColumn(), now};
}

void PopulationChart::BeginArea(const DeviceRect& area) {
  clip_ = area;
  redrawn_[redrawnCount_++] = area;
  Fill(area.left, area.top, area.right, area.bottom, kWhite);
}

void PopulationChart::Fill(std::int64_t left, std::int64_t top, std::int64_t right,
                           std::int64_t bottom, std::uint32_t colour) {
  surface_.FillRect({static_cast<std::int32_t>(std::max<std::int64_t>(left, clip_.left)),
                     static_cast<std::int32_t>(std::max<std::int64_t>(top, clip_.top)),
                     static_cast<std::int32_t>(std::min<std::int64_t>(right, clip_.right)),
                     static_cast<std::int32_t>(std::min<std::int64_t>(bottom, clip_.bottom))},
                    colour);
}

void PopulationChart::DrawGrid(const Plot& plot, std::int64_t tickStep, bool labels) {
  const DeviceScale& scale = surface_.Scale();
  const std::int64_t rule = scale.Pen(1).width;
  const std::int64_t gap = scale.ToDevice(kLabelGap);
  const std::int64_t half = text_.DigitHeight() / 2;
  std::array<char, 24> buffer;
  const auto put = [&](std::int64_t x, std::int64_t y, std::string_view text) {
    if (labels) {
      text_.Draw(surface_, static_cast<std::int32_t>(x), static_cast<std::int32_t>(y), text,
                 kLabel);
    }
  };
  for (std::int64_t count = 0; count <= kMaxCount; count += 25) {
    const std::int64_t y = plot.Y(count) - rule / 2;
    Fill(plot.left, y, plot.right, y + rule, count == 0 ? kAxis : kGrid);
    const std::string_view label = Digits(count, buffer);
    put(plot.left - gap - text_.Width(label), plot.Y(count) + half, label);
  }
  const std::int64_t baseline = plot.bottom + gap + text_.DigitHeight();
  for (std::int64_t tick = 0; tick <= plot.lastTick; tick += tickStep) {
    const std::int64_t x = plot.X(tick) - rule / 2;
    Fill(x, plot.top, x + rule, plot.bottom - rule / 2, kGrid);
    const std::string_view label = Digits(tick, buffer);
    const std::int64_t width = text_.Width(label);
    put(std::min(plot.X(tick) - width / 2, surface_.Width() - gap - width), baseline, label);
  }
  // The axis's name, clear of its first label.
  put(plot.left - 2 * gap - text_.Width("0") / 2 - text_.Width("tick"), baseline, "tick");
}

// Each column of the history is a stroke over its ticks from its lowest to
// its highest count, joined to the one before by a straight segment between
// their nearest counts.
void PopulationChart::DrawLine(const Plot& plot, const PopulationHistory& history, std::size_t kind,
                               std::uint32_t colour) {
  // The pen's square over the pixel columns x0 to x1 (exclusive) and the rows
  // y0 to y1. A stamp level with the one before and touching it extends it,
  // so a flat stretch is filled once.
  const std::int64_t before = plot.pen / 2;
  std::optional<DeviceRect> stroke;
  const auto fill = [&] {
    if (stroke) {
      Fill(stroke->left, stroke->top, stroke->right, stroke->bottom, colour);
    }
  };
  const auto stamp = [&](std::int64_t x0, std::int64_t x1, std::int64_t y0, std::int64_t y1) {
    const DeviceRect rect{static_cast<std::int32_t>(x0 - before),
                          static_cast<std::int32_t>(std::min(y0, y1) - before),
                          static_cast<std::int32_t>(x1 - before + plot.pen),
                          static_cast<std::int32_t>(std::max(y0, y1) - before + plot.pen)};
    if (stroke && rect.top == stroke->top && rect.bottom == stroke->bottom &&
        rect.left <= stroke->right) {
      stroke->right = std::max(stroke->right, rect.right);
      return;
    }
    fill();
    stroke = rect;
  };
  // A segment, one pixel column at a time, each spanning the rows the line
  // crosses from half a pixel before to half a pixel after it.
  const auto segment = [&](std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
    if (x1 <= x0) {
      stamp(x0, x0 + 1, y0, y1);
      return;
    }
    const auto yAt = [&](std::int64_t halfX) {
      const std::int64_t h = std::clamp(halfX, 2 * x0, 2 * x1);
      return y0 + RoundDiv((y1 - y0) * (h - 2 * x0), 2 * (x1 - x0));
    };
    for (std::int64_t x = x0; x <= x1; ++x) {
      stamp(x, x + 1, yAt(2 * x - 1), yAt(2 * x + 1));
    }
  };
  // The columns that start on one pixel column are stroked as one.
  struct Span {
    std::int64_t x0;
    std::int64_t x1;
    std::int64_t low;
    std::int64_t high;
  };
  std::optional<Span> drawn;
  std::optional<Span> pending;
  const auto flush = [&] {
    if (drawn) {
      const std::int64_t from =
          std::clamp((pending->low + pending->high) / 2, drawn->low, drawn->high);
      segment(drawn->x1, plot.Y(from), pending->x0,
              plot.Y(std::clamp(from, pending->low, pending->high)));
    }
    stamp(pending->x0, pending->x1 + 1, plot.Y(pending->low), plot.Y(pending->high));
    drawn = pending;
  };
  const std::int64_t perColumn = history.TicksPerColumn();
  std::int64_t first = 1;
  for (const PopulationHistory::Column& column : history.Columns()) {
    const std::int64_t last = std::min(first + perColumn - 1, history.Ticks());
    const Span span{plot.X(first), plot.X(last), column.low[kind], column.high[kind]};
    if (pending && span.x0 == pending->x0) {
      pending = Span{pending->x0, span.x1, std::min(pending->low, span.low),
                     std::max(pending->high, span.high)};
    } else {
      if (pending) {
        flush();
      }
      pending = span;
    }
    first = last + 1;
  }
  if (pending) {
    flush();
  }
  fill();
}

void PopulationChart::DrawLegend(const Populations& now) {
  const DeviceScale& scale = surface_.Scale();
  const std::int64_t baseline = scale.ToDevice(kLegendBaseline);
  const std::int64_t pen = scale.Pen(kLineWidth).width;
  const std::int64_t swatchTop = baseline - text_.DigitHeight() / 2 - pen / 2;
  const std::array<std::int32_t, PopulationHistory::kKinds> counts{now.plants, now.herbivores,
                                                                   now.carnivores};
  std::int64_t x = scale.ToDevice(kPlotLeft);
  std::array<char, 24> buffer;
  for (std::size_t kind = 0; kind < kSeries.size(); ++kind) {
    const std::int64_t swatch = scale.ToDevice(kSwatchWidth);
    Fill(x, swatchTop, x + swatch, swatchTop + pen, kSeries[kind].colour);
    x += swatch + scale.ToDevice(kLabelGap);
    for (const std::string_view word :
         {kSeries[kind].name, std::string_view(" "), Digits(counts[kind], buffer)}) {
      text_.Draw(surface_, static_cast<std::int32_t>(x), static_cast<std::int32_t>(baseline), word,
                 kLegend);
      x += text_.Width(word);
    }
    x += scale.ToDevice(kLegendGap);
  }
}
