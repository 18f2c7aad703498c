#include <gtest/gtest.h>

#include <climits>

#include "recording_tick_host.h"
#include "sim/tick.h"
#include "sim/world.h"

using Lines = std::vector<std::string>;

class TickTest : public ::testing::Test {
 protected:
  void RunTicks(int count) {
    for (int i = 0; i < count; ++i) {
      Tick(world, schedule, host);
    }
  }

  CWorld world;
  Schedule schedule;
  RecordingTickHost host;
};

TEST_F(TickTest, EmptyWorldStillPaintsReportsAndCounts) {
  RunTicks(1);
  EXPECT_EQ(host.report, (Lines{"plants", "Herbivore", "Carnivore"}));
  EXPECT_EQ(host.iterationText, "0");
  EXPECT_EQ(host.startupCancels, 1);
  EXPECT_EQ(host.dc.shapes.size(), 441u * 2);
  EXPECT_EQ(schedule.legLength, 1);
  EXPECT_EQ(schedule.legStep, 0);
  RunTicks(1);
  EXPECT_EQ(host.iterationText, "1");
  EXPECT_EQ(world.iterationCount, 2);
}

TEST_F(TickTest, ReportListsEveryKindUnderItsHeader) {
  world.AddPlant(2, 8);
  world.AddHerbivore(5, 5, 1);
  RunTicks(1);
  EXPECT_EQ(host.report, (Lines{"plants", "0: 22", "Herbivore", "0: 98", "Carnivore"}));
}

TEST_F(TickTest, SpiralScheduleTurnsThenMovesInGrowingLegsFiftyFiveTicksACycle) {
  std::string pattern;
  for (int i = 0; i < 56; ++i) {
    const int stepBefore = schedule.legStep;
    RunTicks(1);
    pattern += schedule.legStep == stepBefore + 1 ? 'm' : 'T';
  }
  EXPECT_EQ(pattern,
            "TmTmmTmmmTmmmmTmmmmmTmmmmmmTmmmmmmmTmmmmmmmmTmmmmmmmmmT"
            "T");
  EXPECT_EQ(schedule.legLength, 1);
}

TEST_F(TickTest, WorkedPathOfOneAnimalReturnsAfter110Ticks) {
  world.AddCarnivore(10, 10, 2);
  world.carnivores[0].energy = 1000;
  RunTicks(1);
  EXPECT_EQ(world.carnivores[0].heading, 1);
  RunTicks(1);
  EXPECT_EQ(world.carnivores[0].y, 9);
  RunTicks(12);
  EXPECT_EQ(world.carnivores[0].x, 12);
  EXPECT_EQ(world.carnivores[0].y, 12);
  EXPECT_EQ(world.carnivores[0].heading, 2);
  RunTicks(55 - 14);
  EXPECT_EQ(world.carnivores[0].x, 14);
  EXPECT_EQ(world.carnivores[0].y, 5);
  EXPECT_EQ(world.carnivores[0].heading, 4);
  RunTicks(55);
  EXPECT_EQ(world.carnivores[0].x, 10);
  EXPECT_EQ(world.carnivores[0].y, 10);
  EXPECT_EQ(world.carnivores[0].heading, 2);
}

TEST_F(TickTest, PlantGrowsSeedsOnceAtOneHundredAndGrowsOnWithoutLimit) {
  world.AddPlant(5, 5);
  RunTicks(40);
  EXPECT_EQ(host.report[1], "0: 100");
  RunTicks(1);
  ASSERT_EQ(world.plantCount, 2);
  EXPECT_EQ(world.plants[1].x, 6);
  EXPECT_EQ(world.plants[1].y, 5);
  EXPECT_EQ(host.report, (Lines{"plants", "0: 51", "1: 22", "Herbivore", "Carnivore"}));
  RunTicks(25);
  EXPECT_EQ(host.report[1], "0: 101");
  RunTicks(1);
  EXPECT_EQ(host.report[1], "0: 102");
  EXPECT_EQ(world.plantCount, 2);
}

TEST_F(TickTest, SeedIsDrawnAtOnceOverTheFinishedRedraw) {
  world.AddPlant(5, 5);
  world.plants[0].growth = 100;
  RunTicks(1);
  ASSERT_EQ(host.dc.shapes.size(), 441u * 2 + 1 + 1);
  EXPECT_EQ(host.dc.shapes.back().box, (Box{107, 87, 113, 93}));
}

TEST_F(TickTest, SeedFollowsTheRetryRuleWhenTheRightCellIsTaken) {
  world.AddPlant(5, 5);
  world.AddPlant(6, 5);
  world.plants[0].growth = 100;
  RunTicks(1);
  ASSERT_EQ(world.plantCount, 3);
  EXPECT_EQ(world.plants[2].x, 4);
  EXPECT_EQ(world.plants[2].y, 3);
}

