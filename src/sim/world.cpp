#include "sim/world.h"

void CWorld::AddCarnivore(std::int32_t x, std::int32_t y, std::int32_t heading) {
  AddAnimal(kCarnivores, x, y, heading);
}

void CWorld::AddHerbivore(std::int32_t x, std::int32_t y, std::int32_t heading) {
  AddAnimal(kHerbivores, x, y, heading);
}

void CWorld::AddPlant(std::int32_t x, std::int32_t y) {
  if (plantCount >= kTableCapacity) {
    return;
  }
  plants[plantCount] = Plant{x, y, plantCount, 20};
  ++plantCount;
}

void CWorld::RemoveHerbivore(std::int32_t i) {
  RemoveAnimal(kHerbivores, i);
}

void CWorld::RemoveCarnivore(std::int32_t i) {
  RemoveAnimal(kCarnivores, i);
}

void CWorld::AddAnimal(const AnimalKind& kind, std::int32_t x, std::int32_t y,
                       std::int32_t heading) {
  std::int32_t& count = this->*kind.count;
  if (count >= kTableCapacity) {
    return;
  }
  (this->*kind.table)[count] = Animal{x, y, heading, count, 100};
  ++count;
}

// Takes out record i; the records after it move down one place, keeping their
// ids. An index outside the live records changes nothing.
void CWorld::RemoveAnimal(const AnimalKind& kind, std::int32_t i) {
  std::int32_t& count = this->*kind.count;
  if (i < 0 || i >= count) {
    return;
  }
  std::array<Animal, kTableCapacity>& table = this->*kind.table;
  for (std::int32_t k = i; k + 1 < count; ++k) {
    table[k] = table[k + 1];
  }
  --count;
}

std::span<Animal> CWorld::LiveAnimals(const AnimalKind& kind) {
  return std::span(this->*kind.table).first(static_cast<std::size_t>(this->*kind.count));
}
