// The main dialog's two timers, the same in every face: the
// start-up tick a second after the dialog is shown, and stepping five times
// a second.
#pragma once

inline constexpr int TIMER_STARTUP = 1;
inline constexpr int TIMER_STEP = 2;
inline constexpr int kStartupPeriodMs = 1000;
inline constexpr int kStepPeriodMs = 200;
