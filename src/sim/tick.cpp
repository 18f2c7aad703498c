#include "tick.h"

#include <charconv>

#include "wrapping.h"

namespace {

// Room for "-2147483648: -2147483648".
constexpr std::size_t kNumberWidth = 11;
constexpr std::size_t kLineCapacity = 2 * kNumberWidth + 2;

class LineBuffer {
 public:
  // "%d"
  std::string_view Number(std::int32_t value) {
    const auto end = std::to_chars(text_, text_ + kLineCapacity, value).ptr;
    return std::string_view(text_, static_cast<std::size_t>(end - text_));
  }

  // "%d: %d"
  std::string_view Entry(std::int32_t id, std::int32_t value) {
    char* end = std::to_chars(text_, text_ + kNumberWidth, id).ptr;
    *end++ = ':';
    *end++ = ' ';
    end = std::to_chars(end, text_ + kLineCapacity, value).ptr;
    return std::string_view(text_, static_cast<std::size_t>(end - text_));
  }

 private:
  char text_[kLineCapacity];
};

void FollowSchedule(CWorld& world, Schedule& schedule, DrawContext& dc) {
  if (schedule.legLength == Schedule::kLongestLeg) {
    schedule.legLength = 0;
    schedule.legStep = 0;
  }
  if (schedule.legStep == schedule.legLength) {
    world.TurnAnimals();
    world.RedrawAll(dc);
    schedule.legLength = WrapAdd(schedule.legLength, 1);
    schedule.legStep = 0;
  } else if (schedule.legStep < schedule.legLength) {
    world.MoveAnimals();
    world.RedrawAll(dc);
    schedule.legStep = WrapAdd(schedule.legStep, 1);
  }
}

// Plants seeded here are visited later in the same loop: the count is read
// again on every pass.
void GrowPlants(CWorld& world, DrawContext& dc, TickHost& host, LineBuffer& line) {
  host.AppendReport("plants");
  for (std::int32_t j = 0; j < world.plantCount; ++j) {
    if (world.plants[j].growth < 100) {
      world.plants[j].growth = WrapAdd(world.plants[j].growth, 1);
    } else if (world.plants[j].growth == 100) {
      world.SeedPlant(dc, j);
      world.plants[j].growth /= 2;
    }
    world.plants[j].growth = WrapAdd(world.plants[j].growth, 1);
    host.AppendReport(line.Entry(world.plants[j].id, world.plants[j].growth));
  }
}

// Drains one animal and lists it; true when it has run out.
bool Drain(Animal& animal, std::int32_t drain, TickHost& host, LineBuffer& line) {
  animal.energy = WrapSub(animal.energy, drain);
  host.AppendReport(line.Entry(animal.id, animal.energy));
  return animal.energy <= 0;
}

// After a removal the record that moves into place i is not visited in this
// tick: it keeps its energy and gets no line until the next one.
void DrainHerbivores(CWorld& world, TickHost& host, LineBuffer& line) {
  host.AppendReport("Herbivore");
  for (std::int32_t i = 0; i < world.herbivoreCount; ++i) {
    if (Drain(world.herbivores[i], 2, host, line)) {
      world.RemoveHerbivore(i);
    }
  }
}

void DrainCarnivores(CWorld& world, TickHost& host, LineBuffer& line) {
  host.AppendReport("Carnivore");
  for (std::int32_t i = 0; i < world.carnivoreCount; ++i) {
    if (Drain(world.carnivores[i], 1, host, line)) {
      world.RemoveCarnivore(i);
    }
  }
}

}  // namespace

void Tick(CWorld& world, Schedule& schedule, TickHost& host) {
  LineBuffer line;
  host.ClearReport();
  host.CancelStartupTimer();
  DrawContext& dc = host.GetDrawContext();
  world.DrawGrid(dc);
  FollowSchedule(world, schedule, dc);
  GrowPlants(world, dc, host, line);

  DrainHerbivores(world, host, line);
  DrainCarnivores(world, host, line);
  host.SetIterationText(line.Number(world.iterationCount));
  world.iterationCount = WrapAdd(world.iterationCount, 1);
}
