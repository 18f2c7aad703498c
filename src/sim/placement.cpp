// Placement: every entity enters the world here. The requested cell is shifted
// by the retry rule until no entity of the same kind stands on it; the
// newcomer is then appended and drawn at once in its kind's current colour.

#include "world.h"
#include "wrapping.h"

namespace {

template <typename Record>
bool Occupied(const std::array<Record, kTableCapacity>& table, std::int32_t count, std::int32_t x,
              std::int32_t y) {
  for (std::int32_t i = 0; i < count; ++i) {
    if (table[i].x == x && table[i].y == y) {
      return true;
    }
  }
  return false;
}

// Animals shift one cell left, keeping the row, until the cell is free.
void FindAnimalTarget(const std::array<Animal, kTableCapacity>& table, std::int32_t count,
                      std::int32_t& x, std::int32_t y) {
  while (Occupied(table, count, x, y)) {
    x = WrapSub(x, 1);
  }
}

// Plants shift diagonally up-left by two cells until the cell is free.
void FindPlantTarget(const std::array<Plant, kTableCapacity>& table, std::int32_t count,
                     std::int32_t& x, std::int32_t& y) {
  while (Occupied(table, count, x, y)) {
    x = WrapSub(x, 2);
    y = WrapSub(y, 2);
  }
}

}  // namespace

void CWorld::PlacePlant(DrawContext& dc, std::int32_t x, std::int32_t y) {
  if (plantCount >= kTableCapacity) {
    return;
  }
  FindPlantTarget(plants, plantCount, x, y);
  AddPlant(x, y);
  DrawPlant(dc, x, y);
}

void CWorld::PlaceHerbivore(DrawContext& dc, std::int32_t x, std::int32_t y, std::int32_t heading,
                            std::int32_t kind) {
  if (herbivoreCount >= kTableCapacity) {
    return;
  }
  FindAnimalTarget(herbivores, herbivoreCount, x, y);
  AddHerbivore(x, y, heading);
  DrawAnimal(dc, x, y, heading, kind);
}

void CWorld::PlaceCarnivore(DrawContext& dc, std::int32_t x, std::int32_t y, std::int32_t heading,
                            std::int32_t kind) {
  if (carnivoreCount >= kTableCapacity) {
    return;
  }
  FindAnimalTarget(carnivores, carnivoreCount, x, y);
  AddCarnivore(x, y, heading);
  DrawAnimal(dc, x, y, heading, kind);
}

void CWorld::SeedPlant(DrawContext& dc, std::int32_t i) {
  if (i < 0 || i >= plantCount) {
    return;
  }
  PlacePlant(dc, WrapAdd(plants[i].x, 1), plants[i].y);
}

// Spawned cells lie in 1..20; the first number drawn is the column.
void CWorld::SpawnPlant(DrawContext& dc) {
  const std::int32_t x = random.Next() % 20 + 1;
  const std::int32_t y = random.Next() % 20 + 1;
  PlacePlant(dc, x, y);
}

void CWorld::SpawnHerbivore(DrawContext& dc) {
  const std::int32_t x = random.Next() % 20 + 1;
  const std::int32_t y = random.Next() % 20 + 1;
  const std::int32_t heading = random.Next() % 4 + 1;
  PlaceHerbivore(dc, x, y, heading, kHerbivoreKind);
}

void CWorld::SpawnCarnivore(DrawContext& dc) {
  const std::int32_t x = random.Next() % 20 + 1;
  const std::int32_t y = random.Next() % 20 + 1;
  const std::int32_t heading = random.Next() % 4 + 1;
  PlaceCarnivore(dc, x, y, heading, kCarnivoreKind);
}
