// The three kinds as scripts name them, in the spawn and `place` commands,
// and as the player writes them in `state` and in the counts CSV, always in
// this order.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "app/script.h"
#include "sim/world.h"

struct ReplayKind {
  std::string_view name;
  CommandKind spawn;
  CommandKind place;
  std::int32_t CWorld::*count;
  KindColour CWorld::*colour;
  const AnimalKind* animals;  // none for the plants
};

inline constexpr std::array<ReplayKind, 3> kReplayKinds{{
    {"plant", CommandKind::kSpawnPlant, CommandKind::kPlacePlant, &CWorld::plantCount,
     &CWorld::plantColour, nullptr},
    {"herbivore", CommandKind::kSpawnHerbivore, CommandKind::kPlaceHerbivore,
     &CWorld::herbivoreCount, &CWorld::herbivoreColour, &kHerbivores},
    {"carnivore", CommandKind::kSpawnCarnivore, CommandKind::kPlaceCarnivore,
     &CWorld::carnivoreCount, &CWorld::carnivoreColour, &kCarnivores},
}};
