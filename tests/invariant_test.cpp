// Random sessions of spawns, placements, redraws and ticks on a fresh world,
// each from a fixed seed, with the world's invariants checked after every
// step: bounded counts, live records kept in place and order, free cells for
// newcomers, headings only ever given or turned, one report line per visited
// record with the record after each removal left for the next tick, and only
// the three pens of the board ever selected.

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "recording_tick_host.h"
#include "render/tee_draw_context.h"
#include "sim/colour_scale.h"
#include "sim/tick.h"
#include "sim/world.h"

namespace {

using Pen = std::tuple<std::int32_t, std::uint8_t, std::uint8_t, std::uint8_t>;

// Every pen the board may be drawn with: the black grid hairline, an animal
// pen in a herbivore or carnivore colour, a plant pen in a plant colour, each
// colour either the kind's initial one or one of the colour scale.
std::set<Pen> BoardPens() {
  std::set<Pen> pens{{1, 0, 0, 0}, {5, 0, 0, 255}, {5, 255, 0, 0}, {18, 204, 255, 204}};
  CWorld probe;
  for (std::int32_t value = 0; value <= 100; ++value) {
    probe.UpdatePlantColour(value);
    probe.UpdateHerbivoreColour(value);
    probe.UpdateCarnivoreColour(value);
    const std::uint8_t a = colour_scale::ToPenColour(probe.plantColour).red;
    pens.insert({18, a, 255, a});
    pens.insert({5, a, a, 255});
    pens.insert({5, 255, a, a});
  }
  return pens;
}

std::int32_t TurnedLeft(std::int32_t heading) {
  return heading >= 1 && heading <= 4 ? (heading + 2) % 4 + 1 : heading;
}

std::string Entry(std::int32_t id, std::int32_t value) {
  return std::to_string(id) + ": " + std::to_string(value);
}

template <typename Record>
std::vector<Record> Live(const std::array<Record, kTableCapacity>& table, std::int32_t count) {
  return std::vector<Record>(table.begin(), table.begin() + count);
}

bool SameAnimal(const Animal& a, const Animal& b) {
  return a.x == b.x && a.y == b.y && a.heading == b.heading && a.id == b.id && a.energy == b.energy;
}

bool SamePlant(const Plant& a, const Plant& b) {
  return a.x == b.x && a.y == b.y && a.id == b.id && a.growth == b.growth;
}

template <typename Record>
bool SameCell(const Record& a, const Record& b) {
  return a.x == b.x && a.y == b.y;
}

struct Snapshot {
  explicit Snapshot(const CWorld& world)
      : plants(Live(world.plants, world.plantCount)),
        herbivores(Live(world.herbivores, world.herbivoreCount)),
        carnivores(Live(world.carnivores, world.carnivoreCount)) {}

  std::vector<Plant> plants;
  std::vector<Animal> herbivores;
  std::vector<Animal> carnivores;
};

// Keeps every pen selected, whether a shape follows it or not.
class PenLog : public DrawContext {
 public:
  void SelectPen(std::int32_t width, PenColour colour) override {
    pens.emplace_back(width, colour.red, colour.green, colour.blue);
  }
  void Rectangle(const Box&) override {}
  void Ellipse(const Box&) override {}

  std::vector<Pen> pens;
};

// A recording host whose drawing also goes to a pen log.
class PenLoggingHost : public RecordingTickHost {
 public:
  DrawContext& GetDrawContext() override { return drawing; }

  PenLog penLog;
  TeeDrawContext drawing{dc, penLog};
};

enum class Table { kPlants, kHerbivores, kCarnivores };

class InvariantTest : public ::testing::TestWithParam<std::uint32_t> {
 protected:
  static constexpr int kSteps = 1500;

  void PlayRandomSession() {
    for (int step = 0; step < kSteps && !HasFailure(); ++step) {
      RandomStep();
      CheckBounds();
      CheckPens();
      host.dc.shapes.clear();
      host.penLog.pens.clear();
    }
  }

  void RandomStep() {
    const int roll = Pick(0, 99);
    if (roll < 40) {
      TickAndCheck();
    } else if (roll < 42) {
      Burst();
    } else if (roll < 44) {
      RedrawAndCheck(roll == 42);
    } else {
      PlaceAndCheck(static_cast<Table>(Pick(0, 2)), roll < 70);
    }
  }

  // A run of additions to one table, so that tables fill and stay full.
  void Burst() {
    const auto table = static_cast<Table>(Pick(0, 2));
    const int additions = Pick(50, 150);
    for (int i = 0; i < additions && !HasFailure(); ++i) {
      PlaceAndCheck(table, Pick(0, 1) == 0);
    }
  }

