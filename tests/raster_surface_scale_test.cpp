// The pixel surface at display scales: the one rounding rule, and the
// properties it promises checked on random boards and random shapes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <ostream>
#include <random>
#include <set>
#include <vector>

#include "render/raster_surface.h"
#include "sim/world.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// A scale as an exact fraction, so the expected device edges are worked out
// here independently of the surface's fixed point.
struct Scale {
  double value;
  std::int64_t numerator;
  std::int64_t denominator;
};

void PrintTo(const Scale& scale, std::ostream* out) {
  *out << scale.value;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

// floor(v * s + 1/2)
std::int64_t D(const Scale& s, std::int64_t v) {
  return FloorDiv(2 * v * s.numerator + s.denominator, 2 * s.denominator);
}

struct Rect {
  std::int64_t left, top, right, bottom;
};

// Where a shape's outline may reach: its device box grown by the pen's reach.
Rect Reach(const Scale& s, const Box& box, std::int32_t penWidth) {
  const std::int64_t reach = D(s, std::max(penWidth, 1) / 2);
  return {D(s, std::min(box.left, box.right)) - reach, D(s, std::min(box.top, box.bottom)) - reach,
          D(s, std::max(box.left, box.right)) + reach, D(s, std::max(box.top, box.bottom)) + reach};
}

std::int64_t PenPixels(const Scale& s, std::int32_t penWidth) {
  return std::max<std::int64_t>(1, D(s, std::max(penWidth, 1)));
}

DeviceRect Clipped(const Rect& r, const RasterSurface& surface) {
  const Rect c{std::max<std::int64_t>(r.left, 0), std::max<std::int64_t>(r.top, 0),
               std::min<std::int64_t>(r.right, surface.Width()),
               std::min<std::int64_t>(r.bottom, surface.Height())};
  if (c.right <= c.left || c.bottom <= c.top) {
    return {};
  }
  return {static_cast<std::int32_t>(c.left), static_cast<std::int32_t>(c.top),
          static_cast<std::int32_t>(c.right), static_cast<std::int32_t>(c.bottom)};
}

// Consecutive pixels of one colour from (x, y) in steps of (dx, dy).
int RunLength(const RasterSurface& surface, std::int64_t x, std::int64_t y, int dx, int dy,
              std::uint32_t colour) {
  int length = 0;
  while (x >= 0 && y >= 0 && x < surface.Width() && y < surface.Height() &&
         surface.At(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)) == colour) {
    ++length;
    x += dx;
    y += dy;
  }
  return length;
}

// A board with a few dozen entities of each kind on random cells, with
// random headings, energies and growth, so that many cells stay free.
CWorld RandomWorld(std::uint32_t seed) {
  std::mt19937 random(seed);
  auto between = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  CWorld world;
  const int herbivores = between(0, 30);
  for (int i = 0; i < herbivores; ++i) {
    world.AddHerbivore(between(1, 21), between(1, 21), between(1, 4));
    world.herbivores[i].energy = between(1, 100);
  }
  const int carnivores = between(0, 30);
  for (int i = 0; i < carnivores; ++i) {
    world.AddCarnivore(between(1, 21), between(1, 21), between(1, 4));
    world.carnivores[i].energy = between(1, 100);
  }
  const int plants = between(0, 30);
  for (int i = 0; i < plants; ++i) {
    world.AddPlant(between(1, 21), between(1, 21));
    world.plants[i].growth = between(20, 130);
  }
  return world;
}

struct Cell {
  int x;
  int y;
};

bool Near(const Cell& cell, std::int32_t x, std::int32_t y) {
  return std::abs(cell.x - x) <= 1 && std::abs(cell.y - y) <= 1;
}

