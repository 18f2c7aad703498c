// TickListener: follows a session tick by tick, for what the player writes
// besides the report blocks (population counts, frames). AfterTick is called
// once the tick's report is complete; returning false stops the session.
#pragma once

#include <cstdint>

#include "sim/world.h"

class TickListener {
 public:
  virtual ~TickListener() = default;

  // `tick` counts this session's ticks from 1.
  virtual bool AfterTick(std::int64_t tick, const CWorld& world) = 0;
  // Asked after every command too; false stops the session.
  virtual bool MayContinue() const { return true; }
};
