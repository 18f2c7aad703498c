// Motion: every animal steps one cell along its heading, or every animal turns
// a quarter turn counter-clockwise. The board wraps as a torus on its cells
// 1..21, by equality only, so a coordinate further off the board stays where
// it is.

#include "sim/board.h"
#include "sim/world.h"
#include "sim/wrapping.h"

namespace {

void Step(Animal& animal) {
  switch (animal.heading) {
    case kHeadingUp:
      animal.y = WrapSub(animal.y, 1);
      break;
    case kHeadingRight:
      animal.x = WrapAdd(animal.x, 1);
      break;
    case kHeadingDown:
      animal.y = WrapAdd(animal.y, 1);
      break;
    case kHeadingLeft:
      animal.x = WrapSub(animal.x, 1);
      break;
    default:
      break;
  }
}

void Wrap(Animal& animal) {
  if (animal.x == kBoardCells + 1) {
    animal.x = 1;
  }
  if (animal.x == 0) {
    animal.x = kBoardCells;
  }
  if (animal.y == kBoardCells + 1) {
    animal.y = 1;
  }
  if (animal.y == 0) {
    animal.y = kBoardCells;
  }
}

std::int32_t TurnedLeft(std::int32_t heading) {
  switch (heading) {
    case kHeadingUp:
      return kHeadingLeft;
    case kHeadingRight:
      return kHeadingUp;
    case kHeadingDown:
      return kHeadingRight;
    case kHeadingLeft:
      return kHeadingDown;
    default:
      return heading;
  }
}

}  // namespace

void CWorld::MoveAnimals() {
  for (const AnimalKind* kind : kAnimalKinds) {
    for (Animal& animal : LiveAnimals(*kind)) {
      Step(animal);
      Wrap(animal);
    }
  }
}

void CWorld::TurnAnimals() {
  for (const AnimalKind* kind : kAnimalKinds) {
    for (Animal& animal : LiveAnimals(*kind)) {
      animal.heading = TurnedLeft(animal.heading);
    }
  }
}
