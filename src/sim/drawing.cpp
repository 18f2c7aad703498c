// Board drawing: the grid of empty cells, each animal as a thick square with
// a band on the side it heads to, each plant as a solid disc.

#include "sim/board.h"
#include "sim/colour_scale.h"
#include "sim/world.h"
#include "sim/wrapping.h"

namespace {

constexpr std::int32_t kGridPenWidth = 1;
constexpr std::int32_t kAnimalPenWidth = 5;
constexpr std::int32_t kPlantPenWidth = 18;
constexpr std::int32_t kBandDepth = 5;
constexpr std::int32_t kPlantInset = 7;  // the plant's 6 x 6 box lies 7 pixels inside its cell
constexpr PenColour kGridColour{0, 0, 0};

Box CellBox(std::int32_t x, std::int32_t y) {
  const std::int32_t right = WrapMul(kCellSize, x);
  const std::int32_t bottom = WrapMul(kCellSize, y);
  return Box{WrapSub(right, kCellSize), WrapSub(bottom, kCellSize), right, bottom};
}

Box HeadingBand(const Box& cell, std::int32_t heading) {
  switch (heading) {
    case kHeadingUp:
      return Box{cell.left, cell.top, cell.right, WrapSub(cell.bottom, kCellSize - kBandDepth)};
    case kHeadingRight:
      return Box{WrapSub(cell.right, kBandDepth), cell.top, cell.right, cell.bottom};
    case kHeadingDown:
      return Box{cell.left, WrapSub(cell.bottom, kBandDepth), cell.right, cell.bottom};
    case kHeadingLeft:
      return Box{cell.left, cell.top, WrapSub(cell.right, kCellSize - kBandDepth), cell.bottom};
    default:
      return cell;
  }
}

// The kind whose colour an animal drawn with `code` takes: the kind with that
// code, and the first kind for any other code.
const AnimalKind& DrawnKind(std::int32_t code) {
  for (const AnimalKind* kind : kAnimalKinds) {
    if (kind->code == code) {
      return *kind;
    }
  }
  return *kAnimalKinds.front();
}

}  // namespace

void CWorld::DrawGrid(DrawContext& dc) {
  dc.SelectPen(kGridPenWidth, kGridColour);
  for (std::int32_t px = 0; px < kBoardPixels; px += kCellSize) {
    for (std::int32_t py = 0; py < kBoardPixels; py += kCellSize) {
      dc.Rectangle(Box{px, py, px + kCellSize, py + kCellSize});
    }
  }
}

void CWorld::DrawAnimal(DrawContext& dc, std::int32_t x, std::int32_t y, std::int32_t heading,
                        std::int32_t kind) {
  dc.SelectPen(kAnimalPenWidth, colour_scale::ToPenColour(this->*DrawnKind(kind).colour));
  const Box body = CellBox(x, y);
  dc.Rectangle(body);
  dc.Rectangle(HeadingBand(body, heading));
}

void CWorld::DrawPlant(DrawContext& dc, std::int32_t x, std::int32_t y) {
  dc.SelectPen(kPlantPenWidth, colour_scale::ToPenColour(plantColour));
  const Box cell = CellBox(x, y);
  dc.Ellipse(Box{WrapAdd(cell.left, kPlantInset), WrapAdd(cell.top, kPlantInset),
                 WrapSub(cell.right, kPlantInset), WrapSub(cell.bottom, kPlantInset)});
}

// Carnivores cover herbivores, plants cover both; each entity is drawn in the
// colour its own energy or growth gives.
void CWorld::RedrawAll(DrawContext& dc) {
  DrawGrid(dc);
  for (const AnimalKind* kind : kAnimalKinds) {
    DrawAnimals(*kind, dc);
  }
  for (std::int32_t i = 0; i < plantCount; ++i) {
    const Plant& plant = plants[i];
    UpdatePlantColour(plant.growth);
    DrawPlant(dc, plant.x, plant.y);
  }
}

void CWorld::DrawAnimals(const AnimalKind& kind, DrawContext& dc) {
  for (const Animal& animal : LiveAnimals(kind)) {
    UpdateAnimalColour(kind, animal.energy);
    DrawAnimal(dc, animal.x, animal.y, animal.heading, kind.code);
  }
}
