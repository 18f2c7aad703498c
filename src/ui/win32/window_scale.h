// The display scale of a window: its dots per inch over the 96 of scale 1.
// A program that declares per-monitor awareness, as pastura.exe does, draws
// its pixels at that scale itself; Windows does not stretch them.
#pragma once

#include <windows.h>

inline constexpr UINT kScaleOneDpi = 96;

// The window's own DPI where the system knows it per window (Windows 10 and
// later), else the screen's.
UINT WindowDpi(HWND window);

inline double ScaleOfDpi(UINT dpi) {
  return static_cast<double>(dpi) / kScaleOneDpi;
}
