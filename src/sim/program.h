// The program-wide simulation: the one world and the one spiral schedule that
// every face's main dialog shows and steps. Both are built before the
// application starts and live until the process ends; the dialogs take them
// by reference, so tests hand them fresh ones instead.
#pragma once

#include "sim/tick.h"
#include "sim/world.h"

extern CWorld theWorld;
extern Schedule theSchedule;
