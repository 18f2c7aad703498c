#include <gtest/gtest.h>

#include "sim/colour_scale.h"
#include "sim/world.h"

namespace {

int ConvertedLevel(int value) {
  CWorld world;
  world.UpdatePlantColour(value);
  return colour_scale::ToPenColour(world.plantColour).red;
}

}  // namespace

TEST(ColourScaleTest, SampleValuesFollowTheRepeatedAddition) {
  const std::pair<int, int> samples[] = {{100, 2},  {99, 5},   {98, 7},  {81, 50}, {61, 101},
                                         {50, 130}, {20, 206}, {2, 252}, {1, 255}, {0, 1}};
  for (const auto& [value, expected] : samples) {
    EXPECT_EQ(ConvertedLevel(value), expected) << "value " << value;
  }
}

TEST(ColourScaleTest, EachKindFadesItsOwnComponents) {
  CWorld world;
  world.UpdatePlantColour(40);
  world.UpdateHerbivoreColour(100);
  world.UpdateCarnivoreColour(1);
  EXPECT_EQ(colour_scale::ToPenColour(world.plantColour), (PenColour{155, 255, 155}));
  EXPECT_EQ(colour_scale::ToPenColour(world.herbivoreColour), (PenColour{2, 2, 255}));
  EXPECT_EQ(colour_scale::ToPenColour(world.carnivoreColour), (PenColour{255, 255, 255}));
}

TEST(ColourScaleTest, ValuesOutsideTheScaleKeepTheCurrentColour) {
  CWorld world;
  world.UpdateHerbivoreColour(98);
  for (const int value : {101, -1, 130, 2147483647, -2147483647 - 1}) {
    world.UpdateHerbivoreColour(value);
    EXPECT_EQ(colour_scale::ToPenColour(world.herbivoreColour), (PenColour{7, 7, 255}));
  }
}

TEST(ColourScaleTest, InitialColoursConvertToTheBaseHues) {
  const CWorld world;
  EXPECT_EQ(colour_scale::ToPenColour(world.plantColour), (PenColour{204, 255, 204}));
  EXPECT_EQ(colour_scale::ToPenColour(world.herbivoreColour), (PenColour{0, 0, 255}));
  EXPECT_EQ(colour_scale::ToPenColour(world.carnivoreColour), (PenColour{255, 0, 0}));
}
