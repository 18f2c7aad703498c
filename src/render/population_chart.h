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
#pragma once

#include <cstdint>

#include "app/population_history.h"
#include "render/chart_text.h"
#include "render/raster_surface.h"

// The size the windows and the player show the chart at, in logical pixels.
inline constexpr std::int32_t kChartWidth = 440;
inline constexpr std::int32_t kChartHeight = 240;

class PopulationChart {
 public:
  PopulationChart(std::int32_t logicalWidth, std::int32_t logicalHeight, double scale);

  // Draws the whole chart anew.
  void Draw(const PopulationHistory& history, const Populations& now);

  RasterSurface& Surface() { return surface_; }
  const RasterSurface& Surface() const { return surface_; }

 private:
  struct Plot;

  void DrawGrid(const Plot& plot, std::int64_t lastTick, std::int64_t tickStep);
  void DrawLine(const Plot& plot, const PopulationHistory& history, std::size_t kind,
                std::uint32_t colour);
  void DrawLegend(const Populations& now);

  RasterSurface surface_;
  ChartText text_;
};
