// The pixel surface at scale 1, checked on its pixels: the unscaled board.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>
#include <utility>
#include <vector>

#include "render/raster_surface.h"
#include "sim/colour_scale.h"
#include "sim/world.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kRed = 0xFFFF0000;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

std::uint32_t Opaque(PenColour colour) {
  return 0xFF000000u | std::uint32_t{colour.red} << 16 | std::uint32_t{colour.green} << 8 |
         colour.blue;
}

}  // namespace

class RasterSurfaceTest : public ::testing::Test {
 protected:
  CWorld world;
  RasterSurface surface{662, 447, 1.0};

  std::uint32_t At(int x, int y) const { return surface.At(x, y); }
};

TEST_F(RasterSurfaceTest, StartsInTheBackgroundAtTheClientAreaSize) {
  EXPECT_EQ(surface.Width(), 662);
  EXPECT_EQ(surface.Height(), 447);
  EXPECT_EQ(surface.Pixels().size(), 662u * 447u);
  EXPECT_EQ(kSurfaceBackground, 0xFFEFEFEFu);
  EXPECT_EQ(At(0, 0), kSurfaceBackground);
  EXPECT_EQ(At(661, 446), kSurfaceBackground);
  EXPECT_TRUE(surface.TakeChangedRect().IsEmpty());
}

TEST_F(RasterSurfaceTest, GridOutlinesLieOnEachCellsFirstAndLastPixels) {
  world.DrawGrid(surface);
  for (int row : {0, 10, 419}) {
    EXPECT_EQ(At(0, row), kBlack);    // board's left edge, 1 pixel
    EXPECT_EQ(At(19, row), kBlack);   // cell 1's last column ...
    EXPECT_EQ(At(20, row), kBlack);   // ... beside cell 2's first: a 2-pixel line
    EXPECT_EQ(At(419, row), kBlack);  // board's right edge
    EXPECT_EQ(At(420, row), kSurfaceBackground);
  }
  EXPECT_EQ(At(10, 0), kBlack);
  EXPECT_EQ(At(10, 419), kBlack);
  EXPECT_EQ(At(10, 420), kSurfaceBackground);
  for (int x = 1; x <= 18; ++x) {
    EXPECT_EQ(At(x, 10), kWhite);
  }
  EXPECT_EQ(surface.TakeChangedRect(), (DeviceRect{0, 0, 420, 420}));
  EXPECT_TRUE(surface.TakeChangedRect().IsEmpty());
}

// A herbivore at full energy heading right at (1, 1): the 5-pixel body
// outline reaches 2 pixels outside the cell, the bar is a solid band.
TEST_F(RasterSurfaceTest, AnimalOutlineReachesTwoPixelsOutAndTheBandIsSolid) {
  world.PlaceHerbivore(surface, 1, 1, kHeadingRight, kHerbivoreKind);
  const std::uint32_t blue = Opaque(colour_scale::ToPenColour(world.herbivoreColour));
  ASSERT_EQ(blue, 0xFF0000FFu);
  const int middle = 10;
  EXPECT_EQ(At(0, middle), blue);
  EXPECT_EQ(At(2, middle), blue);
  EXPECT_EQ(At(3, middle), kWhite);
  EXPECT_EQ(At(12, middle), kWhite);
  for (int x = 13; x <= 21; ++x) {
    EXPECT_EQ(At(x, middle), blue) << x;  // band and right outline, 2 beyond the cell
  }
  EXPECT_EQ(At(22, middle), kSurfaceBackground);
  EXPECT_EQ(At(middle, 2), blue);
  EXPECT_EQ(At(middle, 3), kWhite);
  EXPECT_EQ(At(middle, 16), kWhite);
  EXPECT_EQ(At(middle, 17), blue);
  EXPECT_EQ(At(middle, 21), blue);
  EXPECT_EQ(At(middle, 22), kSurfaceBackground);
  EXPECT_EQ(surface.TakeChangedRect(), (DeviceRect{0, 0, 22, 22}));
}

// The first "Plant" of a run lands on (2, 8): a solid disc 24 pixels across,
// centred on the cell's centre (30, 150).
TEST_F(RasterSurfaceTest, PlantIsASolidDiscCentredOnItsCell) {
  world.DrawGrid(surface);
  world.SpawnPlant(surface);
  ASSERT_EQ(world.plants[0].x, 2);
  ASSERT_EQ(world.plants[0].y, 8);
  const std::uint32_t green = Opaque(colour_scale::ToPenColour(world.plantColour));
  EXPECT_EQ(At(30, 150), green);
  for (const bool across : {true, false}) {
    int first = 0;
    int last = -100;
    for (int d = -20; d <= 20; ++d) {
      const std::uint32_t pixel = across ? At(30 + d, 150) : At(30, 150 + d);
      if (pixel == green) {
        first = last < -20 ? d : first;
        last = d;
      }
    }
    EXPECT_EQ(last - first + 1, 24);
    EXPECT_EQ(first + last, -1);  // columns 18..41 and rows 138..161: centred on the cell
  }
}