// Cells that no entity's glyph can reach: none in the cell or beside it.
std::vector<Cell> FreeCells(const CWorld& world) {
  std::vector<Cell> free;
  for (int x = 1; x <= 21; ++x) {
    for (int y = 1; y <= 21; ++y) {
      const Cell cell{x, y};
      bool taken = false;
      for (int i = 0; i < world.herbivoreCount; ++i) {
        taken = taken || Near(cell, world.herbivores[i].x, world.herbivores[i].y);
      }
      for (int i = 0; i < world.carnivoreCount; ++i) {
        taken = taken || Near(cell, world.carnivores[i].x, world.carnivores[i].y);
      }
      for (int i = 0; i < world.plantCount; ++i) {
        taken = taken || Near(cell, world.plants[i].x, world.plants[i].y);
      }
      if (!taken) {
        free.push_back(cell);
      }
    }
  }
  return free;
}

Box CellBox(const Cell& cell) {
  return {20 * cell.x - 20, 20 * cell.y - 20, 20 * cell.x, 20 * cell.y};
}

// Hands every shape to the surface and checks that it changed no pixel
// outside the shape's reach (in a margin around it) and reported exactly its
// visible reach as changed.
class ReachProbe : public DrawContext {
 public:
  ReachProbe(RasterSurface& surface, const Scale& scale) : surface_(surface), scale_(scale) {}

  void SelectPen(std::int32_t width, PenColour colour) override {
    penWidth_ = width;
    surface_.SelectPen(width, colour);
  }
  void Rectangle(const Box& box) override {
    Check(box, [&] { surface_.Rectangle(box); });
  }
  void Ellipse(const Box& box) override {
    Check(box, [&] { surface_.Ellipse(box); });
  }

  int failures = 0;

 private:
  static constexpr int kMargin = 6;

  template <typename Draw>
  void Check(const Box& box, Draw draw) {
    const Rect reach = Reach(scale_, box, penWidth_);
    const DeviceRect around = Clipped(
        {reach.left - kMargin, reach.top - kMargin, reach.right + kMargin, reach.bottom + kMargin},
        surface_);
    std::vector<std::uint32_t> before;
    for (int y = around.top; y < around.bottom; ++y) {
      for (int x = around.left; x < around.right; ++x) {
        before.push_back(surface_.At(x, y));
      }
    }
    surface_.TakeChangedRect();
    draw();
    EXPECT_EQ(surface_.TakeChangedRect(), Clipped(reach, surface_));
    std::size_t i = 0;
    for (int y = around.top; y < around.bottom; ++y) {
      for (int x = around.left; x < around.right; ++x, ++i) {
        const bool inside =
            x >= reach.left && x < reach.right && y >= reach.top && y < reach.bottom;
        if (!inside && surface_.At(x, y) != before[i] && failures++ < 5) {
          ADD_FAILURE() << "pixel " << x << ", " << y << " outside the reach of box " << box.left
                        << ", " << box.top << ", " << box.right << ", " << box.bottom;
        }
      }
    }
  }

  RasterSurface& surface_;
  Scale scale_;
  std::int32_t penWidth_ = 1;
};

}  // namespace

TEST(DeviceScaleTest, RoundsHalvesUpOnBothSidesOfZero) {
  const DeviceScale scale(1.5);
  EXPECT_EQ(scale.ToDevice(0), 0);
  EXPECT_EQ(scale.ToDevice(1), 2);    // 1.5
  EXPECT_EQ(scale.ToDevice(3), 5);    // 4.5
  EXPECT_EQ(scale.ToDevice(-1), -1);  // -1.5
  EXPECT_EQ(scale.ToDevice(-3), -4);  // -4.5
  EXPECT_EQ(scale.ToDevice(20), 30);
}

TEST(DeviceScaleTest, UsualScalesAreExactAtTheEndsOf32Bits) {
  for (const double s : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0}) {
    const DeviceScale scale(s);
    EXPECT_EQ(scale.ToDevice(kMax), static_cast<std::int64_t>(std::floor(kMax * s + 0.5))) << s;
    EXPECT_EQ(scale.ToDevice(kMin), static_cast<std::int64_t>(std::floor(kMin * s + 0.5))) << s;
    EXPECT_EQ(scale.ToDevice(420), static_cast<std::int64_t>(420 * s)) << s;
  }
}

