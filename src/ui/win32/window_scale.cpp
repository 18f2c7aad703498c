#include "ui/win32/window_scale.h"

UINT WindowDpi(HWND window) {
  // Looked up at run time, so that the program still starts where user32
  // has no GetDpiForWindow (before Windows 10).
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("user32"), "GetDpiForWindow")));
  if (getDpiForWindow != nullptr) {
    return getDpiForWindow(window);
  }
  HDC dc = GetDC(window);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(window, dc);
  return dpi > 0 ? static_cast<UINT>(dpi) : kScaleOneDpi;
}
