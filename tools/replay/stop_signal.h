// SIGINT and SIGTERM ask a run to stop: the handler only records the signal,
// and the player looks at it between ticks, commands and file writes, then
// removes what it had not finished and exits with 128 + the signal's number.
#pragma once

void CatchStopSignals();
// The signal that asked to stop, or 0.
int StopSignal();
