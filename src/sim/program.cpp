#include "sim/program.h"

CWorld theWorld;
Schedule theSchedule;

void Tick(TickHost& host) {
  Tick(theWorld, theSchedule, host);
}
