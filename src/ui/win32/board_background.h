// The colour the board is drawn on: the dialog's own face colour, so that the
// picture around the grid looks like the rest of the dialog.
#pragma once

#include <windows.h>

inline HBRUSH BoardBackground() {
  return GetSysColorBrush(COLOR_BTNFACE);
}
