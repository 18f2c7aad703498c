#include "sim/program.h"

CWorld theWorld;
Schedule theSchedule;
