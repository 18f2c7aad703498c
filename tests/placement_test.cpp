#include <gtest/gtest.h>

#include <climits>

#include "recording_draw_context.h"
#include "sim/world.h"

class PlacementTest : public ::testing::Test {
 protected:
  CWorld world;
  RecordingDrawContext dc;
};

TEST_F(PlacementTest, PlantOnAFreeCellLandsThereAndIsDrawn) {
  world.PlacePlant(dc, 4, 6);
  ASSERT_EQ(world.plantCount, 1);
  EXPECT_EQ(world.plants[0].x, 4);
  EXPECT_EQ(world.plants[0].y, 6);
  ASSERT_EQ(dc.shapes.size(), 1u);
  EXPECT_EQ(dc.shapes[0].kind, DrawnShape::Kind::kEllipse);
  EXPECT_EQ(dc.shapes[0].box, (Box{67, 107, 73, 113}));
}

TEST_F(PlacementTest, PlantShiftsDiagonallyUpLeftUntilFree) {
  world.AddPlant(5, 5);
  world.AddPlant(3, 3);
  world.PlacePlant(dc, 5, 5);
  ASSERT_EQ(world.plantCount, 3);
  EXPECT_EQ(world.plants[2].x, 1);
  EXPECT_EQ(world.plants[2].y, 1);
}

TEST_F(PlacementTest, PlantMayBeShiftedOffTheBoard) {
  world.AddPlant(2, 2);
  world.PlacePlant(dc, 2, 2);
  EXPECT_EQ(world.plants[1].x, 0);
  EXPECT_EQ(world.plants[1].y, 0);
}

TEST_F(PlacementTest, AnimalShiftsLeftWithinItsOwnKindOnly) {
  world.AddHerbivore(7, 4, 1);
  world.AddHerbivore(6, 4, 1);
  world.AddCarnivore(5, 4, 1);
  world.AddPlant(5, 4);
  world.PlaceHerbivore(dc, 7, 4, 3, kHerbivoreKind);
  ASSERT_EQ(world.herbivoreCount, 3);
  EXPECT_EQ(world.herbivores[2].x, 5);
  EXPECT_EQ(world.herbivores[2].y, 4);
  EXPECT_EQ(world.herbivores[2].heading, 3);

  world.PlaceCarnivore(dc, 7, 4, 2, kCarnivoreKind);
  EXPECT_EQ(world.carnivores[1].x, 7);
}

TEST_F(PlacementTest, PlacementNeverChangesExistingRecords) {
  world.AddHerbivore(7, 4, 1);
  world.herbivores[0].energy = 42;
  world.PlaceHerbivore(dc, 7, 4, 2, kHerbivoreKind);
  EXPECT_EQ(world.herbivores[0].x, 7);
  EXPECT_EQ(world.herbivores[0].energy, 42);
  EXPECT_EQ(world.herbivores[0].heading, 1);
}

TEST_F(PlacementTest, NewcomerIsDrawnInTheKindsCurrentColour) {
  world.PlaceHerbivore(dc, 1, 1, 2, kHerbivoreKind);
  world.UpdateCarnivoreColour(50);
  world.PlaceCarnivore(dc, 2, 2, 2, kCarnivoreKind);
  ASSERT_EQ(dc.shapes.size(), 4u);
  EXPECT_EQ(dc.shapes[0].penColour, (PenColour{0, 0, 255}));
  EXPECT_EQ(dc.shapes[2].penColour, (PenColour{255, 130, 130}));
}

TEST_F(PlacementTest, SeedGoesToTheCellOnTheRightEvenPastTheBoard) {
  world.AddPlant(21, 9);
  world.SeedPlant(dc, 0);
  ASSERT_EQ(world.plantCount, 2);
  EXPECT_EQ(world.plants[1].x, 22);
  EXPECT_EQ(world.plants[1].y, 9);
  EXPECT_EQ(dc.shapes[0].box, (Box{427, 167, 433, 173}));
}