TEST(DeviceScaleTest, ScalesOutsideOneToFourAreClamped) {
  EXPECT_EQ(DeviceScale(0.5).ToDevice(100), 100);
  EXPECT_EQ(DeviceScale(-2.0).ToDevice(100), 100);
  EXPECT_EQ(DeviceScale(std::numeric_limits<double>::quiet_NaN()).ToDevice(100), 100);
  EXPECT_EQ(DeviceScale(7.0).ToDevice(100), 400);
  EXPECT_EQ(DeviceScale(std::numeric_limits<double>::infinity()).ToDevice(100), 400);
}

TEST(DeviceScaleTest, AFaceMayAskForScalesBelowOne) {
  EXPECT_EQ(DeviceScale(0.5, DeviceScale::kLeastZoomedOut).ToDevice(100), 50);
  EXPECT_EQ(DeviceScale(0.01, DeviceScale::kLeastZoomedOut).ToDevice(100), 13);
  EXPECT_EQ(RasterSurface(662, 447, 0.8, DeviceScale::kLeastZoomedOut).Width(), 530);
}

TEST(DeviceScaleTest, OtherScalesAreTakenToTheNearestStep) {
  EXPECT_EQ(DeviceScale(1.1).ToDevice(1000), 1100);
  EXPECT_EQ(DeviceScale(1.0 + 1.0 / 65536).ToDevice(65536), 65537);
}

// One scale worked out by hand: at 1.5 a 20-pixel cell is 30 device pixels.
class RasterSurfaceAtOneAndAHalfTest : public ::testing::Test {
 protected:
  RasterSurface surface{662, 447, 1.5};
  CWorld world;
};

// The 1-pixel pen is 2 wide on every cell edge: the board's border is 2 on
// all four sides and an inner line, two cells' edges together, is 4.
TEST_F(RasterSurfaceAtOneAndAHalfTest, GridLinesAreTwoOnTheBorderAndFourInside) {
  world.DrawGrid(surface);
  const int middleOfRow2 = 45;
  EXPECT_EQ(RunLength(surface, 0, middleOfRow2, 1, 0, kBlack), 2);
  EXPECT_EQ(RunLength(surface, 28, middleOfRow2, 1, 0, kBlack), 4);
  EXPECT_EQ(RunLength(surface, 629, middleOfRow2, -1, 0, kBlack), 2);
  EXPECT_EQ(RunLength(surface, 45, 0, 0, 1, kBlack), 2);
  EXPECT_EQ(RunLength(surface, 45, 629, 0, -1, kBlack), 2);
  EXPECT_EQ(surface.At(630, middleOfRow2), kSurfaceBackground);
}

// An animal's 5-pixel pen is 8 wide and reaches 3 out of its cell, which
// lies at 120..149 for cell 5.
TEST_F(RasterSurfaceAtOneAndAHalfTest, AnimalPenIsEightWideReachingThreeOut) {
  world.DrawAnimal(surface, 5, 5, kHeadingUp, kHerbivoreKind);
  const std::uint32_t blue = 0xFF0000FF;
  const int middle = 135;
  EXPECT_EQ(surface.At(116, middle), kSurfaceBackground);
  EXPECT_EQ(RunLength(surface, 117, middle, 1, 0, blue), 8);
  EXPECT_EQ(RunLength(surface, 152, middle, -1, 0, blue), 8);
  EXPECT_EQ(surface.At(153, middle), kSurfaceBackground);
}

// A plant's 18-pixel pen is 27 wide and reaches 14 out of its 9-pixel box
// (131..139 for cell 5): a solid disc 37 across.
TEST_F(RasterSurfaceAtOneAndAHalfTest, PlantPenReachesFourteenOutOfItsBox) {
  world.DrawPlant(surface, 5, 5);
  const std::uint32_t green = 0xFFCCFFCC;
  const int middle = 135;
  EXPECT_EQ(surface.At(116, middle), kSurfaceBackground);
  EXPECT_EQ(RunLength(surface, 117, middle, 1, 0, green), 37);
  EXPECT_EQ(RunLength(surface, middle, 117, 0, 1, green), 37);
}

class RasterSurfaceScaleTest : public ::testing::TestWithParam<Scale> {
 protected:
  const Scale& s = GetParam();
  RasterSurface surface{662, 447, GetParam().value};

