// Placement: every entity enters the world here. The requested cell is shifted
// by the retry rule until no entity of the same kind stands on it; the
// newcomer is then appended and drawn at once in its kind's current colour.

#include "sim/world.h"
#include "sim/wrapping.h"

namespace {

template <typename Record>
bool Occupied(std::span<const Record> records, std::int32_t x, std::int32_t y) {
  for (const Record& record : records) {
    if (record.x == x && record.y == y) {
      return true;
    }
  }
  return false;
}

// Animals shift one cell left, keeping the row, until the cell is free.
void FindAnimalTarget(std::span<const Animal> animals, std::int32_t& x, std::int32_t y) {
  while (Occupied(animals, x, y)) {
    x = WrapSub(x, 1);
  }
}

// Plants shift diagonally up-left by two cells until the cell is free.
void FindPlantTarget(std::span<const Plant> plants, std::int32_t& x, std::int32_t& y) {
  while (Occupied(plants, x, y)) {
    x = WrapSub(x, 2);
    y = WrapSub(y, 2);
  }
}

}  // namespace

void CWorld::PlacePlant(DrawContext& dc, std::int32_t x, std::int32_t y) {
  if (plantCount >= kTableCapacity) {
    return;
  }
  FindPlantTarget(std::span(plants).first(static_cast<std::size_t>(plantCount)), x, y);
  AddPlant(x, y);
  DrawPlant(dc, x, y);
}

void CWorld::PlaceHerbivore(DrawContext& dc, std::int32_t x, std::int32_t y, std::int32_t heading,
                            std::int32_t kind) {
  PlaceAnimal(kHerbivores, dc, x, y, heading, kind);
}

void CWorld::PlaceCarnivore(DrawContext& dc, std::int32_t x, std::int32_t y, std::int32_t heading,
                            std::int32_t kind) {
  PlaceAnimal(kCarnivores, dc, x, y, heading, kind);
}

// The newcomer joins the table of its kind; `drawnKind` picks only the colour
// it is drawn in.
void CWorld::PlaceAnimal(const AnimalKind& kind, DrawContext& dc, std::int32_t x, std::int32_t y,
                         std::int32_t heading, std::int32_t drawnKind) {
  if (this->*kind.count >= kTableCapacity) {
    return;
  }
  FindAnimalTarget(LiveAnimals(kind), x, y);
  AddAnimal(kind, x, y, heading);
  DrawAnimal(dc, x, y, heading, drawnKind);
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
  SpawnAnimal(kHerbivores, dc);
}

void CWorld::SpawnCarnivore(DrawContext& dc) {
  SpawnAnimal(kCarnivores, dc);
}

// An animal's heading is drawn after its cell.
void CWorld::SpawnAnimal(const AnimalKind& kind, DrawContext& dc) {
  const std::int32_t x = random.Next() % 20 + 1;
  const std::int32_t y = random.Next() % 20 + 1;
  const std::int32_t heading = random.Next() % 4 + 1;
  PlaceAnimal(kind, dc, x, y, heading, kind.code);
}