TEST_F(RasterSurfaceTest, DrawsOnlyPureColoursWithoutAntialiasing) {
  world.RedrawAll(surface);
  world.PlacePlant(surface, 5, 5);
  world.PlaceHerbivore(surface, 7, 3, kHeadingUp, kHerbivoreKind);
  world.PlaceCarnivore(surface, 9, 9, kHeadingLeft, kCarnivoreKind);
  world.PlaceCarnivore(surface, 21, 21, kHeadingDown, kCarnivoreKind);
  world.RedrawAll(surface);
  const std::set<std::uint32_t> allowed = {
      kSurfaceBackground,
      kWhite,
      kBlack,
      Opaque(colour_scale::ToPenColour(world.plantColour)),
      Opaque(colour_scale::ToPenColour(world.herbivoreColour)),
      Opaque(colour_scale::ToPenColour(world.carnivoreColour))};
  const std::set<std::uint32_t> drawn(surface.Pixels().begin(), surface.Pixels().end());
  for (const std::uint32_t pixel : drawn) {
    EXPECT_TRUE(allowed.contains(pixel)) << std::hex << pixel;
  }
}

TEST_F(RasterSurfaceTest, ShapesFarOffTheSurfaceAreSkipped) {
  surface.SelectPen(18, {255, 0, 0});
  surface.Rectangle({kMin, kMin, kMin + 20, kMin + 20});
  surface.Ellipse({kMax - 6, kMax - 6, kMax, kMax});
  surface.Rectangle({-30, 10, -12, 30});  // outline ends 3 pixels short of column 0
  surface.Rectangle({662 + 11, 0, 700, 20});
  EXPECT_TRUE(surface.TakeChangedRect().IsEmpty());
  EXPECT_EQ(surface.Pixels(), std::vector<std::uint32_t>(662u * 447u, kSurfaceBackground));
}

TEST_F(RasterSurfaceTest, HugeShapesAcrossTheSurfaceDrawOnlyTheirVisiblePart) {
  surface.SelectPen(5, {255, 0, 0});
  surface.Rectangle({kMin, kMin, kMax, kMax});
  EXPECT_EQ(At(0, 0), kWhite);
  EXPECT_EQ(At(661, 446), kWhite);
  surface.Rectangle({kMin, 100, 10, kMax});  // only its right outline shows
  EXPECT_EQ(At(9, 200), kRed);
  EXPECT_EQ(At(7, 200), kRed);
  EXPECT_EQ(At(6, 200), kWhite);
  EXPECT_EQ(At(9, 98), kRed);
  EXPECT_EQ(At(9, 97), kWhite);
  surface.Ellipse({kMin, kMin, kMax, kMax});
  EXPECT_EQ(surface.TakeChangedRect(), (DeviceRect{0, 0, 662, 447}));
}

// Clearing marks as changed only what was drawn on since the last clearing:
// the window then repaints the board, not the controls beside it.
TEST_F(RasterSurfaceTest, ClearFillsEverythingWithTheBackgroundAndMarksWhatWasDrawn) {
  world.AddPlant(3, 3);
  world.AddHerbivore(4, 4, kHeadingDown);
  world.RedrawAll(surface);
  const DeviceRect drawn = surface.TakeChangedRect();
  surface.Clear();
  EXPECT_EQ(surface.Pixels(), std::vector<std::uint32_t>(662u * 447u, kSurfaceBackground));
  EXPECT_EQ(surface.TakeChangedRect(), drawn);
  surface.Clear();
  EXPECT_TRUE(surface.TakeChangedRect().IsEmpty());
}

TEST_F(RasterSurfaceTest, ClearAfterAShapeOffTheGridRemovesIt) {
  surface.SelectPen(5, {255, 0, 0});
  surface.Rectangle({600, 400, 700, 500});
  surface.TakeChangedRect();
  surface.Clear();
  EXPECT_EQ(surface.At(661, 446), kSurfaceBackground);
  EXPECT_EQ(surface.At(598, 398), kSurfaceBackground);
  EXPECT_EQ(surface.TakeChangedRect(), (DeviceRect{598, 398, 662, 447}));
}

TEST_F(RasterSurfaceTest, ChangedRectCoversEveryShapeSinceItWasLastTaken) {
  surface.SelectPen(1, {0, 0, 0});
  surface.Rectangle({10, 20, 30, 40});
  surface.Ellipse({100, 5, 120, 15});
  EXPECT_EQ(surface.TakeChangedRect(), (DeviceRect{10, 5, 120, 40}));
  surface.Rectangle({-50, -50, 5, 5});
  EXPECT_EQ(surface.TakeChangedRect(), (DeviceRect{0, 0, 5, 5}));
}

