// The program-wide simulation: the one world, the one spiral schedule, and the
// tick the main window runs on every timer message. The world is built before
// the application starts and lives until the process ends.
#pragma once

#include "sim/tick.h"
#include "sim/world.h"

extern CWorld theWorld;
extern Schedule theSchedule;

void Tick(TickHost& host);
