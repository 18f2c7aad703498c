// CAboutDialog: the About box (template 100), the program's name, version
// and icon; it closes on "OK", Esc or its close box.
#pragma once

#include <windows.h>

class CAboutDialog {
 public:
  explicit CAboutDialog(HINSTANCE instance) : instance_(instance) {}

  // Shows the box centred over `owner` and returns when it is closed.
  INT_PTR DoModal(HWND owner);

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE instance_;
};
