#include "sim/colour_scale.h"

void CWorld::UpdatePlantColour(std::int32_t growth) {
  if (const auto a = colour_scale::FadeLevel(growth)) {
    plantColour = KindColour{*a, 255.0, *a};
  }
}

void CWorld::UpdateHerbivoreColour(std::int32_t energy) {
  UpdateAnimalColour(kHerbivores, energy);
}

void CWorld::UpdateCarnivoreColour(std::int32_t energy) {
  UpdateAnimalColour(kCarnivores, energy);
}

void CWorld::UpdateAnimalColour(const AnimalKind& kind, std::int32_t energy) {
  if (const auto a = colour_scale::FadeLevel(energy)) {
    this->*kind.colour = kind.faded(*a);
  }
}
