// The desktop program's costs, on Qt's offscreen platform: one tick of a
// world with full tables through the real main dialog (drawing into the
// surface, refilling the list, setting the label, repainting the window),
// the time from constructing the dialog to its first frame, and the memory
// held after 100,000 ticks.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWindow>
#include <cstdio>
#include <fstream>
#include <memory>

#include "null_draw_context.h"
#include "sim_dialog.h"
#include "timers.h"

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

long ResidentKiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return resident * 4;
}

// Animals run out of energy within 50 ticks, so the full world is restored
// (outside the timing) every 40 ticks.
constexpr int kTicksPerRefill = 40;

void BM_FullTableTick(benchmark::State& state) {
  const CWorld full = FullWorld();
  CWorld world = full;
  Schedule schedule;
  CSimDialog dialog(world, schedule);
  ShowAndWaitForFirstFrame(dialog);
  int ticks = 0;
  for (auto _ : state) {
    if (++ticks % kTicksPerRefill == 0) {
      state.PauseTiming();
      world = full;
      state.ResumeTiming();
    }
    dialog.OnTimer(TIMER_STEP);
    QCoreApplication::processEvents();  // the repaint of what the tick drew
  }
  state.counters["entities"] = 3 * kTableCapacity;
}
BENCHMARK(BM_FullTableTick)->Unit(benchmark::kMillisecond);

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

void BM_MemoryOver100000Ticks(benchmark::State& state) {
  const CWorld full = FullWorld();
  CWorld world = full;
  Schedule schedule;
  CSimDialog dialog(world, schedule);
  ShowAndWaitForFirstFrame(dialog);
  for (int i = 0; i < 1000; ++i) {  // let the caches settle first
    dialog.OnTimer(TIMER_STEP);
  }
  QCoreApplication::processEvents();
  const long before = ResidentKiB();
  for (auto _ : state) {
    for (int i = 1; i <= 100000; ++i) {
      if (i % kTicksPerRefill == 0) {
        world = full;
      }
      dialog.OnTimer(TIMER_STEP);
      if (i % 100 == 0) {
        QCoreApplication::processEvents();
      }
    }
  }
  state.counters["rss_before_KiB"] = static_cast<double>(before);
  state.counters["rss_growth_KiB"] = static_cast<double>(ResidentKiB() - before);
}
BENCHMARK(BM_MemoryOver100000Ticks)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
