// The board's pixels: a full-table redraw (441 grid cells, 100 animals of
// each kind, 100 plants) at display scales 1 and 2 with heap allocations
// counted, and erased and redrawn as the page's step does on a phone; that
// picture encoded as the player's PNG frames are, with the file's size; the
// population chart of a million ticks drawn whole and after one more tick,
// and the history's own size after those ticks.

#include <benchmark/benchmark.h>

#include <optional>

#include "allocation_counter.h"
#include "render/population_chart.h"
#include "render/raster_surface.h"
#include "render/retained_board.h"
#include "replay/png_output.h"
#include "sim/world.h"

namespace {

void FillTables(CWorld& world) {
  for (std::int32_t i = 0; i < kTableCapacity; ++i) {
    world.AddPlant(i % 21 + 1, i / 21 + 1);
    world.AddHerbivore(i % 21 + 1, i / 21 + 6, i % 4 + 1);
    world.AddCarnivore(i % 21 + 1, i / 21 + 11, i % 4 + 1);
    world.plants[i].growth = i;
    world.herbivores[i].energy = i + 1;
    world.carnivores[i].energy = i + 1;
  }
}

void BM_FullTableRedraw(benchmark::State& state, double scale) {
  CWorld world;
  FillTables(world);
  RasterSurface surface(662, 447, scale);
  const long long before = AllocationCount();
  for (auto _ : state) {
    world.RedrawAll(surface);
    benchmark::DoNotOptimize(surface.TakeChangedRect());
    benchmark::ClobberMemory();
  }
  state.counters["allocs_per_redraw"] = benchmark::Counter(
      static_cast<double>(AllocationCount() - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_FullTableRedraw, scale_1, 1.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FullTableRedraw, scale_2, 2.0)->Unit(benchmark::kMicrosecond);

// The page's board on a phone 390 pixels wide at a device pixel ratio of 3:
// a 1117-pixel board in a canvas's byte order, erased and drawn whole.
void BM_PageFullTableRedraw(benchmark::State& state) {
  CWorld world;
  FillTables(world);
  RetainedBoard board(662, 447, 2.66, DeviceScale::kLeastZoomedOut, PixelOrder::kRgba);
  for (auto _ : state) {
    board.Erase();
    world.RedrawAll(board.Board());
    benchmark::DoNotOptimize(board.Surface().TakeChangedRect());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PageFullTableRedraw)->Unit(benchmark::kMicrosecond);

void BM_FullTablePng(benchmark::State& state, int scale) {
  CWorld world;
  FillTables(world);
  PngOutput picture(scale);
  picture.Clear();
  world.RedrawAll(picture.Surface());
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::optional<std::string> png = picture.Encode();
    bytes = png ? png->size() : 0;
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK_CAPTURE(BM_FullTablePng, scale_1, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FullTablePng, scale_2, 2)->Unit(benchmark::kMicrosecond);

// Counts that climb and fall over every 20,000 ticks, a million of them: the
// history's columns are full, each spanning 256 ticks.
PopulationHistory MillionTicks() {
  PopulationHistory history;
  for (std::int32_t tick = 0; tick < 1'000'000; ++tick) {
    const std::int32_t phase = tick / 100 % 200 <= 100 ? tick / 100 % 200 : 200 - tick / 100 % 200;
    history.Record({phase, 100 - phase, phase / 2});
  }
  return history;
}

// The whole chart drawn on a new surface.
void BM_ChartDraw(benchmark::State& state, double scale) {
  const PopulationHistory history = MillionTicks();
  std::optional<PopulationChart> chart;
  long long allocations = 0;
  for (auto _ : state) {
    state.PauseTiming();
    chart.emplace(kChartWidth, kChartHeight, scale);
    state.ResumeTiming();
    const long long before = AllocationCount();
    chart->Draw(history, {40, 8, 0});
    allocations += AllocationCount() - before;
    benchmark::ClobberMemory();
  }
  state.counters["allocs_per_draw"] =
      benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
  state.counters["history_bytes"] = static_cast<double>(history.StoredBytes());
}
BENCHMARK_CAPTURE(BM_ChartDraw, scale_1, 1.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ChartDraw, scale_2, 2.0)->Unit(benchmark::kMicrosecond);

// One more tick recorded and drawn, as a window showing the chart does after
// every tick: only the legend and the newest ticks' strip are drawn again.
void BM_ChartTick(benchmark::State& state, double scale) {
  PopulationHistory history = MillionTicks();
  PopulationChart chart(kChartWidth, kChartHeight, scale);
  chart.Draw(history, {40, 8, 0});
  std::int32_t tick = 0;
  const long long before = AllocationCount();
  for (auto _ : state) {
    ++tick;
    history.Record({50, tick % 100, 0});
    chart.Draw(history, {50, tick % 100, 0});
    benchmark::ClobberMemory();
  }
  state.counters["allocs_per_tick"] = benchmark::Counter(
      static_cast<double>(AllocationCount() - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_ChartTick, scale_2, 2.0)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