TEST_F(PlacementTest, FullTableRefusesAndDrawsNothing) {
  for (int i = 0; i < kTableCapacity; ++i) {
    world.AddPlant(i, 0);
    world.AddCarnivore(i, 0, 1);
  }
  world.PlacePlant(dc, 50, 50);
  world.PlaceCarnivore(dc, 50, 50, 1, kCarnivoreKind);
  EXPECT_EQ(world.plantCount, kTableCapacity);
  EXPECT_EQ(world.carnivoreCount, kTableCapacity);
  EXPECT_TRUE(dc.shapes.empty());
}

TEST_F(PlacementTest, ShiftsPastTheIntegerLimitWrapAround) {
  world.AddHerbivore(INT_MIN, 7, 1);
  world.AddPlant(INT_MIN + 1, INT_MIN);
  world.PlaceHerbivore(dc, INT_MIN, 7, 1, kHerbivoreKind);
  world.PlacePlant(dc, INT_MIN + 1, INT_MIN);
  EXPECT_EQ(world.herbivores[1].x, INT_MAX);
  EXPECT_EQ(world.herbivores[1].y, 7);
  EXPECT_EQ(world.plants[1].x, INT_MAX);
  EXPECT_EQ(world.plants[1].y, INT_MAX - 1);
  EXPECT_EQ(dc.shapes.size(), 3u);
}

TEST_F(PlacementTest, FirstSpawnedPlantLandsOnTwoEight) {
  world.SpawnPlant(dc);
  EXPECT_EQ(world.plants[0].x, 2);
  EXPECT_EQ(world.plants[0].y, 8);
}

TEST_F(PlacementTest, SpawnDrawsColumnRowThenHeading) {
  // Draws 41, 18467, 6334: x = 41 % 20 + 1, y = 18467 % 20 + 1, heading = 6334 % 4 + 1.
  world.SpawnHerbivore(dc);
  EXPECT_EQ(world.herbivores[0].x, 2);
  EXPECT_EQ(world.herbivores[0].y, 8);
  EXPECT_EQ(world.herbivores[0].heading, 3);
}

TEST_F(PlacementTest, SpawnedAnimalIsDrawnInItsOwnKindsColour) {
  world.SpawnHerbivore(dc);
  world.SpawnCarnivore(dc);
  ASSERT_EQ(dc.shapes.size(), 4u);
  EXPECT_EQ(dc.shapes[0].penColour, (PenColour{0, 0, 255}));
  EXPECT_EQ(dc.shapes[2].penColour, (PenColour{255, 0, 0}));
}

TEST_F(PlacementTest, RefusedSpawnStillConsumesItsRandomNumbers) {
  CWorld reference;
  for (int i = 0; i < kTableCapacity; ++i) {
    world.AddCarnivore(i + 100, 0, 1);
  }
  world.SpawnCarnivore(dc);
  world.SpawnPlant(dc);
  reference.SpawnCarnivore(dc);
  reference.SpawnPlant(dc);
  EXPECT_EQ(world.plants[0].x, reference.plants[0].x);
  EXPECT_EQ(world.plants[0].y, reference.plants[0].y);
}

TEST_F(PlacementTest, SpawnsStayInColumnsAndRowsOneToTwenty) {
  for (int i = 0; i < 300; ++i) {
    world.SpawnCarnivore(dc);
    if (world.carnivoreCount == kTableCapacity) {
      world.RemoveCarnivore(0);
    }
  }
  for (int i = 0; i < world.carnivoreCount; ++i) {
    EXPECT_LE(world.carnivores[i].x, 20);
    EXPECT_GE(world.carnivores[i].y, 1);
    EXPECT_LE(world.carnivores[i].y, 20);
    EXPECT_GE(world.carnivores[i].heading, 1);
    EXPECT_LE(world.carnivores[i].heading, 4);
  }
}
