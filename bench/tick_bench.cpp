// Time and heap allocations of one tick with full tables, and of a whole
// replayed session written to /dev/null.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "allocation_counter.h"
#include "app/script.h"
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
