// The main dialog of a program started by a test: it shows itself once its
// initialisation is done, and ticks a second later.
#pragma once

#include <windows.h>

#include "resource.h"

// The visible dialog captioned "Pastura", waited for up to 10 s; null if none.
inline HWND WaitForDialog() {
  for (int i = 0; i < 500; ++i) {
    HWND dialog = FindWindowA("#32770", "Pastura");
    if (dialog != nullptr && IsWindowVisible(dialog)) {
      return dialog;
    }
    Sleep(20);
  }
  return nullptr;
}

// Whether the dialog's start-up tick has filled the report list, waited for
// up to 10 s.
inline bool WaitForStartupTick(HWND dialog) {
  for (int i = 0; i < 500; ++i) {
    if (SendDlgItemMessageA(dialog, IDC_REPORT, LB_GETCOUNT, 0, 0) > 0) {
      return true;
    }
    Sleep(20);
  }
  return false;
}
