// The tick: one step of the world. It redraws the board, turns or moves every
// animal by the spiral schedule, grows the plants (a ripe one seeds once),
// drains the animals and removes the exhausted ones, and rewrites the report
// list and the iterations label through its host.
#pragma once

#include <cstdint>
#include <string_view>

#include "render/draw_context.h"
#include "sim/world.h"

// TickHost: what a tick needs from the window that shows the board. A tick
// calls ClearReport first, then AppendReport once per line, top to bottom,
// and SetIterationText last. The texts are valid only during the call. The
// DrawContext from GetDrawContext is used only during the tick that got it.
class TickHost {
 public:
  virtual ~TickHost() = default;

  virtual void ClearReport() = 0;
  virtual void AppendReport(std::string_view text) = 0;
  virtual void SetIterationText(std::string_view text) = 0;
  // Stops the start-up timer; nothing happens if it is not running.
  virtual void CancelStartupTimer() = 0;
  virtual DrawContext& GetDrawContext() = 0;
};

// The expanding square spiral: turn, 1 move, turn, 2 moves, ... turn,
// 9 moves, turn; then it starts again, 55 ticks a cycle.
struct Schedule {
  static constexpr std::int32_t kLongestLeg = 10;

  std::int32_t legLength = 0;  // moves in the current leg
  std::int32_t legStep = 0;    // moves made in the current leg
};

void Tick(CWorld& world, Schedule& schedule, TickHost& host);
