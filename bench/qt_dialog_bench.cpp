// The desktop program's costs, on Qt's offscreen platform: one tick of a
// world with full tables through the real main dialog (drawing into the
// surface, refilling the list, setting the label, repainting the window),
// alone and with the Populations window open, and the time from constructing
// the dialog to its first frame. They run at
// display scale 2, a high-density screen, unless QT_SCALE_FACTOR says
// otherwise (QT_SCALE_FACTOR=1 for a plain one). Memory over
// 100,000 ticks is watched by the dialog's soak test (tests/qt).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWindow>
#include <memory>

#include "app/timers.h"
#include "render/null_draw_context.h"
#include "ui/qt/sim_dialog.h"

namespace {

CWorld FullWorld() {
  CWorld world;
  NullDrawContext nothing;
  for (std::int32_t i = 0; i < kTableCapacity; ++i) {
    const std::int32_t x = 1 + i % 21;
    const std::int32_t y = 1 + i / 21 * 4;
    world.PlacePlant(nothing, x, y);
    world.PlaceHerbivore(nothing, x, y + 1, 1 + i % 4, kHerbivoreKind);
    world.PlaceCarnivore(nothing, x, y + 2, 1 + i % 4, kCarnivoreKind);
  }
  return world;
}

void ShowAndWaitForFirstFrame(CSimDialog& dialog) {
  dialog.show();
  while (dialog.windowHandle() == nullptr || !dialog.windowHandle()->isExposed()) {
    QCoreApplication::processEvents();
  }
  QCoreApplication::processEvents();
}

// Animals run out of energy within 50 ticks, so the full world is restored
// (outside the timing) every 40 ticks.
constexpr int kTicksPerRefill = 40;

// With the Populations window open when the argument is 1: the chart is drawn
// anew and repainted after every tick.
void BM_FullTableTick(benchmark::State& state) {
  const CWorld full = FullWorld();
  CWorld world = full;
  Schedule schedule;
  CSimDialog dialog(world, schedule);
  ShowAndWaitForFirstFrame(dialog);
  if (state.range(0) == 1) {
    dialog.OnPopulations();
    QCoreApplication::processEvents();
  }
  int ticks = 0;
  for (auto _ : state) {
    if (++ticks % kTicksPerRefill == 0) {
      state.PauseTiming();
      world = full;
      state.ResumeTiming();
    }
    dialog.Controller().OnTimer(TIMER_STEP);
    QCoreApplication::processEvents();  // the repaints of what the tick drew
  }
  state.counters["entities"] = 3 * kTableCapacity;
  state.counters["scale"] = dialog.devicePixelRatioF();
}
BENCHMARK(BM_FullTableTick)->ArgName("chart")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_StartToFirstFrame(benchmark::State& state) {
  for (auto _ : state) {
    CWorld world;
    Schedule schedule;
    auto dialog = std::make_unique<CSimDialog>(world, schedule);
    ShowAndWaitForFirstFrame(*dialog);
    state.PauseTiming();
    dialog.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
    qputenv("QT_SCALE_FACTOR", "2");
  }
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