  // The empty grid and boards drawn by RedrawAll.
  std::vector<CWorld> Boards() {
    std::vector<CWorld> boards(1);
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
      boards.push_back(RandomWorld(seed * 7919 + static_cast<std::uint32_t>(s.numerator)));
    }
    return boards;
  }
};

TEST_P(RasterSurfaceScaleTest, DeviceSizeIsTheLogicalSizeScaledAndRounded) {
  EXPECT_EQ(surface.Width(), D(s, 662));
  EXPECT_EQ(surface.Height(), D(s, 447));
  EXPECT_EQ(surface.Pixels().size(),
            static_cast<std::size_t>(surface.Width()) * static_cast<std::size_t>(surface.Height()));
}

// Every side of every free cell shows the same width of grid line, the whole
// length of the side, and the cells differ by at most a pixel.
TEST_P(RasterSurfaceScaleTest, GridLinesHaveOneWidthAndCellsOneSize) {
  std::set<int> widths;
  std::set<std::int64_t> cellSizes;
  for (CWorld& world : Boards()) {
    surface.Clear();
    world.RedrawAll(surface);
    for (const Cell& cell : FreeCells(world)) {
      const Rect box = Reach(s, CellBox(cell), 1);
      cellSizes.insert(box.right - box.left);
      cellSizes.insert(box.bottom - box.top);
      const std::int64_t w = PenPixels(s, 1);
      for (std::int64_t y = box.top + w; y < box.bottom - w; ++y) {
        widths.insert(RunLength(surface, box.left, y, 1, 0, kBlack));
        widths.insert(RunLength(surface, box.right - 1, y, -1, 0, kBlack));
        ASSERT_EQ(surface.At(static_cast<std::int32_t>(box.left + w), static_cast<std::int32_t>(y)),
                  kWhite);
      }
      for (std::int64_t x = box.left + w; x < box.right - w; ++x) {
        widths.insert(RunLength(surface, x, box.top, 0, 1, kBlack));
        widths.insert(RunLength(surface, x, box.bottom - 1, 0, -1, kBlack));
      }
    }
  }
  EXPECT_EQ(widths, std::set<int>{static_cast<int>(PenPixels(s, 1))});
  ASSERT_FALSE(cellSizes.empty());
  EXPECT_LE(*cellSizes.rbegin() - *cellSizes.begin(), 1);
}

TEST_P(RasterSurfaceScaleTest, BoardBorderIsEquallyThickOnAllFourSides) {
  const std::int64_t end = D(s, 420);
  std::set<int> left, right, top, bottom;
  for (CWorld& world : Boards()) {
    surface.Clear();
    world.RedrawAll(surface);
    for (const Cell& cell : FreeCells(world)) {
      const Rect box = Reach(s, CellBox(cell), 1);
      const std::int64_t middleX = (box.left + box.right) / 2;
      const std::int64_t middleY = (box.top + box.bottom) / 2;
      if (cell.x == 1) {
        left.insert(RunLength(surface, 0, middleY, 1, 0, kBlack));
      }
      if (cell.x == 21) {
        right.insert(RunLength(surface, end - 1, middleY, -1, 0, kBlack));
        EXPECT_EQ(RunLength(surface, end, middleY, 1, 0, kSurfaceBackground),
                  surface.Width() - end);
      }
      if (cell.y == 1) {
        top.insert(RunLength(surface, middleX, 0, 0, 1, kBlack));
      }
      if (cell.y == 21) {
        bottom.insert(RunLength(surface, middleX, end - 1, 0, -1, kBlack));
        EXPECT_EQ(RunLength(surface, middleX, end, 0, 1, kSurfaceBackground),
                  surface.Height() - end);
      }
    }
  }
  EXPECT_EQ(left.size(), 1u);
  EXPECT_EQ(left, right);
  EXPECT_EQ(left, top);
  EXPECT_EQ(left, bottom);
}

