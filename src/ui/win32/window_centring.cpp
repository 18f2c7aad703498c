#include "ui/win32/window_centring.h"

#include <algorithm>

void CentreWindow(HWND window, HWND over) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& workArea = monitor.rcWork;

  RECT target = workArea;
  if (over != nullptr && !IsIconic(over)) {
    GetWindowRect(over, &target);
  }
  RECT own;
  GetWindowRect(window, &own);
  const LONG width = own.right - own.left;
  const LONG height = own.bottom - own.top;

  LONG left = (target.left + target.right - width) / 2;
  LONG top = (target.top + target.bottom - height) / 2;
  // Keep the caption reachable.
  left = std::max(workArea.left, std::min(left, workArea.right - width));
  top = std::max(workArea.top, std::min(top, workArea.bottom - height));
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