TEST_F(TickTest, RipePlantInAFullTableStillHalvesItsGrowth) {
  for (int i = 0; i < kTableCapacity; ++i) {
    world.AddPlant(i * 3, 0);
  }
  world.plants[0].growth = 100;
  RunTicks(1);
  EXPECT_EQ(world.plantCount, kTableCapacity);
  EXPECT_EQ(world.plants[0].growth, 51);
}

TEST_F(TickTest, HerbivoreLivesFiftyTicksCarnivoreAHundred) {
  world.AddHerbivore(1, 1, 1);
  world.AddCarnivore(1, 1, 1);
  RunTicks(49);
  EXPECT_EQ(host.report, (Lines{"plants", "Herbivore", "0: 2", "Carnivore", "0: 51"}));
  RunTicks(1);
  EXPECT_EQ(host.report, (Lines{"plants", "Herbivore", "0: 0", "Carnivore", "0: 50"}));
  EXPECT_EQ(world.herbivoreCount, 0);
  RunTicks(50);
  EXPECT_EQ(host.report.back(), "0: 0");
  EXPECT_EQ(world.carnivoreCount, 0);
}

TEST_F(TickTest, RecordMovedIntoARemovedPlaceIsSkippedThatTick) {
  world.AddHerbivore(1, 1, 1);
  world.AddHerbivore(2, 2, 1);
  world.herbivores[0].energy = 2;
  world.herbivores[1].energy = 2;
  RunTicks(1);
  EXPECT_EQ(host.report, (Lines{"plants", "Herbivore", "0: 0", "Carnivore"}));
  ASSERT_EQ(world.herbivoreCount, 1);
  EXPECT_EQ(world.herbivores[0].energy, 2);
  RunTicks(1);
  EXPECT_EQ(host.report, (Lines{"plants", "Herbivore", "1: 0", "Carnivore"}));
  EXPECT_EQ(world.herbivoreCount, 0);
}

TEST_F(TickTest, CarnivoreMovedIntoARemovedPlaceIsSkippedThatTick) {
  world.AddCarnivore(1, 1, 1);
  world.AddCarnivore(2, 2, 1);
  world.AddCarnivore(3, 3, 1);
  world.carnivores[0].energy = 1;
  world.carnivores[1].energy = 1;
  RunTicks(1);
  EXPECT_EQ(host.report, (Lines{"plants", "Herbivore", "Carnivore", "0: 0", "2: 99"}));
  ASSERT_EQ(world.carnivoreCount, 2);
  EXPECT_EQ(world.carnivores[0].id, 1);
  EXPECT_EQ(world.carnivores[0].energy, 1);
  RunTicks(1);
  EXPECT_EQ(host.report, (Lines{"plants", "Herbivore", "Carnivore", "1: 0"}));
  ASSERT_EQ(world.carnivoreCount, 1);
  EXPECT_EQ(world.carnivores[0].id, 2);
  EXPECT_EQ(world.carnivores[0].energy, 99);
}

TEST_F(TickTest, BoardShowsValuesFromBeforeThisTicksUpdate) {
  world.AddHerbivore(1, 1, 1);
  RunTicks(1);
  EXPECT_EQ(host.dc.shapes[441 * 2].penColour, (PenColour{2, 2, 255}));
}

TEST_F(TickTest, CountersNearTheLimitWrapInsteadOfOverflowing) {
  world.iterationCount = INT_MAX;
  world.AddPlant(1, 1);
  world.plants[0].growth = INT_MAX;
  RunTicks(1);
  EXPECT_EQ(host.iterationText, "2147483647");
  EXPECT_EQ(world.iterationCount, INT_MIN);
  EXPECT_EQ(host.report[1], "0: -2147483648");
  RunTicks(1);
  EXPECT_EQ(host.iterationText, "-2147483648");
  EXPECT_EQ(world.plants[0].growth, INT_MIN + 2);
}

TEST_F(TickTest, ScheduleCountersAtTheLimitWrapInsteadOfOverflowing) {
  world.AddCarnivore(5, 5, 2);
  schedule.legLength = INT_MAX;
  schedule.legStep = INT_MAX - 1;
  RunTicks(1);
  EXPECT_EQ(world.carnivores[0].x, 6);
  EXPECT_EQ(schedule.legStep, INT_MAX);
  RunTicks(1);
  EXPECT_EQ(world.carnivores[0].heading, 1);
  EXPECT_EQ(schedule.legLength, INT_MIN);
  EXPECT_EQ(schedule.legStep, 0);
}

TEST_F(TickTest, EnergyAtTheLimitWrapsAndTheAnimalLivesOn) {
  world.AddHerbivore(1, 1, 1);
  world.AddCarnivore(1, 1, 1);
  world.herbivores[0].energy = INT_MIN + 1;
  world.carnivores[0].energy = INT_MIN;
  RunTicks(1);
  EXPECT_EQ(host.report,
            (Lines{"plants", "Herbivore", "0: 2147483647", "Carnivore", "0: 2147483647"}));
  EXPECT_EQ(world.herbivoreCount, 1);
  EXPECT_EQ(world.carnivoreCount, 1);
}
