// Time and heap allocations of one tick with full tables, alone and through
// the dialog's rules with the session recorded, and of a whole replayed
// session written to /dev/null.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "allocation_counter.h"
#include "app/dialog_controller.h"
#include "app/script.h"
#include "app/session_recorder.h"
#include "render/null_draw_context.h"
#include "replay/output.h"
#include "replay/session.h"
#include "sim/tick.h"

namespace {

class DiscardingHost : public TickHost {
 public:
  void ClearReport() override {}
  void AppendReport(std::string_view text) override { benchmark::DoNotOptimize(text.data()); }
  void SetIterationText(std::string_view text) override { benchmark::DoNotOptimize(text.data()); }
  void CancelStartupTimer() override {}
  DrawContext& GetDrawContext() override { return dc_; }

 private:
  NullDrawContext dc_;
};

// Three full tables, the plants past seeding so the table stays as it is.
void FillTables(CWorld& world) {
  for (std::int32_t i = 0; i < kTableCapacity; ++i) {
    world.AddPlant(i % 21 + 1, i / 21 + 1);
    world.AddHerbivore(i % 21 + 1, i / 21 + 6, i % 4 + 1);
    world.AddCarnivore(i % 21 + 1, i / 21 + 11, i % 4 + 1);
    world.plants[i].growth = 101;
  }
}

// Tops the animals up before any of them runs out, so every tick does the
// same full amount of work with values of an ordinary run.
void Feed(CWorld& world) {
  for (std::int32_t i = 0; i < kTableCapacity; ++i) {
    world.herbivores[i].energy = 100;
    world.carnivores[i].energy = 100;
  }
}

void BM_FullTableTick(benchmark::State& state) {
  CWorld world;
  Schedule schedule;
  DiscardingHost host;
  FillTables(world);
  const long long before = AllocationCount();
  for (auto _ : state) {
    if (world.iterationCount % 40 == 0) {
      Feed(world);
    }
    Tick(world, schedule, host);
  }
  state.counters["allocs_per_tick"] = benchmark::Counter(
      static_cast<double>(AllocationCount() - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FullTableTick);

// A window that shows nothing.
class DiscardingWindow : public DialogWindow {
 public:
  void StartTimer(int, int) override {}
  void StopTimer(int) override {}
  void ShowReport(std::span<const std::string> lines) override {
    benchmark::DoNotOptimize(lines.data());
  }
  void SetIterationText(std::string_view text) override { benchmark::DoNotOptimize(text.data()); }
  DrawContext& Board() override { return dc_; }
  void EraseBoard() override {}
  void ShowBoard() override {}

 private:
  NullDrawContext dc_;
};

// The step timer's tick through the dialog's rules, the session recorded when
// the argument is 1: a run of ticks is one counter, so recording allocates
// nothing and the text keeps its size.
void BM_DialogTick(benchmark::State& state) {
  CWorld world;
  Schedule schedule;
  DiscardingWindow window;
  DialogController dialog(world, schedule, window);
  SessionRecorder recorder(Random::kDefaultSeed);
  if (state.range(0) == 1) {
    dialog.RecordTo(recorder);
  }
  FillTables(world);
  dialog.OnPlant();  // a command before the run of ticks
  dialog.OnTimer(TIMER_STEP);
  const long long before = AllocationCount();
  for (auto _ : state) {
    if (world.iterationCount % 40 == 0) {
      Feed(world);
    }
    dialog.OnTimer(TIMER_STEP);
  }
  state.counters["allocs_per_tick"] = benchmark::Counter(
      static_cast<double>(AllocationCount() - before), benchmark::Counter::kAvgIterations);
  state.counters["session_bytes"] = static_cast<double>(recorder.Text().size());
}
BENCHMARK(BM_DialogTick)->ArgName("recorded")->Arg(0)->Arg(1);

// A 10,000-tick session with full tables through the player, output to /dev/null.
void BM_ReplayTenThousandTicks(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < kTableCapacity; ++i) {
    const std::string cell = std::to_string(i % 21 + 1) + " " + std::to_string(i / 21 + 1);
    text +=
        "place plant " + cell + " place herbivore " + cell + " 2 place carnivore " + cell + " 3\n";
  }
  text += "tick 10000\n";
  const Script script = std::get<Script>(ParseScript(text));
  std::FILE* sink = std::fopen("/dev/null", "w");
  for (auto _ : state) {
    CWorld world;
    Schedule schedule;
    NullDrawContext dc;
    Output out(sink);
    Session session(world, schedule, dc, out);
    session.Run(script);
  }
  std::fclose(sink);
}
BENCHMARK(BM_ReplayTenThousandTicks)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
