// The ids of the program's commands, controls, timers and resources, and the
// texts that go with them. They are the same on every platform the program
// is built for.
#pragma once

inline constexpr int IDM_ABOUTBOX = 0x0010;  // the About entry of the window's menu

inline constexpr int IDC_PLANT = 1000;
inline constexpr int IDC_HERBIVORE = 1001;
inline constexpr int IDC_CARNIVORE = 1002;
inline constexpr int IDC_PAINT = 1003;
inline constexpr int IDC_MOVE = 1004;
inline constexpr int IDC_REDRAW = 1005;
inline constexpr int IDC_STOP = 1006;
inline constexpr int IDC_START = 1007;
inline constexpr int IDC_ITERATIONS = 1008;
inline constexpr int IDC_REPORT = 1009;

inline constexpr int TIMER_STARTUP = 1;  // the first tick, a second after showing
inline constexpr int TIMER_STEP = 2;     // stepping, five times a second
inline constexpr int kStartupPeriodMs = 1000;
inline constexpr int kStepPeriodMs = 200;

inline constexpr char kAboutEntryText[] = "&About Pastura...";  // A is its mnemonic
