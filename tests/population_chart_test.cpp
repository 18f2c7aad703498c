#include "render/population_chart.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Plants grow from 3 to 100 in 1,300 ticks and stay there for a million:
// every pixel column then covers many merged columns, and the line stays a
// line along the top.
TEST(PopulationChartTest, AMillionTicksAtOneCountDrawALineNotABlock) {
  PopulationHistory history;
  for (std::int32_t tick = 0; tick < 1'000'000; ++tick) {
    history.Record({tick < 1300 ? 3 + tick * 97 / 1300 : 100, 0, 0});
  }
  PopulationChart chart(kChartWidth, kChartHeight, 1.0);
  chart.Draw(history, {100, 0, 0});
  EXPECT_EQ(chart.Surface().At(230, 100), 0xFFFFFFFFu);  // halfway along, between 50 and 75
  EXPECT_EQ(chart.Surface().At(230, 36), 0xFF009E73u);   // the plants' line at 100
}

// Drawn after every tick, a chart shows the pixels of one drawn at the end,
// across new axis ends, the history's first merge and changing counts.
TEST(PopulationChartTest, DrawingAfterEveryTickEndsAsOneWholeDrawing) {
  PopulationHistory history;
  PopulationChart followed(kChartWidth, kChartHeight, 1.25);
  for (std::int32_t tick = 0; tick < 5000; ++tick) {
    history.Record({tick / 50 % 101, tick % 37, 100 - tick / 60 % 101});
    followed.Draw(history, {tick % 101, 8, 0});
  }
  PopulationChart whole(kChartWidth, kChartHeight, 1.25);
  whole.Draw(history, {4999 % 101, 8, 0});
  EXPECT_EQ(followed.Surface().Pixels(), whole.Surface().Pixels());
}

// A chart for a canvas stores its pixels with red and blue the other way round.
TEST(PopulationChartTest, RgbaChartIsTheSameDrawingInACanvassByteOrder) {
  PopulationHistory history;
  for (std::int32_t tick = 0; tick < 300; ++tick) {
    history.Record({tick % 101, 40, 100 - tick % 101});
  }
  PopulationChart xrgb(kChartWidth, kChartHeight, 1.0);
  PopulationChart rgba(kChartWidth, kChartHeight, 1.0, PixelOrder::kRgba);
  xrgb.Draw(history, {40, 8, 0});
  rgba.Draw(history, {40, 8, 0});
  std::vector<std::uint32_t> swapped = xrgb.Surface().Pixels();
  for (std::uint32_t& pixel : swapped) {
    pixel = (pixel & 0xFF00FF00u) | (pixel >> 16 & 0xFFu) | (pixel & 0xFFu) << 16;
  }
  EXPECT_EQ(rgba.Surface().Pixels(), swapped);
}

}  // namespace
