#include "ui/win32/window_centring.h"

#include <algorithm>

RECT WorkArea(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  return monitor.rcWork;
}

void CentreWindow(HWND window, HWND over) {
  RECT target = WorkArea(window);
  if (over != nullptr && !IsIconic(over)) {
    GetWindowRect(over, &target);
  }
  RECT own;
  GetWindowRect(window, &own);
  PlaceWindow(window, {(target.left + target.right - (own.right - own.left)) / 2,
                       (target.top + target.bottom - (own.bottom - own.top)) / 2});
}

void PlaceWindow(HWND window, POINT topLeft) {
  const RECT workArea = WorkArea(window);
  RECT own;
  GetWindowRect(window, &own);
  const LONG width = own.right - own.left;
  const LONG height = own.bottom - own.top;
  // Keep the caption reachable.
  const LONG left = std::max(workArea.left, std::min(topLeft.x, workArea.right - width));
  const LONG top = std::max(workArea.top, std::min(topLeft.y, workArea.bottom - height));
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
