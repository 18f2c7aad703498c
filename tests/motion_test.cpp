#include <gtest/gtest.h>

#include <climits>

#include "sim/world.h"

class MotionTest : public ::testing::Test {
 protected:
  Animal MovedHerbivore(int x, int y, int heading) {
    world.AddHerbivore(x, y, heading);
    world.MoveAnimals();
    return world.herbivores[world.herbivoreCount - 1];
  }

  CWorld world;
};

TEST_F(MotionTest, StepsOneCellAlongTheHeading) {
  EXPECT_EQ(MovedHerbivore(10, 10, 1).y, 9);
  world = CWorld();
  EXPECT_EQ(MovedHerbivore(10, 10, 2).x, 11);
  world = CWorld();
  EXPECT_EQ(MovedHerbivore(10, 10, 3).y, 11);
  world = CWorld();
  EXPECT_EQ(MovedHerbivore(10, 10, 4).x, 9);
}

TEST_F(MotionTest, WrapsAroundTheBoardEdges) {
  const Animal right = MovedHerbivore(21, 5, 2);
  EXPECT_EQ(right.x, 1);
  const Animal left = MovedHerbivore(1, 6, 4);
  EXPECT_EQ(left.x, 21);
  const Animal up = MovedHerbivore(5, 1, 1);
  EXPECT_EQ(up.y, 21);
  const Animal down = MovedHerbivore(5, 21, 3);
  EXPECT_EQ(down.y, 1);
}

TEST_F(MotionTest, WrapsBothCoordinatesWhateverTheHeading) {
  Animal animal = MovedHerbivore(0, 7, 1);
  EXPECT_EQ(animal.x, 21);
  EXPECT_EQ(animal.y, 6);
}

TEST_F(MotionTest, LeavesCoordinatesFurtherOffTheBoardUnwrapped) {
  world.AddCarnivore(-1, 7, 4);
  world.AddCarnivore(-1, 8, 2);
  world.MoveAnimals();
  EXPECT_EQ(world.carnivores[0].x, -2);
  EXPECT_EQ(world.carnivores[1].x, 21);
}

TEST_F(MotionTest, LeavesARowPastTheBottomEdgeUnwrapped) {
  const Animal below = MovedHerbivore(5, 22, 3);
  EXPECT_EQ(below.y, 23);
  const Animal sideways = MovedHerbivore(5, 22, 2);
  EXPECT_EQ(sideways.y, 1);
}

TEST_F(MotionTest, LeavesAColumnPastTheRightEdgeUnwrapped) {
  const Animal beyond = MovedHerbivore(22, 5, 2);
  EXPECT_EQ(beyond.x, 23);
  const Animal upward = MovedHerbivore(23, 5, 1);
  EXPECT_EQ(upward.x, 23);
  const Animal onTheEdge = MovedHerbivore(22, 6, 1);
  EXPECT_EQ(onTheEdge.x, 1);
}

TEST_F(MotionTest, UnknownHeadingDoesNotStep) {
  const Animal animal = MovedHerbivore(5, 5, 7);
  EXPECT_EQ(animal.x, 5);
  EXPECT_EQ(animal.y, 5);
}

TEST_F(MotionTest, CoordinatesAtTheIntegerLimitWrapInsteadOfOverflowing) {
  const Animal animal = MovedHerbivore(INT_MAX, 5, 2);
  EXPECT_EQ(animal.x, INT_MIN);
}

TEST_F(MotionTest, TurnsCounterClockwiseAndFourTurnsComeBack) {
  for (int heading = 1; heading <= 4; ++heading) {
    world.AddHerbivore(1, 1, heading);
  }
  world.AddCarnivore(1, 1, 9);
  world.TurnAnimals();
  EXPECT_EQ(world.herbivores[0].heading, 4);
  EXPECT_EQ(world.herbivores[1].heading, 1);
  EXPECT_EQ(world.herbivores[2].heading, 2);
  EXPECT_EQ(world.herbivores[3].heading, 3);
  EXPECT_EQ(world.carnivores[0].heading, 9);
  world.TurnAnimals();
  world.TurnAnimals();
  world.TurnAnimals();
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(world.herbivores[i].heading, i + 1);
  }
}

// Full animal tables move and turn beside plants on and just off the board,
// where a wrap would move them: every plant keeps its cell, id and growth.
TEST_F(MotionTest, PlantsNeverMove) {
  for (std::int32_t i = 0; i < kTableCapacity; ++i) {
    world.AddPlant(i % 23, i / 23);
    world.AddHerbivore(i % 21 + 1, 21, i % 4 + 1);
    world.AddCarnivore(21, i % 21 + 1, i % 4 + 1);
  }
  const auto plants = world.plants;
  for (int tick = 0; tick < 55; ++tick) {
    world.MoveAnimals();
    world.TurnAnimals();
  }
  for (std::int32_t i = 0; i < kTableCapacity; ++i) {
    EXPECT_EQ(world.plants[i].x, plants[i].x) << "plant " << i;
    EXPECT_EQ(world.plants[i].y, plants[i].y) << "plant " << i;
    EXPECT_EQ(world.plants[i].id, plants[i].id) << "plant " << i;
    EXPECT_EQ(world.plants[i].growth, plants[i].growth) << "plant " << i;
  }
}