// A plant with no other plant beside it shows its whole disc: it fills its
// reach box edge to edge, mirrors both ways and across its diagonal, and its
// centre is within half a pixel of its cell's.
TEST_P(RasterSurfaceScaleTest, PlantDiscsAreSymmetricAndCentredOnTheirCell) {
  int checked = 0;
  for (CWorld& world : Boards()) {
    surface.Clear();
    world.RedrawAll(surface);
    for (int i = 0; i < world.plantCount; ++i) {
      const Plant& plant = world.plants[i];
      bool alone = true;
      for (int j = 0; j < world.plantCount; ++j) {
        const bool sameCell = world.plants[j].x == plant.x && world.plants[j].y == plant.y;
        alone =
            alone && (sameCell || !Near({plant.x, plant.y}, world.plants[j].x, world.plants[j].y));
      }
      // On the board's first row or column a disc reaches past the surface.
      if (!alone || plant.x == 1 || plant.y == 1) {
        continue;
      }
      const Box cell = CellBox({plant.x, plant.y});
      const Rect disc =
          Reach(s, {cell.left + 7, cell.top + 7, cell.right - 7, cell.bottom - 7}, 18);
      const Rect device = Reach(s, cell, 1);
      EXPECT_LE(std::abs((disc.left + disc.right) - (device.left + device.right)), 1);
      const std::uint32_t colour =
          surface.At(static_cast<std::int32_t>((disc.left + disc.right) / 2),
                     static_cast<std::int32_t>((disc.top + disc.bottom) / 2));
      auto inDisc = [&](std::int64_t x, std::int64_t y) {
        return surface.At(static_cast<std::int32_t>(disc.left + x),
                          static_cast<std::int32_t>(disc.top + y)) == colour;
      };
      const std::int64_t size = disc.right - disc.left;
      ASSERT_EQ(disc.bottom - disc.top, size);
      for (std::int64_t y = 0; y < size; ++y) {
        for (std::int64_t x = 0; x < size; ++x) {
          ASSERT_EQ(inDisc(x, y), inDisc(size - 1 - x, y)) << x << ", " << y;
          ASSERT_EQ(inDisc(x, y), inDisc(x, size - 1 - y)) << x << ", " << y;
          ASSERT_EQ(inDisc(x, y), inDisc(y, x)) << x << ", " << y;
        }
        EXPECT_TRUE(inDisc(y, size / 2));  // the middle row spans the whole box
      }
      EXPECT_NE(colour, kWhite);
      ++checked;
    }
  }
  EXPECT_GT(checked, 10);
}

TEST_P(RasterSurfaceScaleTest, NoOutlineReachesPastItsPen) {
  for (CWorld& world : Boards()) {
    ReachProbe probe(surface, s);
    world.RedrawAll(probe);
    EXPECT_EQ(probe.failures, 0);
  }
}