  void PlaceAndCheck(Table table, bool spawn) {
    const Snapshot before(world);
    const std::size_t drawnBefore = host.dc.shapes.size();
    const std::int32_t heading = RandomHeading();
    switch (table) {
      case Table::kPlants:
        spawn ? world.SpawnPlant(dc) : world.PlacePlant(dc, Coordinate(), Coordinate());
        break;
      case Table::kHerbivores:
        spawn ? world.SpawnHerbivore(dc)
              : world.PlaceHerbivore(dc, Coordinate(), Coordinate(), heading, kHerbivoreKind);
        break;
      case Table::kCarnivores:
        spawn ? world.SpawnCarnivore(dc)
              : world.PlaceCarnivore(dc, Coordinate(), Coordinate(), heading, kCarnivoreKind);
        break;
    }
    const Snapshot after(world);
    CheckUnchangedExcept(before, after, table);
    if (table == Table::kPlants) {
      CheckAppended(before.plants, after.plants, SamePlant);
      if (after.plants.size() > before.plants.size()) {
        EXPECT_EQ(after.plants.back().growth, 20);
      }
    } else {
      const auto& old = table == Table::kHerbivores ? before.herbivores : before.carnivores;
      const auto& now = table == Table::kHerbivores ? after.herbivores : after.carnivores;
      CheckAppended(old, now, SameAnimal);
      if (now.size() > old.size()) {
        EXPECT_EQ(now.back().energy, 100);
        if (spawn) {
          EXPECT_GE(now.back().heading, 1);
          EXPECT_LE(now.back().heading, 4);
        } else {
          EXPECT_EQ(now.back().heading, heading);
        }
      }
    }
    const bool added = after.plants.size() + after.herbivores.size() + after.carnivores.size() >
                       before.plants.size() + before.herbivores.size() + before.carnivores.size();
    const std::size_t shapes = table == Table::kPlants ? 1 : 2;
    EXPECT_EQ(host.dc.shapes.size() - drawnBefore, added ? shapes : 0);
  }

  // A newcomer is appended after the records already there, which stay as
  // they were, on a cell no other record of its table holds; a full table
  // refuses it and stays as it was.
  template <typename Record, typename Same>
  void CheckAppended(const std::vector<Record>& before, const std::vector<Record>& after,
                     Same same) {
    const bool full = before.size() == kTableCapacity;
    ASSERT_EQ(after.size(), full ? before.size() : before.size() + 1);
    for (std::size_t i = 0; i < before.size(); ++i) {
      ASSERT_TRUE(same(before[i], after[i])) << "record " << i << " changed by a placement";
    }
    if (full) {
      return;
    }
    const Record& newcomer = after.back();
    EXPECT_EQ(newcomer.id, static_cast<std::int32_t>(before.size()));
    for (const Record& other : before) {
      ASSERT_FALSE(SameCell(other, newcomer))
          << "newcomer placed on a taken cell " << newcomer.x << ", " << newcomer.y;
    }
  }

  void CheckUnchangedExcept(const Snapshot& before, const Snapshot& after, Table changed) {
    if (changed != Table::kPlants) {
      ExpectSameTable(before.plants, after.plants, SamePlant);
    }
    if (changed != Table::kHerbivores) {
      ExpectSameTable(before.herbivores, after.herbivores, SameAnimal);
    }
    if (changed != Table::kCarnivores) {
      ExpectSameTable(before.carnivores, after.carnivores, SameAnimal);
    }
  }

  template <typename Record, typename Same>
  void ExpectSameTable(const std::vector<Record>& before, const std::vector<Record>& after,
                       Same same) {
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
      ASSERT_TRUE(same(before[i], after[i])) << "record " << i << " changed";
    }
  }

  void RedrawAndCheck(bool gridOnly) {
    const Snapshot before(world);
    gridOnly ? world.DrawGrid(dc) : world.RedrawAll(dc);
    const Snapshot after(world);
    ExpectSameTable(before.plants, after.plants, SamePlant);
    ExpectSameTable(before.herbivores, after.herbivores, SameAnimal);
    ExpectSameTable(before.carnivores, after.carnivores, SameAnimal);
  }

  void TickAndCheck() {
    const Snapshot before(world);
    const std::int32_t iteration = world.iterationCount;
    Tick(world, schedule, host);
    const Snapshot after(world);
    const bool turned = schedule.legStep == 0;

    EXPECT_EQ(host.iterationText, std::to_string(iteration));
    CheckPlantsAfterTick(before.plants, after.plants);
    const std::vector<std::string> herbivoreLines = ReportSection("Herbivore", "Carnivore");
    const std::vector<std::string> carnivoreLines = ReportSection("Carnivore", "");
    CheckAnimalsAfterTick(before.herbivores, after.herbivores, herbivoreLines, 2, turned);
    CheckAnimalsAfterTick(before.carnivores, after.carnivores, carnivoreLines, 1, turned);
  }

