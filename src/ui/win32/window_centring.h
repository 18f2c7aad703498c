// Centres a top-level window over another window, or over the work area of
// the screen it is on when `over` is null or minimised.
#pragma once

#include <windows.h>

void CentreWindow(HWND window, HWND over);