TEST(RasterSurfaceSizeTest, NegativeLogicalSizeMakesAnEmptySurface) {
  RasterSurface surface(-5, 10, 1.0);
  EXPECT_EQ(surface.Width(), 0);
  EXPECT_TRUE(surface.Pixels().empty());
  surface.SelectPen(5, {0, 0, 0});
  surface.Rectangle({0, 0, 10, 10});
  surface.Ellipse({0, 0, 10, 10});
  surface.Clear();
  EXPECT_TRUE(surface.TakeChangedRect().IsEmpty());
}

// Wide pens join round at a rectangle's outer corners, as the device's do:
// the 5-pixel outline of the box 20..40 reaches 18..41, and only the one
// pixel at each outer corner, beyond half the pen's width of the corner
// point, stays unpainted; the inner corners and the sides stay square.
TEST_F(RasterSurfaceTest, FivePixelOutlineLeavesOutOnlyItsFourOuterCornerPixels) {
  surface.SelectPen(5, {255, 0, 0});
  surface.Rectangle({20, 20, 40, 40});
  for (const auto& [x, y] : {std::pair{18, 18}, {41, 18}, {18, 41}, {41, 41}}) {
    EXPECT_EQ(At(x, y), kSurfaceBackground) << x << ", " << y;
  }
  for (const auto& [x, y] : {std::pair{19, 18},
                             {18, 19},
                             {40, 18},
                             {41, 19},
                             {19, 41},
                             {40, 41},
                             {22, 22},
                             {37, 37},
                             {18, 30},
                             {41, 30}}) {
    EXPECT_EQ(At(x, y), kRed) << x << ", " << y;
  }
  EXPECT_EQ(At(23, 23), kWhite);
}

// The band of a wider pen rounds further: the 7-pixel outline of the same
// box leaves out three pixels at each outer corner.
TEST_F(RasterSurfaceTest, SevenPixelOutlineRoundsItsCornersByThreePixels) {
  surface.SelectPen(7, {255, 0, 0});
  surface.Rectangle({20, 20, 40, 40});
  int unpainted = 0;
  for (int y = 17; y < 43; ++y) {
    for (int x = 17; x < 43; ++x) {
      unpainted += At(x, y) == kSurfaceBackground ? 1 : 0;
    }
  }
  EXPECT_EQ(unpainted, 4 * 3);
  EXPECT_EQ(At(17, 17), kSurfaceBackground);
  EXPECT_EQ(At(18, 17), kSurfaceBackground);
  EXPECT_EQ(At(17, 18), kSurfaceBackground);
  EXPECT_EQ(At(18, 18), kRed);
}

// One- and two-pixel pens keep square corners.
TEST_F(RasterSurfaceTest, ThinPensKeepSquareCorners) {
  surface.SelectPen(1, {0, 0, 0});
  surface.Rectangle({0, 0, 20, 20});
  EXPECT_EQ(At(0, 0), kBlack);
  EXPECT_EQ(At(19, 19), kBlack);
  surface.SelectPen(2, {255, 0, 0});
  surface.Rectangle({50, 50, 70, 70});
  EXPECT_EQ(At(49, 49), kRed);
  EXPECT_EQ(At(70, 70), kRed);
}

// A canvas's byte order: the same drawing, each pixel with red and blue
// swapped, the background and the blended edges too.
TEST_F(RasterSurfaceTest, RgbaSurfaceHoldsTheSamePixelsWithRedAndBlueSwapped) {
  world.AddPlant(3, 3);
  world.AddHerbivore(4, 4, kHeadingDown);
  world.AddCarnivore(6, 5, kHeadingLeft);
  RasterSurface rgba(662, 447, 1.5, 1.0, PixelOrder::kRgba);
  RasterSurface xrgb(662, 447, 1.5);
  const std::uint8_t mask[] = {0, 40, 128, 255, 200, 7};
  for (RasterSurface* drawn : {&xrgb, &rgba}) {
    world.RedrawAll(*drawn);
    drawn->FillRect({500, 10, 540, 30}, 0xFF123456);
    drawn->BlendMask(60, 60, 3, 2, mask, 0xFFC08020);
  }
  std::vector<std::uint32_t> swapped = xrgb.Pixels();
  for (std::uint32_t& pixel : swapped) {
    pixel = (pixel & 0xFF00FF00u) | (pixel >> 16 & 0xFFu) | (pixel & 0xFFu) << 16;
  }
  EXPECT_EQ(rgba.Pixels(), swapped);
}
