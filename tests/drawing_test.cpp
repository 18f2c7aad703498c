#include <gtest/gtest.h>

#include "recording_draw_context.h"
#include "sim/world.h"

namespace {

DrawnShape Rect(Box box, int width, PenColour colour) {
  return {DrawnShape::Kind::kRectangle, box, width, colour};
}

}  // namespace

class DrawingTest : public ::testing::Test {
 protected:
  CWorld world;
  RecordingDrawContext dc;
};

TEST_F(DrawingTest, GridIs441CellsColumnByColumnWithTheBlackHairlinePen) {
  world.DrawGrid(dc);
  ASSERT_EQ(dc.shapes.size(), 441u);
  EXPECT_EQ(dc.shapes[0], Rect({0, 0, 20, 20}, 1, {0, 0, 0}));
  EXPECT_EQ(dc.shapes[1].box, (Box{0, 20, 20, 40}));
  EXPECT_EQ(dc.shapes[21].box, (Box{20, 0, 40, 20}));
  EXPECT_EQ(dc.shapes[440].box, (Box{400, 400, 420, 420}));
}

TEST_F(DrawingTest, RedrawOfAnEmptyWorldDrawsOnlyTheGrid) {
  world.RedrawAll(dc);
  EXPECT_EQ(dc.shapes.size(), 441u);
}

TEST_F(DrawingTest, AnimalIsItsCellThenABandOnItsHeadingSide) {
  const PenColour blue{0, 0, 255};
  const Box body{20, 40, 40, 60};
  const Box bands[] = {{20, 40, 40, 45}, {35, 40, 40, 60}, {20, 55, 40, 60}, {20, 40, 25, 60}};
  for (int heading = 1; heading <= 4; ++heading) {
    dc.shapes.clear();
    world.DrawAnimal(dc, 2, 3, heading, kHerbivoreKind);
    ASSERT_EQ(dc.shapes.size(), 2u);
    EXPECT_EQ(dc.shapes[0], Rect(body, 5, blue));
    EXPECT_EQ(dc.shapes[1], Rect(bands[heading - 1], 5, blue)) << "heading " << heading;
  }
}

TEST_F(DrawingTest, AnimalWithAnUnknownHeadingDrawsItsBodyTwice) {
  world.DrawAnimal(dc, 1, 1, 0, kCarnivoreKind);
  ASSERT_EQ(dc.shapes.size(), 2u);
  EXPECT_EQ(dc.shapes[1], Rect({0, 0, 20, 20}, 5, {255, 0, 0}));
}

TEST_F(DrawingTest, AnimalDrawnAsAnUnknownKindTakesTheHerbivoresColour) {
  world.herbivoreColour = KindColour{10.0, 20.0, 30.0};
  world.DrawAnimal(dc, 1, 1, kHeadingUp, 7);
  ASSERT_EQ(dc.shapes.size(), 2u);
  EXPECT_EQ(dc.shapes[0].penColour, (PenColour{10, 20, 30}));
}

TEST_F(DrawingTest, FullEnergyHerbivoreHeadingRightAtTheCorner) {
  world.AddHerbivore(1, 1, 2);
  world.RedrawAll(dc);
  ASSERT_EQ(dc.shapes.size(), 443u);
  EXPECT_EQ(dc.shapes[441], Rect({0, 0, 20, 20}, 5, {2, 2, 255}));
  EXPECT_EQ(dc.shapes[442], Rect({15, 0, 20, 20}, 5, {2, 2, 255}));
}

TEST_F(DrawingTest, PlantIsASmallBoxAroundTheCellCentreWithTheWidePen) {
  world.DrawPlant(dc, 2, 8);
  ASSERT_EQ(dc.shapes.size(), 1u);
  EXPECT_EQ(dc.shapes[0].kind, DrawnShape::Kind::kEllipse);
  EXPECT_EQ(dc.shapes[0].box, (Box{27, 147, 33, 153}));
  EXPECT_EQ(dc.shapes[0].penWidth, 18);
  EXPECT_EQ(dc.shapes[0].penColour, (PenColour{204, 255, 204}));
}

TEST_F(DrawingTest, RedrawOrdersHerbivoresCarnivoresThenPlants) {
  world.AddPlant(1, 1);
  world.AddCarnivore(2, 2, 1);
  world.AddHerbivore(3, 3, 1);
  world.RedrawAll(dc);
  ASSERT_EQ(dc.shapes.size(), 441u + 2 + 2 + 1);
  EXPECT_EQ(dc.shapes[441].box, (Box{40, 40, 60, 60}));
  EXPECT_EQ(dc.shapes[443].box, (Box{20, 20, 40, 40}));
  EXPECT_EQ(dc.shapes[445].kind, DrawnShape::Kind::kEllipse);
}

TEST_F(DrawingTest, RedrawDrawsEachAnimalInItsOwnKindsColourForItsEnergy) {
  world.AddHerbivore(1, 1, 1);
  world.AddCarnivore(2, 2, 1);
  world.herbivores[0].energy = 50;
  world.carnivores[0].energy = 81;
  world.RedrawAll(dc);
  ASSERT_EQ(dc.shapes.size(), 441u + 2 + 2);
  EXPECT_EQ(dc.shapes[441].penColour, (PenColour{130, 130, 255}));
  EXPECT_EQ(dc.shapes[443].penColour, (PenColour{255, 50, 50}));
}

TEST_F(DrawingTest, PlantPastOneHundredKeepsTheColourOfThePlantBefore) {
  world.AddPlant(1, 1);
  world.AddPlant(2, 1);
  world.plants[0].growth = 40;
  world.plants[1].growth = 130;
  world.RedrawAll(dc);
  EXPECT_EQ(dc.shapes[441].penColour, (PenColour{155, 255, 155}));
  EXPECT_EQ(dc.shapes[442].penColour, (PenColour{155, 255, 155}));
}

TEST_F(DrawingTest, FarOffCellsWrapTheirPixelCoordinates) {
  world.DrawPlant(dc, 2147483647, -2147483647 - 1);
  ASSERT_EQ(dc.shapes.size(), 1u);
  EXPECT_EQ(dc.shapes[0].box.left, static_cast<std::int32_t>(20u * 2147483647u - 13u));
  EXPECT_EQ(dc.shapes[0].box.top, -13);
}
