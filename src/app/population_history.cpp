#include "app/population_history.h"

#include <algorithm>

static_assert(kTableCapacity <= 255, "a count is kept in a byte");

Populations CountPopulations(const CWorld& world) {
  return {world.plantCount, world.herbivoreCount, world.carnivoreCount};
}

PopulationHistory::PopulationHistory() : columns_(kColumns) {}

void PopulationHistory::Record(const Populations& counts) {
  const std::array<std::uint8_t, kKinds> bytes{static_cast<std::uint8_t>(counts.plants),
                                               static_cast<std::uint8_t>(counts.herbivores),
                                               static_cast<std::uint8_t>(counts.carnivores)};
  if (ticks_ % ticksPerColumn_ == 0) {
    // The tick opens a column.
    if (used_ == kColumns) {
      MergePairs();
    }
    columns_[used_++] = {bytes, bytes};
  } else {
    Column& last = columns_[used_ - 1];
    for (std::size_t kind = 0; kind < kKinds; ++kind) {
      last.low[kind] = std::min(last.low[kind], bytes[kind]);
      last.high[kind] = std::max(last.high[kind], bytes[kind]);
    }
  }
  ++ticks_;
}

// Only when every column is full, so that each merged column again covers
// exactly TicksPerColumn() ticks.
void PopulationHistory::MergePairs() {
  for (std::size_t i = 0; i < kColumns / 2; ++i) {
    const Column& first = columns_[2 * i];
    const Column& second = columns_[2 * i + 1];
    Column merged;
    for (std::size_t kind = 0; kind < kKinds; ++kind) {
      merged.low[kind] = std::min(first.low[kind], second.low[kind]);
      merged.high[kind] = std::max(first.high[kind], second.high[kind]);
    }
    columns_[i] = merged;
  }
  used_ = kColumns / 2;
  ticksPerColumn_ *= 2;
}
