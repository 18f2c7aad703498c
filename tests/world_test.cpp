#include <gtest/gtest.h>

#include "sim/world.h"

class WorldTest : public ::testing::Test {
 protected:
  CWorld world;
};

TEST_F(WorldTest, StartsEmptyWithTheBaseColours) {
  EXPECT_EQ(world.plantCount, 0);
  EXPECT_EQ(world.herbivoreCount, 0);
  EXPECT_EQ(world.carnivoreCount, 0);
  EXPECT_EQ(world.iterationCount, 0);
  EXPECT_DOUBLE_EQ(world.plantColour.red, 204.0);
  EXPECT_DOUBLE_EQ(world.herbivoreColour.blue, 255.0);
  EXPECT_DOUBLE_EQ(world.carnivoreColour.red, 255.0);
}

TEST_F(WorldTest, AddsRecordsWithTheirIndexAsIdAndFullValues) {
  world.AddHerbivore(3, 4, 2);
  world.AddCarnivore(5, 6, 3);
  world.AddPlant(0, -3);
  EXPECT_EQ(world.herbivores[0].x, 3);
  EXPECT_EQ(world.herbivores[0].heading, 2);
  EXPECT_EQ(world.herbivores[0].energy, 100);
  EXPECT_EQ(world.carnivores[0].y, 6);
  EXPECT_EQ(world.carnivores[0].energy, 100);
  EXPECT_EQ(world.plants[0].x, 0);
  EXPECT_EQ(world.plants[0].y, -3);
  EXPECT_EQ(world.plants[0].growth, 20);
  world.AddPlant(1, 1);
  EXPECT_EQ(world.plants[1].id, 1);
}

TEST_F(WorldTest, RemovalKeepsOrderAndIdsSoALaterAddSharesAnId) {
  world.AddHerbivore(1, 1, 1);
  world.AddHerbivore(2, 2, 2);
  world.AddHerbivore(3, 3, 3);
  world.RemoveHerbivore(1);
  ASSERT_EQ(world.herbivoreCount, 2);
  EXPECT_EQ(world.herbivores[0].id, 0);
  EXPECT_EQ(world.herbivores[1].id, 2);
  EXPECT_EQ(world.herbivores[1].x, 3);
  world.AddHerbivore(4, 4, 4);
  EXPECT_EQ(world.herbivores[2].id, 2);
}

TEST_F(WorldTest, RemovingTheLastRecordOnlyShrinksTheCount) {
  world.AddCarnivore(1, 1, 1);
  world.AddCarnivore(2, 2, 2);
  world.RemoveCarnivore(1);
  EXPECT_EQ(world.carnivoreCount, 1);
  EXPECT_EQ(world.carnivores[0].x, 1);
}

TEST_F(WorldTest, RemovalOutsideTheLiveRecordsChangesNothing) {
  world.AddCarnivore(1, 1, 1);
  world.RemoveCarnivore(1);
  world.RemoveCarnivore(-1);
  world.RemoveHerbivore(0);
  EXPECT_EQ(world.carnivoreCount, 1);
  EXPECT_EQ(world.herbivoreCount, 0);
}

// A refused add writes nothing: the last record of each table, the first of
// the next one and the tick counter after the plants keep their values.
TEST_F(WorldTest, AddToAFullTableIsRefusedWithoutWritingPastIt) {
  world.iterationCount = 7;
  for (int i = 0; i < kTableCapacity; ++i) {
    world.AddPlant(i, i);
    world.AddHerbivore(i, i, 1);
    world.AddCarnivore(i, i, 1);
  }
  for (int i = 0; i < 5; ++i) {
    world.AddPlant(-50, -50);
    world.AddHerbivore(-50, -50, 1);
    world.AddCarnivore(-50, -50, 1);
  }
  EXPECT_EQ(world.plantCount, kTableCapacity);
  EXPECT_EQ(world.herbivoreCount, kTableCapacity);
  EXPECT_EQ(world.carnivoreCount, kTableCapacity);
  for (const Animal& animal : {world.carnivores[0], world.herbivores[0]}) {
    EXPECT_EQ(animal.x, 0);
    EXPECT_EQ(animal.y, 0);
    EXPECT_EQ(animal.heading, 1);
    EXPECT_EQ(animal.energy, 100);
  }
  EXPECT_EQ(world.plants[0].x, 0);
  EXPECT_EQ(world.plants[0].growth, 20);
  EXPECT_EQ(world.carnivores[kTableCapacity - 1].x, kTableCapacity - 1);
  EXPECT_EQ(world.herbivores[kTableCapacity - 1].x, kTableCapacity - 1);
  EXPECT_EQ(world.plants[kTableCapacity - 1].x, kTableCapacity - 1);
  EXPECT_EQ(world.iterationCount, 7);
}
