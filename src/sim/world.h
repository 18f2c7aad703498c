// CWorld: everything the simulation knows. Three fixed tables of entities
// (carnivores, herbivores, plants) with their counts, the colour each kind is
// drawn in next, the tick counter, and the generator the spawn buttons draw
// their random cells from. Nothing is allocated per entity.
//
// Live records are always the first `count` entries of their table, in the
// order they were added. An add to a full table is refused: nothing is
// written, the count stays at capacity, and placement does not draw it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "render/draw_context.h"
#include "sim/random.h"

inline constexpr std::int32_t kTableCapacity = 100;

// Headings: the side of the cell an animal faces.
inline constexpr std::int32_t kHeadingUp = 1;
inline constexpr std::int32_t kHeadingRight = 2;
inline constexpr std::int32_t kHeadingDown = 3;
inline constexpr std::int32_t kHeadingLeft = 4;

// Animal kind codes; they select the colour an animal is drawn in.
inline constexpr std::int32_t kHerbivoreKind = 2;
inline constexpr std::int32_t kCarnivoreKind = 3;

struct Animal {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t heading = 0;
  std::int32_t id = 0;  // its table's count when it was added; never renumbered
  std::int32_t energy = 0;
};

struct Plant {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t id = 0;
  std::int32_t growth = 0;
};

struct KindColour {
  double red = 0.0;
  double green = 0.0;
  double blue = 0.0;
};

class CWorld;

// What sets one animal kind apart from the other; herbivores and carnivores
// share every routine, and each routine is handed one of these. The first
// three name the kind's own members of CWorld.
struct AnimalKind {
  std::array<Animal, kTableCapacity> CWorld::*table;
  std::int32_t CWorld::*count;
  KindColour CWorld::*colour;
  std::int32_t code;                  // the kind code it is drawn with
  std::int32_t drain;                 // the energy it loses on every tick
  std::string_view reportHeading;     // the report line above its entries
  KindColour (*faded)(double level);  // its colour at a fade level of the colour scale
};

class CWorld {
 public:
  CWorld() = default;
  explicit CWorld(std::uint32_t seed) : random(seed) {}
  virtual ~CWorld() = default;

  // Records (world.cpp).
  void AddCarnivore(std::int32_t x, std::int32_t y, std::int32_t heading);
  void AddHerbivore(std::int32_t x, std::int32_t y, std::int32_t heading);
  void AddPlant(std::int32_t x, std::int32_t y);
  void RemoveHerbivore(std::int32_t i);
  void RemoveCarnivore(std::int32_t i);

  // Placement by the retry rule (placement.cpp).
  void PlacePlant(DrawContext& dc, std::int32_t x, std::int32_t y);
  void PlaceHerbivore(DrawContext& dc, std::int32_t x, std::int32_t y, std::int32_t heading,
                      std::int32_t kind);
  void PlaceCarnivore(DrawContext& dc, std::int32_t x, std::int32_t y, std::int32_t heading,
                      std::int32_t kind);
  void SeedPlant(DrawContext& dc, std::int32_t i);
  void SpawnPlant(DrawContext& dc);
  void SpawnHerbivore(DrawContext& dc);
  void SpawnCarnivore(DrawContext& dc);

  // Motion of all animals in lockstep (motion.cpp).
  void MoveAnimals();
  void TurnAnimals();

  // Drawing (drawing.cpp) and the colour scale (colour_scale.cpp).
  void DrawGrid(DrawContext& dc);
  void DrawAnimal(DrawContext& dc, std::int32_t x, std::int32_t y, std::int32_t heading,
                  std::int32_t kind);
  void DrawPlant(DrawContext& dc, std::int32_t x, std::int32_t y);
  void RedrawAll(DrawContext& dc);
  void UpdatePlantColour(std::int32_t growth);
  void UpdateHerbivoreColour(std::int32_t energy);
  void UpdateCarnivoreColour(std::int32_t energy);

  // The tick's removal of an exhausted animal (world.cpp).
  void RemoveAnimal(const AnimalKind& kind, std::int32_t i);

  std::int32_t carnivoreCount = 0;
  std::int32_t herbivoreCount = 0;
  std::int32_t plantCount = 0;
  KindColour plantColour{204.0, 255.0, 204.0};
  KindColour herbivoreColour{0.0, 0.0, 255.0};
  KindColour carnivoreColour{255.0, 0.0, 0.0};
  std::array<Animal, kTableCapacity> carnivores{};
  std::array<Animal, kTableCapacity> herbivores{};
  std::array<Plant, kTableCapacity> plants{};
  std::int32_t iterationCount = 0;
  Random random;

 private:
  // The routines both animal kinds share; the named operations above pass
  // their kind.
  void AddAnimal(const AnimalKind& kind, std::int32_t x, std::int32_t y, std::int32_t heading);
  std::span<Animal> LiveAnimals(const AnimalKind& kind);
  void PlaceAnimal(const AnimalKind& kind, DrawContext& dc, std::int32_t x, std::int32_t y,
                   std::int32_t heading, std::int32_t drawnKind);
  void SpawnAnimal(const AnimalKind& kind, DrawContext& dc);
  void DrawAnimals(const AnimalKind& kind, DrawContext& dc);
  void UpdateAnimalColour(const AnimalKind& kind, std::int32_t energy);
};

// The animals' hues fading toward white: the level is the colour scale's.
constexpr KindColour FadedBlue(double level) {
  return KindColour{level, level, 255.0};
}

constexpr KindColour FadedRed(double level) {
  return KindColour{255.0, level, level};
}

inline constexpr AnimalKind kHerbivores{&CWorld::herbivores,
                                        &CWorld::herbivoreCount,
                                        &CWorld::herbivoreColour,
                                        kHerbivoreKind,
                                        2,
                                        "Herbivore",
                                        FadedBlue};

inline constexpr AnimalKind kCarnivores{&CWorld::carnivores,
                                        &CWorld::carnivoreCount,
                                        &CWorld::carnivoreColour,
                                        kCarnivoreKind,
                                        1,
                                        "Carnivore",
                                        FadedRed};

// Every routine that visits both kinds visits the herbivores first.
inline constexpr std::array<const AnimalKind*, 2> kAnimalKinds{&kHerbivores, &kCarnivores};
