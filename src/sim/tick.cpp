#include "tick.h"

#include <charconv>

#include "wrapping.h"

namespace {

// Room for "-2147483648: -2147483648".
constexpr std::size_t kLineCapacity = 32;

class LineBuffer {
 public:
  // "%d"
  std::string_view Number(std::int32_t value) {
    const auto end = std::to_chars(text_, text_ + kLineCapacity, value).ptr;
    return std::string_view(text_, static_cast<std::size_t>(end - text_));
  }

  // "%d: %d"
  std::string_view Entry(std::int32_t id, std::int32_t value) {
    char* end = std::to_chars(text_, text_ + kLineCapacity, id).ptr;
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

// After a removal the record that moves into place i is not visited in this
// tick: it keeps its energy and gets no line until the next one.
template <typename Remove>
void DrainAnimals(std::array<Animal, kTableCapacity>& table, const std::int32_t& count,
                  std::int32_t drain, Remove remove, TickHost& host, LineBuffer& line) {
  for (std::int32_t i = 0; i < count; ++i) {
    Animal& animal = table[i];
    animal.energy = WrapSub(animal.energy, drain);
    host.AppendReport(line.Entry(animal.id, animal.energy));
    if (animal.energy <= 0) {
      remove(i);
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

  host.AppendReport("Herbivore");
  DrainAnimals(world.herbivores, world.herbivoreCount, 2,
               [&world](std::int32_t i) { world.RemoveHerbivore(i); }, host, line);
  host.AppendReport("Carnivore");
  DrainAnimals(world.carnivores, world.carnivoreCount, 1,
               [&world](std::int32_t i) { world.RemoveCarnivore(i); }, host, line);

  host.SetIterationText(line.Number(world.iterationCount));
  world.iterationCount = WrapAdd(world.iterationCount, 1);
}
