#include "sim/tick.h"

#include <charconv>

#include "sim/wrapping.h"

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

// Drains every animal of one kind by its drain, listing each under the kind's
// heading. The count is read again on every pass, and i advances in every
// case: after a removal the record that moves into place i is not visited in
// this tick, so it keeps its energy and gets no line until the next one.
void DrainAnimals(CWorld& world, const AnimalKind& kind, TickHost& host, LineBuffer& line) {
  host.AppendReport(kind.reportHeading);
  for (std::int32_t i = 0; i < world.*kind.count; ++i) {
    if (Drain((world.*kind.table)[i], kind.drain, host, line)) {
      world.RemoveAnimal(kind, i);
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
  for (const AnimalKind* kind : kAnimalKinds) {
    DrainAnimals(world, *kind, host, line);
  }
  host.SetIterationText(line.Number(world.iterationCount));
  world.iterationCount = WrapAdd(world.iterationCount, 1);
}
