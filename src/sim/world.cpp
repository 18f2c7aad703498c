#include "world.h"

namespace {

void AddAnimal(std::array<Animal, kTableCapacity>& table, std::int32_t& count, std::int32_t x,
               std::int32_t y, std::int32_t heading) {
  if (count >= kTableCapacity) {
    return;
  }
  table[count] = Animal{x, y, heading, count, 100};
  ++count;
}

// Takes out record i; the records after it move down one place, keeping their
// ids. An index outside the live records changes nothing.
void RemoveAnimal(std::array<Animal, kTableCapacity>& table, std::int32_t& count, std::int32_t i) {
  if (i < 0 || i >= count) {
    return;
  }
  for (std::int32_t k = i; k + 1 < count; ++k) {
    table[k] = table[k + 1];
  }
  --count;
}

}  // namespace

void CWorld::AddCarnivore(std::int32_t x, std::int32_t y, std::int32_t heading) {
  AddAnimal(carnivores, carnivoreCount, x, y, heading);
}

void CWorld::AddHerbivore(std::int32_t x, std::int32_t y, std::int32_t heading) {
  AddAnimal(herbivores, herbivoreCount, x, y, heading);
}

void CWorld::AddPlant(std::int32_t x, std::int32_t y) {
  if (plantCount >= kTableCapacity) {
    return;
  }
  plants[plantCount] = Plant{x, y, plantCount, 20};
  ++plantCount;
}

void CWorld::RemoveHerbivore(std::int32_t i) {
  RemoveAnimal(herbivores, herbivoreCount, i);
}

void CWorld::RemoveCarnivore(std::int32_t i) {
  RemoveAnimal(carnivores, carnivoreCount, i);
}
