// Placing top-level windows on the screen, their captions always within the
// work area of the screen they are on.
#pragma once

#include <windows.h>

// The work area of the screen the window is on.
RECT WorkArea(HWND window);

// Centres the window over another window, or over the work area when `over`
// is null or minimised.
void CentreWindow(HWND window, HWND over);

// Moves the window's top-left corner to `topLeft`, or as near as the work
// area allows.
void PlaceWindow(HWND window, POINT topLeft);