  // Plants keep their place, cell and id; seeds are appended on free cells;
  // the report has one line per plant, in table order, with its new growth.
  void CheckPlantsAfterTick(const std::vector<Plant>& before, const std::vector<Plant>& after) {
    ASSERT_GE(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
      ASSERT_TRUE(SameCell(before[i], after[i]) && before[i].id == after[i].id);
    }
    for (std::size_t i = before.size(); i < after.size(); ++i) {
      EXPECT_EQ(after[i].id, static_cast<std::int32_t>(i));
    }
    for (std::size_t i = 0; i < after.size(); ++i) {
      for (std::size_t k = i + 1; k < after.size(); ++k) {
        ASSERT_FALSE(SameCell(after[i], after[k])) << "plants " << i << " and " << k;
      }
    }
    ASSERT_FALSE(host.report.empty());
    EXPECT_EQ(host.report.front(), "plants");
    const std::vector<std::string> lines = ReportSection("plants", "Herbivore");
    ASSERT_EQ(lines.size(), after.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
      EXPECT_EQ(lines[i], Entry(after[i].id, after[i].growth));
    }
  }

  // The tick visits the table in order: each visited animal loses the drain
  // and gets one line, and one listed at 0 or below is removed, so the record
  // that moves into its place waits, unlisted and undrained, for the next
  // tick. Every animal turns with all the others, removed or not.
  void CheckAnimalsAfterTick(const std::vector<Animal>& before, const std::vector<Animal>& after,
                             const std::vector<std::string>& lines, std::int32_t drain,
                             bool turned) {
    std::vector<Animal> expected = before;
    std::vector<std::string> expectedLines;
    for (Animal& animal : expected) {
      animal.heading = turned ? TurnedLeft(animal.heading) : animal.heading;
    }
    for (std::size_t i = 0; i < expected.size(); ++i) {
      expected[i].energy -= drain;
      expectedLines.push_back(Entry(expected[i].id, expected[i].energy));
      if (expected[i].energy <= 0) {
        expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(i));
      }
    }
    EXPECT_EQ(lines, expectedLines);
    ASSERT_EQ(after.size(), expected.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
      EXPECT_EQ(after[i].id, expected[i].id) << "animal " << i;
      EXPECT_EQ(after[i].heading, expected[i].heading) << "animal " << i;
      EXPECT_EQ(after[i].energy, expected[i].energy) << "animal " << i;
    }
  }

  std::vector<std::string> ReportSection(const std::string& header, const std::string& next) {
    std::vector<std::string> lines;
    bool inside = false;
    for (const std::string& line : host.report) {
      if (line == header) {
        inside = true;
      } else if (inside && line == next) {
        break;
      } else if (inside) {
        lines.push_back(line);
      }
    }
    EXPECT_TRUE(inside) << "no '" << header << "' header";
    return lines;
  }

  void CheckBounds() {
    for (const std::int32_t count :
         {world.plantCount, world.herbivoreCount, world.carnivoreCount}) {
      ASSERT_GE(count, 0);
      ASSERT_LE(count, kTableCapacity);
    }
  }

  // Every pen selected, and the pen of every shape (a surface starts with the
  // grid's), is one of the board's.
  void CheckPens() {
    static const std::set<Pen> boardPens = BoardPens();
    std::vector<Pen> used = host.penLog.pens;
    for (const DrawnShape& shape : host.dc.shapes) {
      used.emplace_back(shape.penWidth, shape.penColour.red, shape.penColour.green,
                        shape.penColour.blue);
    }
    for (const auto& [width, red, green, blue] : used) {
      ASSERT_TRUE(boardPens.contains({width, red, green, blue}))
          << "pen " << width << " " << int{red} << " " << int{green} << " " << int{blue};
    }
  }

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

  // Mostly cells on or next to the board, crowded or spread, sometimes at the
  // integer limits where the retry shifts and motion wrap around.
  std::int32_t Coordinate() {
    switch (Pick(0, 4)) {
      case 0:
        return Pick(0, 3);
      case 1:
        return std::vector<std::int32_t>{
            INT_MIN, INT_MIN + 1, INT_MAX, INT_MAX - 1, -1, 0, 22}[Pick(0, 6)];
      default:
        return Pick(1, 21);
    }
  }

  std::int32_t RandomHeading() {
    if (Pick(0, 9) > 0) {
      return Pick(1, 4);
    }
    return std::vector<std::int32_t>{0, 5, -1, INT_MIN, INT_MAX}[Pick(0, 4)];
  }

  CWorld world;
  Schedule schedule;
  PenLoggingHost host;
  DrawContext& dc = host.GetDrawContext();
  std::mt19937 random{GetParam()};
};

TEST_P(InvariantTest, HoldAfterEveryStepOfARandomSession) {
  PlayRandomSession();
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, InvariantTest, ::testing::Range<std::uint32_t>(1, 13));

}  // namespace
