#include "app/population_history.h"

#include <gtest/gtest.h>

namespace {

using Counts = std::array<std::uint8_t, 3>;

TEST(PopulationHistoryTest, KeepsEveryTickWhileItFits) {
  PopulationHistory history;
  history.Record({40, 8, 0});
  history.Record({41, 6, 2});
  ASSERT_EQ(history.Columns().size(), 2u);
  EXPECT_EQ(history.Columns()[1].low, (Counts{41, 6, 2}));
  EXPECT_EQ(history.Columns()[1].high, (Counts{41, 6, 2}));
}

// A million ticks of a count that climbs from 0 to 100 and back every 200
// ticks: the store never grows, and every whole column spans the full range.
TEST(PopulationHistoryTest, AMillionTicksStayWithin64KilobytesAsMinMaxColumns) {
  PopulationHistory history;
  const std::size_t bytes = history.StoredBytes();
  constexpr std::int64_t kTicks = 1'000'000;
  for (std::int64_t tick = 0; tick < kTicks; ++tick) {
    const auto phase = static_cast<std::int32_t>(tick % 200);
    history.Record({phase <= 100 ? phase : 200 - phase, 100, 0});
  }
  EXPECT_EQ(history.StoredBytes(), bytes);
  EXPECT_LE(bytes, 64u * 1024);
  EXPECT_EQ(history.Ticks(), kTicks);
  EXPECT_EQ(history.TicksPerColumn(), 256);
  EXPECT_EQ(history.Columns().size(), static_cast<std::size_t>((kTicks + 255) / 256));
  for (const PopulationHistory::Column& column : history.Columns().first(kTicks / 256)) {
    EXPECT_EQ(column.low, (Counts{0, 100, 0}));
    EXPECT_EQ(column.high, (Counts{100, 100, 0}));
  }
}

}  // namespace
