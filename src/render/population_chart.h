// PopulationChart: the population history drawn as a line chart, the same
// pixels in every face and in the player.
//
// The chart fills its own RasterSurface of a logical size at a display scale
// (DeviceScale's rule). On white: a legend with the counts now, such as
// "plants 40   herbivores 8   carnivores 0", above the plot; light grid
// lines at the counts 0, 25, 50, 75 and 100 (the vertical axis, a table's
// whole capacity) and at round ticks along the horizontal axis, which runs
// from tick 0 to the first round number at or past the last tick recorded;
// and one line per kind, in colours of the kinds' hues that stay apart for
// colour-blind viewers. Where a column of pixels covers several ticks, the
// line spans their lowest to highest count. Drawing allocates nothing.
//
// Draw redraws only what changed since the Draw before: the legend when the
// counts changed, and the strip of the plot where the newest ticks fall;
// all of it when the axis or the history's columns changed. So it is handed
// the same history every time, grown by the ticks since, as a window's is;
// a chart for another history is a new PopulationChart. The pixels are
// always those of a whole drawing; Redrawn() lists the parts drawn, for a
// face to repaint no more than those.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "app/population_history.h"
#include "render/chart_text.h"
#include "render/raster_surface.h"

// The size the windows and the player show the chart at, in logical pixels.
inline constexpr std::int32_t kChartWidth = 440;
inline constexpr std::int32_t kChartHeight = 240;

class PopulationChart {
 public:
  // `order`: the surface's pixel order.
  PopulationChart(std::int32_t logicalWidth, std::int32_t logicalHeight, double scale,
                  PixelOrder order = PixelOrder::kXrgb);

  // Draws the whole chart anew.
  void Draw(const PopulationHistory& history, const Populations& now);

  // The areas the last Draw drew on, in device pixels: one or two.
  std::span<const DeviceRect> Redrawn() const { return {redrawn_.data(), redrawnCount_}; }

  RasterSurface& Surface() { return surface_; }
  const RasterSurface& Surface() const { return surface_; }

 private:
  struct Plot;

  // What the surface shows, as of the last Draw.
  struct Shown {
    std::int64_t ticks = -1;  // none drawn yet
    std::int64_t axisEnd = 0;
    std::int64_t ticksPerColumn = 0;
    Populations counts;
  };

  // Fills the part of a device rectangle inside clip_.
  void Fill(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
            std::uint32_t colour);
  // The grid lines, and the axes' labels too with `labels`.
  void DrawGrid(const Plot& plot, std::int64_t tickStep, bool labels);
  void DrawLine(const Plot& plot, const PopulationHistory& history, std::size_t kind,
                std::uint32_t colour);
  void DrawLegend(const Populations& now);

  RasterSurface surface_;
  ChartText text_;
  // Starts drawing on `area`: it is filled white, and nothing outside it is
  // drawn on until the next area.
  void BeginArea(const DeviceRect& area);

  DeviceRect clip_;
  std::array<DeviceRect, 2> redrawn_;
  std::size_t redrawnCount_ = 0;
  Shown shown_;
};