// Random boxes and pens on a small surface: each shape alone covers exactly
// its reach box, mirrors about its centre, and a rectangle's band is W
// pixels on all four sides along their whole length.
TEST_P(RasterSurfaceScaleTest, RandomShapesMirrorAndHaveEqualSides) {
  RasterSurface small(48, 48, s.value);
  std::mt19937 random(static_cast<std::uint32_t>(s.numerator * 31 + s.denominator));
  auto between = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  for (int round = 0; round < 400; ++round) {
    const std::int32_t pen = between(1, 20);
    const std::int32_t left = between(12, 24);
    const std::int32_t top = between(12, 24);
    const Box box{left, top, left + between(1, 14), top + between(1, 14)};
    const bool ellipse = between(0, 1) == 1;
    small.Clear();
    small.TakeChangedRect();
    small.SelectPen(pen, {0, 0, 255});
    ellipse ? small.Ellipse(box) : small.Rectangle(box);
    const std::uint32_t blue = 0xFF0000FF;
    const Rect reach = Reach(s, box, pen);
    const std::int64_t w = PenPixels(s, pen);
    SCOPED_TRACE(testing::Message()
                 << (ellipse ? "ellipse " : "rectangle ") << box.left << ", " << box.top << ", "
                 << box.right << ", " << box.bottom << " pen " << pen);
    for (std::int32_t y = 0; y < small.Height(); ++y) {
      for (std::int32_t x = 0; x < small.Width(); ++x) {
        const bool inside =
            x >= reach.left && x < reach.right && y >= reach.top && y < reach.bottom;
        const std::uint32_t pixel = small.At(x, y);
        if (!inside) {
          ASSERT_EQ(pixel, kSurfaceBackground) << x << ", " << y;
          continue;
        }
        const auto mirrorX = static_cast<std::int32_t>(reach.left + reach.right - 1 - x);
        const auto mirrorY = static_cast<std::int32_t>(reach.top + reach.bottom - 1 - y);
        ASSERT_EQ(pixel, small.At(mirrorX, y)) << x << ", " << y;
        ASSERT_EQ(pixel, small.At(x, mirrorY)) << x << ", " << y;
      }
    }
    EXPECT_EQ(small.TakeChangedRect(), Clipped(reach, small));
    if (ellipse) {
      continue;
    }
    const std::int64_t width = reach.right - reach.left;
    const std::int64_t height = reach.bottom - reach.top;
    // Where the pen is wider than half the box the band fills it solid.
    const int across = static_cast<int>(width <= 2 * w ? width : w);
    const int down = static_cast<int>(height <= 2 * w ? height : w);
    for (std::int64_t y = reach.top + w; y < reach.bottom - w; ++y) {
      ASSERT_EQ(RunLength(small, reach.left, y, 1, 0, blue), across);
      ASSERT_EQ(RunLength(small, reach.right - 1, y, -1, 0, blue), across);
    }
    for (std::int64_t x = reach.left + w; x < reach.right - w; ++x) {
      ASSERT_EQ(RunLength(small, x, reach.top, 0, 1, blue), down);
      ASSERT_EQ(RunLength(small, x, reach.bottom - 1, 0, -1, blue), down);
    }
  }
}

// Boxes anywhere in 32 bits, with pens up to the largest width: what is
// drawn stays inside the buffer (the sanitizer build checks every write) and
// the changed part is the visible reach.
TEST_P(RasterSurfaceScaleTest, AnyBoxDrawsOnlyInsideTheBuffer) {
  RasterSurface small(40, 30, s.value);
  std::mt19937 random(static_cast<std::uint32_t>(s.numerator * 131 + s.denominator));
  std::uniform_int_distribution<std::int32_t> any(kMin, kMax);
  auto edge = [&]() -> std::int32_t {
    switch (random() % 4) {
      case 0:
        return random() % 2 == 0 ? kMin : kMax;
      case 1:
        return std::uniform_int_distribution<std::int32_t>(-60, 100)(random);
      case 2:
        return any(random) / 2;
      default:
        return any(random);
    }
  };
  const std::int32_t pens[] = {kMin, -1, 0, 1, 2, 5, 18, 1000, kMax / 2, kMax};
  for (int round = 0; round < 2000; ++round) {
    const std::int32_t pen = pens[random() % std::size(pens)];
    const Box box{edge(), edge(), edge(), edge()};
    small.SelectPen(pen, {255, 0, 0});
    random() % 2 == 0 ? small.Rectangle(box) : small.Ellipse(box);
    ASSERT_EQ(small.TakeChangedRect(), Clipped(Reach(s, box, pen), small))
        << box.left << ", " << box.top << ", " << box.right << ", " << box.bottom << " pen " << pen;
  }
  const std::set<std::uint32_t> drawn(small.Pixels().begin(), small.Pixels().end());
  for (const std::uint32_t pixel : drawn) {
    EXPECT_TRUE(pixel == kSurfaceBackground || pixel == kWhite || pixel == 0xFFFF0000) << pixel;
  }
}

INSTANTIATE_TEST_SUITE_P(DisplayScales, RasterSurfaceScaleTest,
                         ::testing::Values(Scale{1.25, 5, 4}, Scale{1.5, 3, 2}, Scale{2.0, 2, 1},
                                           Scale{3.0, 3, 1}, Scale{1.75, 7, 4}, Scale{2.5, 5, 2},
                                           Scale{4.0, 4, 1}),
                         [](const ::testing::TestParamInfo<Scale>& scale) {
                           return "Scale" + std::to_string(scale.param.numerator * 100 /
                                                           scale.param.denominator);
                         });
