// PopulationHistory: how many plants, herbivores and carnivores were alive
// after every tick of the run, however long it is.
//
// It holds at most kColumns columns, each the lowest and highest count of
// every kind over TicksPerColumn() consecutive ticks, the first column
// starting at tick 1. While the run fits, a column is one tick; when the
// columns are full, neighbours are merged in pairs and every column then
// covers twice as many ticks. The last column may cover fewer ticks than the
// others. The store is allocated once, when the history is made, so
// recording a tick never allocates, and the whole history stays at
// StoredBytes() (about 24 KB) for any number of ticks.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "sim/world.h"

// The live entities of each kind, plants first, as the report list orders
// the kinds.
struct Populations {
  std::int32_t plants = 0;
  std::int32_t herbivores = 0;
  std::int32_t carnivores = 0;

  friend bool operator==(const Populations&, const Populations&) = default;
};

Populations CountPopulations(const CWorld& world);

class PopulationHistory {
 public:
  static constexpr std::size_t kColumns = 4096;
  static constexpr std::size_t kKinds = 3;  // plants, herbivores, carnivores

  // A table holds at most kTableCapacity entities, so a count fits a byte.
  struct Column {
    std::array<std::uint8_t, kKinds> low{};
    std::array<std::uint8_t, kKinds> high{};
  };

  PopulationHistory();

  // The counts after the next tick.
  void Record(const Populations& counts);

  std::int64_t Ticks() const { return ticks_; }
  std::int64_t TicksPerColumn() const { return ticksPerColumn_; }
  std::span<const Column> Columns() const { return {columns_.data(), used_}; }

  // The memory the history holds: the object and its column store.
  std::size_t StoredBytes() const { return sizeof(*this) + columns_.capacity() * sizeof(Column); }

 private:
  void MergePairs();

  std::vector<Column> columns_;
  std::size_t used_ = 0;
  std::int64_t ticks_ = 0;
  std::int64_t ticksPerColumn_ = 1;
};
